#include "friends/ZoneNameListing.h"

#include "base/Paths.h"
#include "friends/StripNulls.h"
#include "platform/FileSearch.h"

namespace quorrin {

std::string withTrailingSeparator(std::string folder)
{
    if (folder.empty() || folder.back() != kPathSeparator)
        folder += kPathSeparator;
    return folder;
}

std::string entryName(const FindData& data)
{
    std::string name(data.cFileName, sizeof data.cFileName);
    StripNulls(name);
    return name;
}

bool isDotEntry(const std::string& name)
{
    return name == "." || name == "..";
}

bool isFolder(std::uint32_t attributes)
{
    return (attributes & kFileAttributeDirectory) != 0;
}

} // namespace quorrin
