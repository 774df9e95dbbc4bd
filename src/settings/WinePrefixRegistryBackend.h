#pragma once

#include "settings/RegistryBackend.h"
#include "settings/WinePrefixes.h"

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace quorrin {

// A store in front of another that answers the Zone client's machine-wide "Path" from the Wine prefixes a
// client may be installed in, before the other store is asked. The first prefix whose system.reg reads
// completely and holds a non-empty text "Path" for a 32-bit program, on a drive the prefix has, wins; the
// value is its Unix path (UTF-8). Everything else, and that value where no prefix has it, comes from the
// other store, and every write goes there: nothing is ever written into a prefix.
class WinePrefixRegistryBackend : public RegistryBackend
{
public:
    // A system.reg larger than this is not read.
    static constexpr std::size_t kMaxFileSize = 64 * 1024 * 1024;

    WinePrefixRegistryBackend(WinePrefixSearch search, std::unique_ptr<RegistryBackend> next);

    long openKey(RegRoot root, const std::string& keyPath, std::uint32_t access, RegHandle& key) override;
    long createKey(RegRoot root, const std::string& keyPath, std::uint32_t access, RegHandle& key) override;
    long queryValue(RegHandle key, const std::string& valueName, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override;
    long setValue(RegHandle key, const std::string& valueName, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override;
    long closeKey(RegHandle key) override;

    // The Zone client's folder in the first prefix that has one. The prefixes are looked up again each time,
    // so a client installed while the program runs is found at its next read.
    std::optional<std::string> zoneClientPath() const;

private:
    struct OpenKey
    {
        RegHandle next = kNoRegHandle;         // the other store's handle, when it has the key
        std::optional<std::string> clientPath; // on the Zone client's key: the path found in a prefix
    };

    RegHandle remember(OpenKey open);

    WinePrefixSearch search_;
    std::unique_ptr<RegistryBackend> next_;
    std::map<RegHandle, OpenKey> open_;
    RegHandle nextHandle_ = 0x100; // never reused, so a closed handle stays invalid
};

} // namespace quorrin
