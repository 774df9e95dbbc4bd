#include "settings/WineRegistryFile.h"

#include <algorithm>

namespace quorrin {

namespace {

constexpr std::string_view kHeader = "WINE REGISTRY Version 2";
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

char16_t foldAscii(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

std::u16string folded(std::u16string_view name)
{
    std::u16string result(name);
    std::transform(result.begin(), result.end(), result.begin(), foldAscii);
    return result;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool consume(std::string_view& in, std::string_view prefix)
{
    if (!in.starts_with(prefix))
        return false;
    in.remove_prefix(prefix.size());
    return true;
}

std::string_view withoutLeadingBlanks(std::string_view line)
{
    const auto first = line.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : line.substr(first);
}

// The lines of a text without their line ends, LF or CR LF.
class LineReader
{
public:
    explicit LineReader(std::string_view text) : rest_(text) {}

    bool next(std::string_view& line)
    {
        if (rest_.empty())
            return false;
        const auto end = rest_.find('\n');
        line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        return true;
    }

private:
    std::string_view rest_;
};

// Up to `maxDigits` digits of base 8 or 16 at the start of `in`; false when there is none.
bool readNumber(std::string_view& in, int base, int maxDigits, std::uint32_t& number)
{
    number = 0;
    int count = 0;
    for (; count < maxDigits && !in.empty(); ++count) {
        const int digit = hexDigit(in.front());
        if (digit < 0 || digit >= base)
            break;
        number = number * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
        in.remove_prefix(1);
    }
    return count > 0;
}

// One UTF-8 sequence whose lead byte has been read; overlong forms, surrogates and values past U+10FFFF are
// errors.
bool readUtf8(unsigned char lead, std::string_view& in, std::u16string& out)
{
    const int length = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (length < 0 || lead > 0xF4 || in.size() < static_cast<std::size_t>(length))
        return false;
    std::uint32_t code = lead & (0x3Fu >> length);
    for (int i = 0; i < length; ++i) {
        const auto next = static_cast<unsigned char>(in[static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80)
            return false;
        code = code << 6 | (next & 0x3Fu);
    }
    constexpr std::uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
        return false;
    in.remove_prefix(static_cast<std::size_t>(length));
    if (code < 0x10000) {
        out.push_back(static_cast<char16_t>(code));
    } else {
        out.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
    }
    return true;
}

// The escape after a backslash: the ones Wine writes, and \[ \] of key names.
bool readEscape(std::string_view& in, std::u16string& out)
{
    static constexpr std::string_view kControls = "a\ab\be\x1b"
                                                  "f\fn\nr\rt\tv\v";
    if (in.empty())
        return false;
    const char c = in.front();
    std::uint32_t number = 0;
    if (c == '\\' || c == '"' || c == '[' || c == ']') {
        out.push_back(static_cast<char16_t>(c));
    } else if (const auto at = kControls.find(c); at != std::string_view::npos && at % 2 == 0) {
        out.push_back(static_cast<char16_t>(kControls[at + 1]));
    } else if (c == 'x') {
        in.remove_prefix(1);
        if (!readNumber(in, 16, 4, number))
            return false;
        out.push_back(static_cast<char16_t>(number));
        return true;
    } else if (readNumber(in, 8, 3, number)) {
        out.push_back(static_cast<char16_t>(number));
        return true;
    } else {
        return false;
    }
    in.remove_prefix(1);
    return true;
}

// An escaped string up to the unescaped `end`, which is consumed.
bool readEscaped(std::string_view& in, char end, std::u16string& out)
{
    while (!in.empty()) {
        const auto byte = static_cast<unsigned char>(in.front());
        in.remove_prefix(1);
        if (byte == static_cast<unsigned char>(end))
            return true;
        if (byte == '\\') {
            if (!readEscape(in, out))
                return false;
        } else if (byte >= 0x80) {
            if (!readUtf8(byte, in, out))
                return false;
        } else if (byte < 0x20) {
            return false; // Wine escapes every control character
        } else {
            out.push_back(byte);
        }
    }
    return false;
}

// "[Software\\Vendor] 1733400000": the key's path, then its time in seconds, which is not needed.
bool readKeyHeader(std::string_view line, std::u16string& path)
{
    line.remove_prefix(1);
    if (!readEscaped(line, ']', path))
        return false;
    if (!line.empty() &&
        (!consume(line, " ") || line.empty() || line.find_first_not_of("0123456789") != line.npos))
        return false;
    // A path is empty (the file's root) or parts without an empty one.
    return !path.starts_with(u'\\') && !path.ends_with(u'\\') && path.find(u"\\\\") == path.npos;
}

// The bytes after "hex:" or "hex(N):": two digits each, separated by commas; a line ending in "\" goes on in
// the next one, after its leading blanks.
bool readHexBytes(std::string_view line, LineReader& lines, std::string& bytes)
{
    bool afterByte = false;
    while (!line.empty()) {
        if (line == "\\") {
            if (!lines.next(line))
                return false;
            line = withoutLeadingBlanks(line);
        } else if (afterByte) {
            if (!consume(line, ","))
                return false;
            afterByte = false;
        } else {
            const int high = hexDigit(line.front());
            const int low = line.size() > 1 ? hexDigit(line[1]) : -1;
            if (high < 0 || low < 0)
                return false;
            bytes.push_back(static_cast<char>(high * 16 + low));
            line.remove_prefix(2);
            afterByte = true;
        }
    }
    return true;
}

// "N)" of str(N) and hex(N): the type in hex.
bool readType(std::string_view& in, std::uint32_t& type)
{
    return readNumber(in, 16, 8, type) && consume(in, ")");
}

// "name"=data or @=data, where data is "text", str(N):"text", dword:N, hex:bytes or hex(N):bytes.
bool readValue(std::string_view line, LineReader& lines, WineRegValue& value)
{
    if (!consume(line, "@")) {
        line.remove_prefix(1);
        if (!readEscaped(line, '"', value.name))
            return false;
    }
    if (!consume(line, "="))
        return false;
    if (line.starts_with('"') || line.starts_with("str(")) {
        value.type = kRegSz;
        value.quoted = true;
        if (consume(line, "str(") && !(readType(line, value.type) && consume(line, ":")))
            return false;
        return consume(line, "\"") && readEscaped(line, '"', value.text) && line.empty();
    }
    if (consume(line, "dword:")) {
        std::uint32_t number = 0;
        if (!readNumber(line, 16, 8, number) || !line.empty())
            return false;
        value.type = kRegDword;
        for (int shift = 0; shift < 32; shift += 8)
            value.bytes.push_back(static_cast<char>(number >> shift & 0xFF));
        return true;
    }
    if (consume(line, "hex:"))
        value.type = kRegBinary;
    else if (!(consume(line, "hex(") && readType(line, value.type) && consume(line, ":")))
        return false;
    return readHexBytes(line, lines, value.bytes);
}

} // namespace

std::optional<WineRegistryFile> WineRegistryFile::parse(std::string_view text)
{
    LineReader lines(text);
    std::string_view line;
    if (!lines.next(line) || line != kHeader)
        return std::nullopt;
    WineRegistryFile file;
    std::optional<std::size_t> key;
    bool archSeen = false;
    while (lines.next(line)) {
        line = withoutLeadingBlanks(line);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '#') {
            // #time, #class and #link belong to the key above; only the prefix's #arch matters here, and it
            // comes once, before the keys.
            if (!consume(line, "#arch="))
                continue;
            if (key || archSeen || (line != "win32" && line != "win64"))
                return std::nullopt;
            archSeen = true;
            file.arch_ = line == "win32" ? WineArch::Win32 : WineArch::Win64;
        } else if (line.front() == '[') {
            std::u16string path;
            if (!readKeyHeader(line, path))
                return std::nullopt;
            key = file.keyAt(std::move(path));
        } else if ((line.front() == '"' || line.front() == '@') && key) {
            WineRegValue value;
            if (!readValue(line, lines, value))
                return std::nullopt;
            file.setValue(*key, std::move(value));
        } else {
            return std::nullopt;
        }
    }
    return file;
}

std::size_t WineRegistryFile::keyAt(std::u16string path)
{
    const auto [found, added] = keyIndex_.try_emplace(folded(path), keys_.size());
    if (added) {
        keys_.push_back({std::move(path), {}});
        valueIndexes_.emplace_back();
    }
    return found->second;
}

void WineRegistryFile::setValue(std::size_t key, WineRegValue value)
{
    auto& values = keys_[key].values;
    const auto [found, added] = valueIndexes_[key].try_emplace(folded(value.name), values.size());
    if (added)
        values.push_back(std::move(value));
    else
        values[found->second] = std::move(value);
}

const WineRegValue* WineRegistryFile::findValue(std::u16string_view keyPath, std::u16string_view name) const
{
    const auto key = keyIndex_.find(folded(keyPath));
    if (key == keyIndex_.end())
        return nullptr;
    const auto& index = valueIndexes_[key->second];
    const auto value = index.find(folded(name));
    return value == index.end() ? nullptr : &keys_[key->second].values[value->second];
}

const WineRegValue* WineRegistryFile::find32BitValue(std::u16string_view keyPath,
                                                     std::u16string_view name) const
{
    constexpr std::u16string_view kSoftware = u"software\\";
    if (arch_ != WineArch::Win32 && folded(keyPath.substr(0, kSoftware.size())) == kSoftware) {
        std::u16string redirected(keyPath.substr(0, kSoftware.size()));
        redirected += u"Wow6432Node\\";
        redirected += keyPath.substr(kSoftware.size());
        if (const WineRegValue* value = findValue(redirected, name))
            return value;
    }
    return findValue(keyPath, name);
}

} // namespace quorrin
