#include "ui/qt/TextCodec.h"

#include <array>
#include <QStringDecoder>

namespace quorrin::ui {

namespace {

// windows-1252 differs from Latin-1 only in 0x80-0x9F; the five bytes it leaves undefined stay as Latin-1
// does.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeWindows1252ByTable(std::string_view bytes)
{
    QString text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    for (QChar& c : text) {
        if (c.unicode() >= 0x80 && c.unicode() <= 0x9F)
            c = QChar(kHighControls[c.unicode() - 0x80]);
    }
    return text;
}

} // namespace

QString decodeFriendEntry(std::string_view bytes)
{
    // Qt knows windows-1252 only when built with ICU; the table covers the rest.
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        return decodeWindows1252ByTable(bytes);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString decodeLocal(const std::string& bytes)
{
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString layoutText(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace quorrin::ui
