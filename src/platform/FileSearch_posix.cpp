#include "platform/FileSearch.h"

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fnmatch.h>
#include <map>
#include <sys/stat.h>

namespace quorrin {

namespace {

// Splits "folder/pattern" into the folder to open and the name pattern its entries must match.
void splitPattern(const std::string& pattern, std::string& folder, std::string& namePattern)
{
    const std::size_t slash = pattern.rfind('/');
    if (slash == std::string::npos) {
        folder = ".";
        namePattern = pattern;
    } else {
        folder = slash == 0 ? "/" : pattern.substr(0, slash);
        namePattern = pattern.substr(slash + 1);
    }
}

void copyName(const char* name, FindData& data)
{
    const std::size_t length = std::min(std::strlen(name), sizeof data.cFileName - 1);
    std::memcpy(data.cFileName, name, length);
    data.cFileName[length] = '\0';
}

class PosixFileSearch final : public FileSearch
{
public:
    ~PosixFileSearch() override
    {
        for (auto& open : searches_)
            closedir(open.second.directory);
    }

    SearchHandle findFirst(const std::string& pattern, FindData& data) override
    {
        Search search;
        std::string folder;
        splitPattern(pattern, folder, search.namePattern);
        search.directory = opendir(folder.c_str());
        if (search.directory == nullptr)
            return kInvalidSearch;
        if (!nextMatch(search, data)) {
            closedir(search.directory);
            return kInvalidSearch;
        }
        const SearchHandle handle = nextHandle_++;
        searches_.emplace(handle, std::move(search));
        return handle;
    }

    bool findNext(SearchHandle handle, FindData& data) override
    {
        const auto found = searches_.find(handle);
        return found != searches_.end() && nextMatch(found->second, data);
    }

    void findClose(SearchHandle handle) override
    {
        const auto found = searches_.find(handle);
        if (found == searches_.end())
            return;
        closedir(found->second.directory);
        searches_.erase(found);
    }

    std::uint32_t getFileAttributes(const std::string& path) override
    {
        struct stat info
        {};
        if (stat(path.c_str(), &info) != 0)
            return kInvalidFileAttributes;
        return S_ISDIR(info.st_mode) ? kFileAttributeDirectory : kFileAttributeNormal;
    }

private:
    struct Search
    {
        DIR* directory = nullptr;
        std::string namePattern;
    };

    // "." and ".." and names with a leading dot are entries like any other, as on Windows.
    static bool nextMatch(Search& search, FindData& data)
    {
        while (const dirent* entry = readdir(search.directory)) {
            if (fnmatch(search.namePattern.c_str(), entry->d_name, 0) == 0) {
                copyName(entry->d_name, data);
                return true;
            }
        }
        return false;
    }

    std::map<SearchHandle, Search> searches_;
    SearchHandle nextHandle_ = 1;
};

} // namespace

std::unique_ptr<FileSearch> createFileSearch()
{
    return std::make_unique<PosixFileSearch>();
}

} // namespace quorrin
