#pragma once

#include "settings/RegistryBackend.h"
#include "settings/RegKeys.h"

#include <optional>
#include <string>
#include <vector>

namespace quorrin {

// A store held in memory, for tests: both roots are readable and writable.
class MemoryRegistryBackend : public RegistryBackend
{
public:
    long openKey(RegRoot root, const std::string& keyPath, std::uint32_t access, RegHandle& key) override;
    long createKey(RegRoot root, const std::string& keyPath, std::uint32_t access, RegHandle& key) override;
    long queryValue(RegHandle key, const std::string& valueName, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override;
    long setValue(RegHandle key, const std::string& valueName, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override;
    long closeKey(RegHandle key) override;

    // Shortcuts for setting up and checking a test's store. Texts are stored as REG_SZ with their NUL.
    void putText(RegRoot root, const std::string& keyPath, const std::string& valueName,
                 const std::string& text);
    // The text of a REG_SZ value without its NUL; nothing when missing or of another type.
    std::optional<std::string> text(RegRoot root, const std::string& keyPath,
                                    const std::string& valueName) const;

    // Every successful setValue in order, as "full key name\value name".
    const std::vector<std::string>& writes() const { return writes_; }
    // Handles opened and not closed yet.
    int openHandles() const { return openCount_; }
    // The access each openKey asked for, in order.
    const std::vector<std::uint32_t>& openAccess() const { return openAccess_; }

private:
    RegKeyList keys_;
    RegHandleTable handles_;
    std::vector<std::string> writes_;
    std::vector<std::uint32_t> openAccess_;
    int openCount_ = 0;
};

} // namespace quorrin
