#pragma once

#include "settings/RegFile.h"
#include "settings/RegistryBackend.h"
#include "settings/RegKeys.h"

#include <cstddef>
#include <string>

namespace quorrin {

// The store away from Windows: one regedit 4 file per root in one folder, HKEY_CURRENT_USER.reg and
// HKEY_LOCAL_MACHINE.reg. The machine file is only read. Every call reads the file again, so two instances
// see each other's writes; every write replaces the file atomically under a lock. A file that does not parse
// completely is moved aside before it is first written over, and the write starts from what could be read.
class FileRegistryBackend : public RegistryBackend
{
public:
    // Files larger than this are not read further and count as damaged.
    static constexpr std::size_t kMaxFileSize = 16 * 1024 * 1024;

    explicit FileRegistryBackend(std::string folder);

    long openKey(RegRoot root, const std::string& keyPath, std::uint32_t access, RegHandle& key) override;
    long createKey(RegRoot root, const std::string& keyPath, std::uint32_t access, RegHandle& key) override;
    long queryValue(RegHandle key, const std::string& valueName, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override;
    long setValue(RegHandle key, const std::string& valueName, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override;
    long closeKey(RegHandle key) override;

    std::string filePath(RegRoot root) const;

private:
    struct Loaded
    {
        RegFileContent content;
        bool exists = false;
        bool readable = true; // false when the file is there but could not be read
    };

    Loaded load(RegRoot root) const;
    // Reads the file under the lock, lets `change` edit the keys and writes the result back. `change` returns
    // false when nothing needs writing.
    template<typename Change>
    long modify(RegRoot root, Change change);
    long replaceFile(RegRoot root, const Loaded& loaded) const;

    std::string folder_;
    RegHandleTable handles_;
};

} // namespace quorrin
