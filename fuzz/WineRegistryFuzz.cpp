// Whatever WineRegistryFile::parse accepts, written again the way wineserver writes it, parses to the same
// keys and values, and writing those gives the same bytes; every value it read is the one a lookup of its key
// and name finds.

#include "FuzzCheck.h"
#include "settings/WineRegistryFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

using quorrin::WineArch;
using quorrin::WineRegistryFile;
using quorrin::WineRegValue;
using quorrin::fuzz::check;

bool isAsciiHexDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Wine's escaping of names and strings: above 127 as \x (four digits before a hex digit), control characters
// as C or octal escapes (three digits before an octal digit), and a backslash before \ and the two `quotes`.
std::string escaped(std::u16string_view text, std::string_view quotes)
{
    static constexpr std::string_view kLetters = ".......abtnvfr.............e....";
    std::string out;
    char buffer[16];
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const char16_t next = i + 1 < text.size() ? text[i + 1] : u'\0';
        if (c > 127) {
            std::snprintf(buffer, sizeof buffer, isAsciiHexDigit(next) ? "\\x%04x" : "\\x%x", unsigned{c});
            out += buffer;
        } else if (c < 32 && kLetters[c] != '.') {
            out += '\\';
            out += kLetters[c];
        } else if (c < 32) {
            std::snprintf(buffer, sizeof buffer, next >= u'0' && next <= u'7' ? "\\%03o" : "\\%o",
                          unsigned{c});
            out += buffer;
        } else {
            if (c == u'\\' || quotes.find(static_cast<char>(c)) != quotes.npos)
                out += '\\';
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string written(const WineRegValue& value)
{
    char buffer[32];
    std::string line = value.name.empty() ? "@=" : "\"" + escaped(value.name, "\"") + "\"=";
    if (value.quoted) {
        if (value.type != 1) {
            std::snprintf(buffer, sizeof buffer, "str(%x):", unsigned{value.type});
            line += buffer;
        }
        return line + "\"" + escaped(value.text, "\"") + "\"\n";
    }
    if (value.type == 4 && value.bytes.size() == 4) {
        const auto byte = [&](int i) { return std::uint32_t{static_cast<unsigned char>(value.bytes[i])}; };
        std::snprintf(buffer, sizeof buffer, "dword:%08x\n",
                      unsigned{byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24});
        return line + buffer;
    }
    if (value.type == 3) {
        line += "hex:";
    } else {
        std::snprintf(buffer, sizeof buffer, "hex(%x):", unsigned{value.type});
        line += buffer;
    }
    for (std::size_t i = 0; i < value.bytes.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, "%02x", unsigned{static_cast<unsigned char>(value.bytes[i])});
        line += buffer;
        if (i + 1 < value.bytes.size())
            line += i % 24 == 23 ? ",\\\n  " : ",";
    }
    return line + "\n";
}

std::string written(const WineRegistryFile& file)
{
    std::string text = "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n";
    if (file.arch() != WineArch::Unknown)
        text += file.arch() == WineArch::Win32 ? "\n#arch=win32\n" : "\n#arch=win64\n";
    for (const auto& key : file.keys()) {
        text += "\n[" + escaped(key.path, "[]") + "] 1733400000\n#time=1db47a0c3a0f2e4\n";
        for (const auto& value : key.values)
            text += written(value);
    }
    return text;
}

bool sameValue(const WineRegValue& a, const WineRegValue& b)
{
    return a.name == b.name && a.type == b.type && a.quoted == b.quoted && a.text == b.text &&
           a.bytes == b.bytes;
}

bool sameFile(const WineRegistryFile& a, const WineRegistryFile& b)
{
    if (a.arch() != b.arch() || a.keys().size() != b.keys().size())
        return false;
    for (std::size_t k = 0; k < a.keys().size(); ++k) {
        const auto& x = a.keys()[k];
        const auto& y = b.keys()[k];
        if (x.path != y.path || x.values.size() != y.values.size())
            return false;
        for (std::size_t v = 0; v < x.values.size(); ++v)
            if (!sameValue(x.values[v], y.values[v]))
                return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto first = WineRegistryFile::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!first)
        return 0;
    for (const auto& key : first->keys())
        for (const auto& value : key.values)
            check(first->findValue(key.path, value.name) == &value, "a lookup finds every value read");

    const std::string text = written(*first);
    const auto second = WineRegistryFile::parse(text);
    check(second.has_value(), "the written text parses");
    check(sameFile(*second, *first), "the written text parses to the same keys and values");
    check(written(*second) == text, "writing again gives the same bytes");
    return 0;
}
