#include "settings/WinePrefixes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <system_error>
#include <wctype.h>

namespace quorrin {

namespace fs = std::filesystem;

namespace {

bool isAbsolute(const std::string& path)
{
    return !path.empty() && path.front() == '/';
}

// The folders in `folder`, in byte order of their names.
std::vector<fs::path> subfolders(const fs::path& folder)
{
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        std::error_code ignored;
        if (entry->is_directory(ignored))
            found.push_back(entry->path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::optional<std::string> toUtf8(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t code = text[i];
        const bool pair = code >= 0xD800 && code < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                          text[i + 1] < 0xE000;
        if (pair)
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00u);
        else if (code == 0 || (code >= 0xD800 && code < 0xE000))
            return std::nullopt; // no file name holds a NUL or half a surrogate pair
        if (code < 0x80) {
            out += static_cast<char>(code);
            continue;
        }
        const int tail = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
        out += static_cast<char>((0xFF00u >> (tail + 1)) | (code >> (6 * tail))); // 0xC0, 0xE0 or 0xF0
        for (int shift = 6 * (tail - 1); shift >= 0; shift -= 6)
            out += static_cast<char>(0x80 | (code >> shift & 0x3F));
    }
    return out;
}

// Letter case follows the Unicode rules of the C.UTF-8 locale where the system has it, ASCII's otherwise.
char32_t lowerCase(char32_t c)
{
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    if (c < 0x80)
        return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
    return utf8 ? static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), utf8)) : c;
}

// A file name's code points in lower case; nothing when the name is no valid UTF-8.
std::optional<std::u32string> foldedName(std::string_view name)
{
    std::u32string out;
    for (std::size_t i = 0; i < name.size();) {
        const auto lead = static_cast<unsigned char>(name[i++]);
        const int tail = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
        if (tail < 0 || lead > 0xF4 || name.size() - i < static_cast<std::size_t>(tail))
            return std::nullopt;
        char32_t code = lead & (0x7Fu >> tail);
        for (int k = 0; k < tail; ++k) {
            const auto next = static_cast<unsigned char>(name[i++]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            code = code << 6 | (next & 0x3Fu);
        }
        out += lowerCase(code);
    }
    return out;
}

// The entry of `folder` that is `name` without regard to case: `name` itself when it is there, else the first
// such entry in byte order.
std::optional<std::string> entryIgnoringCase(const fs::path& folder, const std::string& name)
{
    std::error_code error;
    if (fs::symlink_status(folder / name, error).type() != fs::file_type::not_found && !error)
        return name;
    const auto wanted = foldedName(name);
    std::optional<std::string> found;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        std::string entryName = entry->path().filename().string();
        if (foldedName(entryName) == wanted && (!found || entryName < *found))
            found = std::move(entryName);
    }
    return found;
}

// The folder a drive stands for: dosdevices/<letter>: links to it, relative to dosdevices/ or absolute.
std::optional<fs::path> driveFolder(const fs::path& prefix, char letter)
{
    const fs::path devices = prefix / "dosdevices";
    fs::path folder = devices / (std::string(1, letter) + ':');
    std::error_code error;
    if (fs::is_symlink(folder, error)) {
        const fs::path target = fs::read_symlink(folder, error);
        if (error)
            return std::nullopt;
        folder = (devices / target).lexically_normal();
    }
    if (!fs::is_directory(folder, error))
        return std::nullopt;
    return folder;
}

} // namespace

WinePrefixSearch WinePrefixSearch::fromEnvironment()
{
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    return {variable("HOME"), variable("WINEPREFIX")};
}

std::vector<fs::path> WinePrefixSearch::prefixes() const
{
    std::vector<fs::path> candidates;
    if (isAbsolute(winePrefix))
        candidates.emplace_back(winePrefix);
    if (isAbsolute(home)) {
        const fs::path base(home);
        candidates.push_back(base / ".wine");
        for (const char* manager :
             {".var/app/com.usebottles.bottles/data/bottles/bottles", ".local/share/bottles/bottles"}) {
            const auto bottles = subfolders(base / manager);
            candidates.insert(candidates.end(), bottles.begin(), bottles.end());
        }
        for (const auto& game : subfolders(base / "Games")) {
            candidates.push_back(game);
            candidates.push_back(game / "prefix");
        }
        const auto playOnLinux = subfolders(base / ".PlayOnLinux/wineprefix");
        candidates.insert(candidates.end(), playOnLinux.begin(), playOnLinux.end());
    }

    std::vector<fs::path> found;
    for (const auto& candidate : candidates) {
        std::error_code error;
        if (!fs::is_regular_file(candidate / "system.reg", error))
            continue;
        // $WINEPREFIX is often ~/.wine itself, or a link to a prefix listed again below.
        const bool seen = std::any_of(found.begin(), found.end(), [&](const fs::path& prefix) {
            std::error_code ignored;
            return fs::equivalent(prefix, candidate, ignored);
        });
        if (!seen)
            found.push_back(candidate);
    }
    return found;
}

std::optional<std::string> unixPathInPrefix(const fs::path& prefix, std::u16string_view windowsPath)
{
    const auto path = toUtf8(windowsPath);
    if (!path || path->size() < 2 || (*path)[1] != ':')
        return std::nullopt;
    const char letter = static_cast<char>((*path)[0] | 0x20);
    std::string_view rest = std::string_view(*path).substr(2);
    // "C:Zone" is relative to a current folder of the drive, which a stored path has none of.
    if (letter < 'a' || letter > 'z' || (!rest.empty() && rest.front() != '\\' && rest.front() != '/'))
        return std::nullopt;
    const auto drive = driveFolder(prefix, letter);
    if (!drive)
        return std::nullopt;

    std::vector<std::string> parts;
    while (!rest.empty()) {
        const auto end = std::min(rest.find_first_of("\\/"), rest.size());
        const std::string_view part = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.emplace_back(part);
        }
    }

    fs::path result = *drive;
    bool onDisk = true;
    for (const auto& part : parts) {
        const auto entry = onDisk ? entryIgnoringCase(result, part) : std::nullopt;
        onDisk = entry.has_value();
        result /= onDisk ? *entry : part;
    }
    return result.string();
}

} // namespace quorrin
