#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace quorrin {

// The record of one found directory entry. The name is a fixed field; the text ends at the first NUL.
struct FindData
{
    char cFileName[260];
};

using SearchHandle = std::intptr_t;
constexpr SearchHandle kInvalidSearch = -1;

// Attribute bits as the directory search reports them.
constexpr std::uint32_t kInvalidFileAttributes = 0xFFFFFFFF; // the query failed: every bit set
constexpr std::uint32_t kFileAttributeDirectory = 16;
constexpr std::uint32_t kFileAttributeNormal = 128;

// Enumerates the entries of one folder, one at a time, the way the platform's file search does.
class FileSearch
{
public:
    virtual ~FileSearch() = default;

    // Starts a search for `pattern` (a folder, a separator and a name pattern such as "*") and fills `data`
    // with the first entry. Returns kInvalidSearch when the folder cannot be read or nothing matches.
    virtual SearchHandle findFirst(const std::string& pattern, FindData& data) = 0;
    // Fills `data` with the next entry; false when there is none.
    virtual bool findNext(SearchHandle search, FindData& data) = 0;
    virtual void findClose(SearchHandle search) = 0;

    // The attribute bits of a path; kInvalidFileAttributes when they cannot be read.
    virtual std::uint32_t getFileAttributes(const std::string& path) = 0;
};

// The directory search of the machine.
std::unique_ptr<FileSearch> createFileSearch();

} // namespace quorrin
