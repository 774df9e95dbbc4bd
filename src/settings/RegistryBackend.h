#pragma once

#include <cstdint>
#include <string>

namespace quorrin {

enum class RegRoot
{
    CurrentUser,  // HKEY_CURRENT_USER
    LocalMachine, // HKEY_LOCAL_MACHINE
};

// Value types, with the registry's numbers.
enum class RegType : std::uint32_t
{
    None = 0,
    Sz = 1,       // REG_SZ: 8-bit text with a terminating NUL
    ExpandSz = 2, // REG_EXPAND_SZ
    Binary = 3,   // REG_BINARY
    Dword = 4,    // REG_DWORD: 32-bit little-endian number
    MultiSz = 7,  // REG_MULTI_SZ
};

using RegHandle = std::uintptr_t;
inline constexpr RegHandle kNoRegHandle = 0;

inline constexpr std::uint32_t KEY_ALL_ACCESS = 0xF003F;
inline constexpr std::uint32_t KEY_READ = 0x20019;

// Status codes, as the registry functions return them.
inline constexpr long kRegSuccess = 0;
inline constexpr long kRegFileNotFound = 2;
inline constexpr long kRegAccessDenied = 5;
inline constexpr long kRegInvalidHandle = 6;
inline constexpr long kRegWriteFault = 29;
inline constexpr long kRegInvalidParameter = 87;
inline constexpr long kRegMoreData = 234;

// The registry's own operations, shaped like the single-byte registry functions so that the Windows backend
// is a thin layer over them. Key paths use "\" between their parts; key and value names match ignoring ASCII
// case.
class RegistryBackend
{
public:
    virtual ~RegistryBackend() = default;

    // Both give kNoRegHandle in `key` when they fail.
    virtual long openKey(RegRoot root, const std::string& keyPath, std::uint32_t access, RegHandle& key) = 0;
    virtual long createKey(RegRoot root, const std::string& keyPath, std::uint32_t access,
                           RegHandle& key) = 0;

    // Without `data`, reports the type and the size in bytes only. With `data`, `size` holds the buffer's
    // size on entry; a buffer too small gives kRegMoreData and the size needed.
    virtual long queryValue(RegHandle key, const std::string& valueName, std::uint32_t* type,
                            std::uint8_t* data, std::uint32_t* size) = 0;
    virtual long setValue(RegHandle key, const std::string& valueName, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t size) = 0;
    virtual long closeKey(RegHandle key) = 0;
};

} // namespace quorrin
