#pragma once

#include "settings/RegistryBackend.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorrin {

// Registry names compare ignoring the case of ASCII letters only; other bytes compare exactly.
bool sameRegName(std::string_view a, std::string_view b);

// "HKEY_CURRENT_USER" or "HKEY_LOCAL_MACHINE".
std::string_view rootName(RegRoot root);
// The key's full name as regedit writes it: the root's name, then "\" and the path unless that is empty.
std::string fullKeyName(RegRoot root, std::string_view keyPath);

struct RegStoredValue
{
    std::string name; // empty for the key's default value
    std::uint32_t type = 0;
    std::string data; // raw bytes, as the registry keeps them
};

struct RegStoredKey
{
    std::string name; // full name, spelled as first written
    std::vector<RegStoredValue> values;
};

// Keys in the order they were first written, each with its values in the order they were first written. Names
// match ignoring ASCII case and keep the spelling first written. Lookups go through hash indexes, so a file
// with very many keys or values still loads in linear time.
class RegKeyList
{
public:
    const std::vector<RegStoredKey>& keys() const { return keys_; }

    const RegStoredKey* findKey(std::string_view fullName) const;
    // A key exists when it is listed, when a listed key lies below it, or when it is a root.
    bool keyExists(std::string_view fullName) const;
    // Appends the key when it is missing; tells whether it did.
    bool addKey(std::string_view fullName);

    const RegStoredValue* findValue(std::string_view fullName, std::string_view valueName) const;
    // Replaces the value in place, or appends it (and its key when that is missing).
    void setValue(std::string_view fullName, std::string_view valueName, std::uint32_t type,
                  std::string data);

private:
    std::size_t keyIndex(std::string_view fullName);

    std::vector<RegStoredKey> keys_;
    std::unordered_map<std::string, std::size_t> keyIndex_; // folded key name -> position in keys_
    std::unordered_map<std::string, std::size_t>
        valueIndex_; // key position ":" folded value name -> position
};

struct RegOpenKey
{
    RegRoot root;
    std::string fullName; // as the caller spelled it
};

// Open handles. Numbers are never reused, so a closed handle stays invalid.
class RegHandleTable
{
public:
    RegHandle open(RegRoot root, std::string fullName);
    const RegOpenKey* find(RegHandle handle) const;
    bool close(RegHandle handle);

private:
    std::map<RegHandle, RegOpenKey> open_;
    RegHandle next_ = 0x100;
};

// Answers a value query the way the registry does: type and size only without `data`; kRegMoreData and the
// size needed when the buffer is too small; kRegFileNotFound for a missing value.
long copyValueOut(const RegStoredValue* value, std::uint32_t* type, std::uint8_t* data, std::uint32_t* size);

} // namespace quorrin
