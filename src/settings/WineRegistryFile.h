#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorrin {

// One value of a Wine registry file. Names and texts are UTF-16 code units, as Wine keeps them.
struct WineRegValue
{
    std::u16string name; // empty for the key's default value ("@=")
    std::uint32_t type = 0;
    bool quoted = false; // written as a string ("..." or str(N):"..."): `text` holds it, `bytes` is empty
    std::u16string text; // without the terminating NUL; a REG_MULTI_SZ keeps its inner NULs
    std::string bytes;   // dword: as 4 bytes, little-endian; hex: the bytes written
};

struct WineRegKey
{
    std::u16string
        path; // the key's parts joined by "\", relative to the file's root, spelled as first created
    std::vector<WineRegValue> values;
};

enum class WineArch
{
    Unknown, // no #arch line: a prefix made before Wine wrote one
    Win32,
    Win64,
};

// The keys and values of a Wine registry file (system.reg, user.reg) as wineserver writes it:
//
//   WINE REGISTRY Version 2
//   ;; All keys relative to REGISTRY\\Machine
//   #arch=win64
//   [Software\\Wow6432Node\\Microsoft\\Internet Gaming Zone\\Setup] 1733400000
//   #time=1db47a0c3a0f2e4
//   "Path"="C:\\Program Files\\Zone"
//
// Key and value names match ignoring the case of ASCII letters; a key keeps the spelling of its first header
// and a value named twice keeps the last one, as Wine loads them.
class WineRegistryFile
{
public:
    // The whole text, or nothing when any line of it cannot be read: a file is used completely or not at all.
    // Lines end in LF or CR LF. Strings take Wine's escapes (\\ \" \[ \] \a \b \e \f \n \r \t \v, octal \NNN,
    // \xHHHH for one UTF-16 code unit) and read plain bytes above 127 as UTF-8; anything else is an error.
    static std::optional<WineRegistryFile> parse(std::string_view text);

    WineArch arch() const { return arch_; }
    const std::vector<WineRegKey>& keys() const { return keys_; }

    const WineRegValue* findValue(std::u16string_view keyPath, std::u16string_view name) const;
    // The value a 32-bit program sees: in a 64-bit prefix its keys under Software lie below
    // Software\Wow6432Node, which is asked first; the plain path is asked after it, and alone in a 32-bit
    // prefix.
    const WineRegValue* find32BitValue(std::u16string_view keyPath, std::u16string_view name) const;

private:
    std::size_t keyAt(std::u16string path);
    void setValue(std::size_t key, WineRegValue value);

    WineArch arch_ = WineArch::Unknown;
    std::vector<WineRegKey> keys_;
    std::unordered_map<std::u16string, std::size_t> keyIndex_; // folded path -> key
    std::vector<std::unordered_map<std::u16string, std::size_t>>
        valueIndexes_; // per key: folded name -> value
};

} // namespace quorrin
