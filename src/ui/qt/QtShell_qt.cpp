#include "ui/qt/QtShell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace quorrin {

void QtShell::openAddress(const std::string& address)
{
    // The addresses are already encoded (plain ASCII); the result is not examined.
    QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(address)));
}

bool QtShell::startProgram(const std::string& path)
{
    return QProcess::startDetached(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())),
                                   {});
}

} // namespace quorrin
