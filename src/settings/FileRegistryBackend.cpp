#include "settings/FileRegistryBackend.h"

#include "platform/FileSync.h"
#include "platform/LockFile.h"

#include <chrono>
#include <filesystem>
#include <fstream>

namespace quorrin {

namespace fs = std::filesystem;

namespace {

std::string twoDigits(unsigned value)
{
    return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

// "YYYYMMDD-HHMMSS" in UTC.
std::string timeStamp()
{
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    const auto day = std::chrono::floor<std::chrono::days>(now);
    const std::chrono::year_month_day date(day);
    const std::chrono::hh_mm_ss time(now - day);
    return std::to_string(static_cast<int>(date.year())) + twoDigits(static_cast<unsigned>(date.month())) +
           twoDigits(static_cast<unsigned>(date.day())) + '-' +
           twoDigits(static_cast<unsigned>(time.hours().count())) +
           twoDigits(static_cast<unsigned>(time.minutes().count())) +
           twoDigits(static_cast<unsigned>(time.seconds().count()));
}

// Keeps a damaged file under a new name beside it, so that the next write does not destroy what it holds.
// Linked (or copied) rather than moved: if the write that follows fails, the file is still in its place.
bool keepAside(const fs::path& path)
{
    const std::string base = path.string() + ".damaged-" + timeStamp();
    std::error_code error;
    for (int attempt = 1; attempt < 1000; ++attempt) {
        const fs::path target = attempt == 1 ? base : base + '-' + std::to_string(attempt);
        if (fs::exists(target, error) || error)
            continue;
        fs::create_hard_link(path, target, error);
        if (error)
            fs::copy_file(path, target, error);
        return !error;
    }
    return false;
}

} // namespace

FileRegistryBackend::FileRegistryBackend(std::string folder) : folder_(std::move(folder)) {}

std::string FileRegistryBackend::filePath(RegRoot root) const
{
    return (fs::path(folder_) / (std::string(rootName(root)) + ".reg")).string();
}

FileRegistryBackend::Loaded FileRegistryBackend::load(RegRoot root) const
{
    Loaded loaded;
    const fs::path path = filePath(root);
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found)
        return loaded;
    loaded.exists = true;
    std::ifstream in;
    if (!error && !fs::is_directory(status))
        in.open(path, std::ios::binary);
    if (!in) {
        loaded.readable = false;
        return loaded;
    }
    std::string bytes;
    char chunk[65536];
    while (bytes.size() <= kMaxFileSize && in.read(chunk, sizeof chunk).gcount() > 0)
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        loaded.readable = false;
        return loaded;
    }
    const bool tooLarge = bytes.size() > kMaxFileSize;
    if (tooLarge)
        bytes.resize(kMaxFileSize);
    loaded.content = parseRegFile(bytes);
    if (tooLarge)
        loaded.content.complete = false;
    return loaded;
}

template<typename Change>
long FileRegistryBackend::modify(RegRoot root, Change change)
{
    if (root != RegRoot::CurrentUser)
        return kRegAccessDenied;
    std::error_code error;
    fs::create_directories(folder_, error);
    if (error)
        return kRegAccessDenied;
    const LockFile lock(filePath(root) + ".lock");
    if (!lock.locked())
        return kRegAccessDenied;
    Loaded loaded = load(root);
    // A file that is there but cannot be read is never written over.
    if (!loaded.readable)
        return kRegAccessDenied;
    if (!change(loaded.content.keys))
        return kRegSuccess;
    return replaceFile(root, loaded);
}

long FileRegistryBackend::replaceFile(RegRoot root, const Loaded& loaded) const
{
    const std::string text = writeRegFile(loaded.content.keys);
    if (text.size() > kMaxFileSize)
        return kRegWriteFault;
    const fs::path path = filePath(root);
    const fs::path temporary = path.string() + ".tmp";
    std::error_code error;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            fs::remove(temporary, error);
            return kRegWriteFault;
        }
    }
    flushToDisk(temporary);
    if (loaded.exists && !loaded.content.complete && !keepAside(path)) {
        fs::remove(temporary, error);
        return kRegWriteFault;
    }
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary, error);
        return kRegWriteFault;
    }
    return kRegSuccess;
}

long FileRegistryBackend::openKey(RegRoot root, const std::string& keyPath, std::uint32_t, RegHandle& key)
{
    std::string name = fullKeyName(root, keyPath);
    if (!load(root).content.keys.keyExists(name)) {
        key = kNoRegHandle;
        return kRegFileNotFound;
    }
    key = handles_.open(root, std::move(name));
    return kRegSuccess;
}

long FileRegistryBackend::createKey(RegRoot root, const std::string& keyPath, std::uint32_t, RegHandle& key)
{
    key = kNoRegHandle;
    std::string name = fullKeyName(root, keyPath);
    const long status =
        modify(root, [&](RegKeyList& keys) { return !keys.keyExists(name) && keys.addKey(name); });
    if (status == kRegSuccess)
        key = handles_.open(root, std::move(name));
    return status;
}

long FileRegistryBackend::queryValue(RegHandle key, const std::string& valueName, std::uint32_t* type,
                                     std::uint8_t* data, std::uint32_t* size)
{
    const RegOpenKey* open = handles_.find(key);
    if (!open)
        return kRegInvalidHandle;
    const Loaded loaded = load(open->root);
    return copyValueOut(loaded.content.keys.findValue(open->fullName, valueName), type, data, size);
}

long FileRegistryBackend::setValue(RegHandle key, const std::string& valueName, std::uint32_t type,
                                   const std::uint8_t* data, std::uint32_t size)
{
    const RegOpenKey* open = handles_.find(key);
    if (!open)
        return kRegInvalidHandle;
    if (!data && size > 0)
        return kRegInvalidParameter;
    std::string bytes = data ? std::string(reinterpret_cast<const char*>(data), size) : std::string();
    return modify(open->root, [&](RegKeyList& keys) {
        const RegStoredValue* old = keys.findValue(open->fullName, valueName);
        // Writing what is already there changes nothing on disk.
        if (old && old->type == type && old->data == bytes)
            return false;
        keys.setValue(open->fullName, valueName, type, std::move(bytes));
        return true;
    });
}

long FileRegistryBackend::closeKey(RegHandle key)
{
    return handles_.close(key) ? kRegSuccess : kRegInvalidHandle;
}

} // namespace quorrin
