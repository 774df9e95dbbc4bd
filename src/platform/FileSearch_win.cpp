#include "platform/FileSearch.h"

#include <cstring>
#include <windows.h>

namespace quorrin {

namespace {

static_assert(sizeof(FindData::cFileName) == sizeof(WIN32_FIND_DATAA::cFileName));

// The whole fixed name field is handed on; its text ends at the first NUL.
void copyName(const WIN32_FIND_DATAA& found, FindData& data)
{
    std::memcpy(data.cFileName, found.cFileName, sizeof data.cFileName);
}

HANDLE toHandle(SearchHandle search)
{
    return reinterpret_cast<HANDLE>(search);
}

class Win32FileSearch final : public FileSearch
{
public:
    SearchHandle findFirst(const std::string& pattern, FindData& data) override
    {
        WIN32_FIND_DATAA found{};
        // The invalid handle value has every bit set, as kInvalidSearch does.
        const auto search = reinterpret_cast<SearchHandle>(::FindFirstFileA(pattern.c_str(), &found));
        if (search != kInvalidSearch)
            copyName(found, data);
        return search;
    }

    bool findNext(SearchHandle search, FindData& data) override
    {
        WIN32_FIND_DATAA found{};
        if (::FindNextFileA(toHandle(search), &found) == 0)
            return false;
        copyName(found, data);
        return true;
    }

    void findClose(SearchHandle search) override { ::FindClose(toHandle(search)); }

    std::uint32_t getFileAttributes(const std::string& path) override
    {
        static_assert(INVALID_FILE_ATTRIBUTES == kInvalidFileAttributes);
        static_assert(FILE_ATTRIBUTE_DIRECTORY == kFileAttributeDirectory);
        return ::GetFileAttributesA(path.c_str());
    }
};

} // namespace

std::unique_ptr<FileSearch> createFileSearch()
{
    return std::make_unique<Win32FileSearch>();
}

} // namespace quorrin
