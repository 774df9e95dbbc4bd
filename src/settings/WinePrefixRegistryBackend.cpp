#include "settings/WinePrefixRegistryBackend.h"

#include "platform/FileSystem.h"
#include "settings/RegKeys.h"
#include "settings/Schema.h"
#include "settings/WineRegistryFile.h"

#include <istream>

namespace quorrin {

namespace fs = std::filesystem;

namespace {

constexpr schema::Value kAnswered = schema::kZoneClientPath;

std::u16string widened(std::string_view ascii)
{
    return {ascii.begin(), ascii.end()};
}

// The prefix's machine-wide registry, when it reads completely.
std::optional<WineRegistryFile> readSystemRegistry(const fs::path& prefix)
{
    try {
        // Only a regular file is opened, and without blocking: a FIFO under the name must not hang the start.
        const auto in = createLocalFileSystem()->openForReading((prefix / "system.reg").string());
        std::string text;
        char chunk[65536];
        while (text.size() <= WinePrefixRegistryBackend::kMaxFileSize &&
               in->read(chunk, sizeof chunk).gcount() > 0)
            text.append(chunk, static_cast<std::size_t>(in->gcount()));
        if (in->bad() || text.size() > WinePrefixRegistryBackend::kMaxFileSize)
            return std::nullopt;
        return WineRegistryFile::parse(text);
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<std::string> clientPathIn(const fs::path& prefix)
{
    const auto registry = readSystemRegistry(prefix);
    if (!registry)
        return std::nullopt;
    const WineRegValue* value = registry->find32BitValue(widened(kAnswered.key), widened(kAnswered.name));
    // A REG_EXPAND_SZ is taken as it is written: the client's installer writes a plain path.
    const bool text = value && value->quoted &&
                      (value->type == static_cast<std::uint32_t>(RegType::Sz) ||
                       value->type == static_cast<std::uint32_t>(RegType::ExpandSz));
    if (!text || value->text.empty())
        return std::nullopt;
    return unixPathInPrefix(prefix, value->text);
}

} // namespace

WinePrefixRegistryBackend::WinePrefixRegistryBackend(WinePrefixSearch search,
                                                     std::unique_ptr<RegistryBackend> next)
    : search_(std::move(search)), next_(std::move(next))
{}

std::optional<std::string> WinePrefixRegistryBackend::zoneClientPath() const
{
    for (const auto& prefix : search_.prefixes())
        if (auto path = clientPathIn(prefix))
            return path;
    return std::nullopt;
}

RegHandle WinePrefixRegistryBackend::remember(OpenKey open)
{
    const RegHandle handle = nextHandle_++;
    open_.emplace(handle, std::move(open));
    return handle;
}

long WinePrefixRegistryBackend::openKey(RegRoot root, const std::string& keyPath, std::uint32_t access,
                                        RegHandle& key)
{
    OpenKey open;
    const long status = next_->openKey(root, keyPath, access, open.next);
    if (status != kRegSuccess)
        open.next = kNoRegHandle;
    if (root == kAnswered.root && sameRegName(keyPath, kAnswered.key))
        open.clientPath = zoneClientPath();
    if (status != kRegSuccess && !open.clientPath) {
        key = kNoRegHandle;
        return status;
    }
    key = remember(std::move(open));
    return kRegSuccess;
}

long WinePrefixRegistryBackend::createKey(RegRoot root, const std::string& keyPath, std::uint32_t access,
                                          RegHandle& key)
{
    OpenKey open;
    const long status = next_->createKey(root, keyPath, access, open.next);
    key = status == kRegSuccess ? remember(std::move(open)) : kNoRegHandle;
    return status;
}

long WinePrefixRegistryBackend::queryValue(RegHandle key, const std::string& valueName, std::uint32_t* type,
                                           std::uint8_t* data, std::uint32_t* size)
{
    const auto found = open_.find(key);
    if (found == open_.end())
        return kRegInvalidHandle;
    const OpenKey& open = found->second;
    if (open.clientPath && sameRegName(valueName, kAnswered.name)) {
        const RegStoredValue value{valueName, static_cast<std::uint32_t>(RegType::Sz),
                                   *open.clientPath + '\0'};
        return copyValueOut(&value, type, data, size);
    }
    if (open.next == kNoRegHandle)
        return kRegFileNotFound;
    return next_->queryValue(open.next, valueName, type, data, size);
}

long WinePrefixRegistryBackend::setValue(RegHandle key, const std::string& valueName, std::uint32_t type,
                                         const std::uint8_t* data, std::uint32_t size)
{
    const auto found = open_.find(key);
    if (found == open_.end())
        return kRegInvalidHandle;
    if (found->second.next == kNoRegHandle)
        return kRegAccessDenied;
    return next_->setValue(found->second.next, valueName, type, data, size);
}

long WinePrefixRegistryBackend::closeKey(RegHandle key)
{
    const auto found = open_.find(key);
    if (found == open_.end())
        return kRegInvalidHandle;
    if (found->second.next != kNoRegHandle)
        next_->closeKey(found->second.next);
    open_.erase(found);
    return kRegSuccess;
}

} // namespace quorrin
