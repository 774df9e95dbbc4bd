#include "friends/TransferLines.h"

#include "base/LogSink.h"
#include "base/RuntimeError.h"
#include "friends/FriendsListFormat.h"
#include "platform/FileSystem.h"

#include <ostream>
#include <string_view>
#include <unordered_set>

namespace quorrin {

void TransferLines::append(std::string line)
{
    if (lines_.size() >= kMaxFriendsEntries)
        throw RuntimeError(ErrorNumber::Overflow);
    lines_.push_back(std::move(line));
}

void TransferLines::addChosen(const std::vector<std::string>& source, const std::vector<bool>& checked,
                              const std::vector<std::string>& target, LogSink& log)
{
    lines_.clear();
    append(std::string(kFriendsTag));
    log.add("Added [Friends] Tag");

    // A hash set keeps choosing linear at any list size.
    const std::unordered_set<std::string_view> targetNames(target.begin(), target.end());
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (checked[i] && !targetNames.contains(source[i]))
            append(source[i]);
    }
}

void TransferLines::addTargetAndTags(const std::vector<std::string>& target, LogSink& log)
{
    for (const auto& entry : target)
        append(entry);
    append({});
    log.add("Whitespace added");
    append(std::string(kWatchersAllowedTag));
    log.add("[#Watchers Allowed] Tag Added");
    append({});
    log.add("Whitespace added");
    append(std::string(kWatchersNotAllowedTag));
    log.add("[#Watchers Not Allowed] Tag Added");
}

void writeWithBackup(FileSystem& files, const std::string& targetPath, const std::vector<std::string>& lines,
                     LogSink& log)
{
    log.add("Backing up Target File");
    files.copyFile(targetPath, targetPath + "Backup");
    log.add("Succes !");

    // Rewritten in place, only now that the backup is whole.
    log.add("Opening Target File");
    const auto out = files.openForWriting(targetPath);
    for (const auto& line : lines) {
        out->write(line.data(), static_cast<std::streamsize>(line.size()));
        out->write("\r\n", 2);
        if (!*out)
            throw RuntimeError(ErrorNumber::DeviceIoError);
    }
    out->flush();
    if (!*out)
        throw RuntimeError(ErrorNumber::DeviceIoError);
}

} // namespace quorrin
