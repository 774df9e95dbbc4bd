#pragma once

#include "settings/RegistryBackend.h"

namespace quorrin {

// The Windows registry through its single-byte functions. Keys under HKEY_LOCAL_MACHINE are opened in the
// 32-bit view in a 64-bit build: the Zone client and other 32-bit installers write there.
class Win32RegistryBackend final : public RegistryBackend
{
public:
    long openKey(RegRoot root, const std::string& keyPath, std::uint32_t access, RegHandle& key) override;
    long createKey(RegRoot root, const std::string& keyPath, std::uint32_t access, RegHandle& key) override;
    long queryValue(RegHandle key, const std::string& valueName, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override;
    long setValue(RegHandle key, const std::string& valueName, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override;
    long closeKey(RegHandle key) override;
};

} // namespace quorrin
