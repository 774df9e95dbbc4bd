#include "settings/RegFile.h"

#include <charconv>
#include <cstdint>
#include <optional>

namespace quorrin {

namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::uint32_t kSz = static_cast<std::uint32_t>(RegType::Sz);
constexpr std::uint32_t kDword = static_cast<std::uint32_t>(RegType::Dword);
constexpr std::uint32_t kBinary = static_cast<std::uint32_t>(RegType::Binary);

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Splits off the next line, without its LF and a CR before that.
std::string_view nextLine(std::string_view& text)
{
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

std::optional<std::uint32_t> parseHexNumber(std::string_view digits)
{
    std::uint32_t value = 0;
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

// A quoted string at the start of `text` with "\\" and "\"" unescaped; `text` is left after the closing
// quote.
std::optional<std::string> parseQuoted(std::string_view& text)
{
    if (text.empty() || text.front() != '"')
        return std::nullopt;
    std::string result;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            text.remove_prefix(i + 1);
            return result;
        }
        if (c == '\\') {
            if (i + 1 == text.size() || (text[i + 1] != '\\' && text[i + 1] != '"'))
                return std::nullopt;
            result += text[++i];
        } else {
            result += c;
        }
    }
    return std::nullopt;
}

// Comma-separated two-digit hex bytes; an empty list is no bytes.
std::optional<std::string> parseHexBytes(std::string_view text)
{
    std::string bytes;
    text = trimmed(text);
    if (text.empty())
        return bytes;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view item = trimmed(text.substr(0, comma));
        const auto value = item.size() == 2 ? parseHexNumber(item) : std::nullopt;
        if (!value)
            return std::nullopt;
        bytes += static_cast<char>(*value);
        if (comma == std::string_view::npos)
            return bytes;
        text.remove_prefix(comma + 1);
    }
}

struct ParsedData
{
    std::uint32_t type;
    std::string data;
};

// The part after "=": a quoted string, dword:, hex: or hex(N):.
std::optional<ParsedData> parseData(std::string_view text)
{
    if (!text.empty() && text.front() == '"') {
        auto quoted = parseQuoted(text);
        if (!quoted || !trimmed(text).empty())
            return std::nullopt;
        return ParsedData{kSz, *quoted + '\0'};
    }
    if (text.substr(0, 6) == "dword:") {
        const auto number = parseHexNumber(trimmed(text.substr(6)));
        if (!number)
            return std::nullopt;
        std::string bytes;
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>((*number >> shift) & 0xFF);
        return ParsedData{kDword, bytes};
    }
    std::uint32_t type = kBinary;
    if (text.substr(0, 4) == "hex(") {
        const std::size_t close = text.find("):");
        const auto number =
            close == std::string_view::npos ? std::nullopt : parseHexNumber(text.substr(4, close - 4));
        if (!number)
            return std::nullopt;
        type = *number;
        text.remove_prefix(close + 2);
    } else if (text.substr(0, 4) == "hex:") {
        text.remove_prefix(4);
    } else {
        return std::nullopt;
    }
    auto bytes = parseHexBytes(text);
    if (!bytes)
        return std::nullopt;
    return ParsedData{type, std::move(*bytes)};
}

bool startsAsHex(std::string_view data)
{
    return data.substr(0, 4) == "hex:" || data.substr(0, 4) == "hex(";
}

std::string escaped(std::string_view text)
{
    std::string result;
    for (const char c : text) {
        if (c == '\\' || c == '"')
            result += '\\';
        result += c;
    }
    return result;
}

std::string hexDigits(std::uint32_t value, int width)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string result;
    do {
        result.insert(result.begin(), digits[value & 0xF]);
        value >>= 4;
    } while (value != 0 || static_cast<int>(result.size()) < width);
    return result;
}

bool plainText(const std::string& data)
{
    return !data.empty() && data.back() == '\0' &&
           data.find_first_of(std::string_view("\r\n\0", 3)) == data.size() - 1;
}

std::string dataText(const RegStoredValue& value)
{
    if (value.type == kSz && plainText(value.data))
        return '"' + escaped(std::string_view(value.data).substr(0, value.data.size() - 1)) + '"';
    if (value.type == kDword && value.data.size() == 4) {
        std::uint32_t number = 0;
        for (int i = 3; i >= 0; --i)
            number = (number << 8) | static_cast<std::uint8_t>(value.data[static_cast<std::size_t>(i)]);
        return "dword:" + hexDigits(number, 8);
    }
    std::string text = "hex(" + hexDigits(value.type, 1) + "):";
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        if (i > 0)
            text += ',';
        text += hexDigits(static_cast<std::uint8_t>(value.data[i]), 2);
    }
    return text;
}

} // namespace

RegFileContent parseRegFile(std::string_view text)
{
    RegFileContent content;
    if (text.empty())
        return content;
    // Without the header the first line is read like any other.
    std::string_view rest = text;
    if (trimmed(nextLine(rest)) == kHeader)
        text = rest;
    else
        content.complete = false;
    std::optional<std::string> key; // the section the lines belong to
    while (!text.empty()) {
        std::string_view line = trimmed(nextLine(text));
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const std::string_view name = line.substr(1, line.size() - 1 - (line.back() == ']' ? 1 : 0));
            key.reset();
            if (line.back() != ']' || name.empty() || name.front() == '-') {
                content.complete = false;
            } else {
                key = std::string(name);
                content.keys.addKey(name);
            }
            continue;
        }
        // "@" names the key's default value, kept under the empty name.
        const bool isDefault = line.front() == '@';
        if (isDefault)
            line.remove_prefix(1);
        const std::optional<std::string> name = isDefault ? std::string() : parseQuoted(line);
        line = trimmed(line);
        if (!name || line.empty() || line.front() != '=') {
            content.complete = false;
            continue;
        }
        std::string data(trimmed(line.substr(1)));
        // A hex list may go on over lines that end in "\".
        while (startsAsHex(data) && !data.empty() && data.back() == '\\' && !text.empty()) {
            data.pop_back();
            data += trimmed(nextLine(text));
        }
        const auto parsed = parseData(data);
        if (!key || !parsed) {
            content.complete = false;
            continue;
        }
        content.keys.setValue(*key, *name, parsed->type, parsed->data);
    }
    return content;
}

std::string writeRegFile(const RegKeyList& keys)
{
    std::string text(kHeader);
    text += kLineEnd;
    text += kLineEnd;
    for (const RegStoredKey& key : keys.keys()) {
        text += '[' + key.name + ']';
        text += kLineEnd;
        for (const RegStoredValue& value : key.values) {
            text += value.name.empty() ? std::string("@") : '"' + escaped(value.name) + '"';
            text += '=' + dataText(value);
            text += kLineEnd;
        }
        text += kLineEnd;
    }
    return text;
}

} // namespace quorrin
