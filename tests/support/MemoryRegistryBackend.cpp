#include "support/MemoryRegistryBackend.h"

namespace quorrin {

long MemoryRegistryBackend::openKey(RegRoot root, const std::string& keyPath, std::uint32_t access,
                                    RegHandle& key)
{
    openAccess_.push_back(access);
    std::string name = fullKeyName(root, keyPath);
    if (!keys_.keyExists(name)) {
        key = kNoRegHandle;
        return kRegFileNotFound;
    }
    key = handles_.open(root, std::move(name));
    ++openCount_;
    return kRegSuccess;
}

long MemoryRegistryBackend::createKey(RegRoot root, const std::string& keyPath, std::uint32_t, RegHandle& key)
{
    std::string name = fullKeyName(root, keyPath);
    keys_.addKey(name);
    key = handles_.open(root, std::move(name));
    ++openCount_;
    return kRegSuccess;
}

long MemoryRegistryBackend::queryValue(RegHandle key, const std::string& valueName, std::uint32_t* type,
                                       std::uint8_t* data, std::uint32_t* size)
{
    const RegOpenKey* open = handles_.find(key);
    if (!open)
        return kRegInvalidHandle;
    return copyValueOut(keys_.findValue(open->fullName, valueName), type, data, size);
}

long MemoryRegistryBackend::setValue(RegHandle key, const std::string& valueName, std::uint32_t type,
                                     const std::uint8_t* data, std::uint32_t size)
{
    const RegOpenKey* open = handles_.find(key);
    if (!open)
        return kRegInvalidHandle;
    if (!data && size > 0)
        return kRegInvalidParameter;
    keys_.setValue(open->fullName, valueName, type,
                   data ? std::string(reinterpret_cast<const char*>(data), size) : std::string());
    writes_.push_back(keys_.findKey(open->fullName)->name + '\\' + valueName);
    return kRegSuccess;
}

long MemoryRegistryBackend::closeKey(RegHandle key)
{
    if (!handles_.close(key))
        return kRegInvalidHandle;
    --openCount_;
    return kRegSuccess;
}

void MemoryRegistryBackend::putText(RegRoot root, const std::string& keyPath, const std::string& valueName,
                                    const std::string& text)
{
    keys_.setValue(fullKeyName(root, keyPath), valueName, static_cast<std::uint32_t>(RegType::Sz),
                   text + '\0');
}

std::optional<std::string> MemoryRegistryBackend::text(RegRoot root, const std::string& keyPath,
                                                       const std::string& valueName) const
{
    const RegStoredValue* stored = keys_.findValue(fullKeyName(root, keyPath), valueName);
    if (!stored || stored->type != static_cast<std::uint32_t>(RegType::Sz))
        return std::nullopt;
    return stored->data.empty() ? std::string() : stored->data.substr(0, stored->data.size() - 1);
}

} // namespace quorrin
