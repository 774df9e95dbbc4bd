#include "friends/TransferLines.h"

#include "base/LogSink.h"
#include "base/RuntimeError.h"
#include "friends/CopyBytes.h"
#include "friends/FriendsListFormat.h"
#include "friends/NameSet.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <memory>
#include <ostream>

namespace quorrin {

namespace {

constexpr std::size_t kWriteBlockSize = 64 * 1024;

// Out of line, so that the check before each appended line stays small enough to be inlined.
[[noreturn, gnu::noinline]] void throwOverflow()
{
    throw RuntimeError(ErrorNumber::Overflow);
}

// Writes every line with CR LF after it, in blocks: a stream call per line costs more than its bytes.
void writeLines(std::ostream& out, const std::vector<std::string_view>& lines)
{
    const auto write = [&out](const char* data, std::size_t size) {
        out.write(data, static_cast<std::streamsize>(size));
        if (!out)
            throw RuntimeError(ErrorNumber::DeviceIoError);
    };
    const auto block = std::make_unique_for_overwrite<char[]>(kWriteBlockSize);
    std::size_t used = 0;
    for (const auto& line : lines) {
        const std::size_t size = line.size() + 2;
        if (size > kWriteBlockSize - used) {
            write(block.get(), used);
            used = 0;
            if (size > kWriteBlockSize) { // a line longer than a block goes out on its own
                write(line.data(), line.size());
                write("\r\n", 2);
                continue;
            }
        }
        copyBytes(block.get() + used, line.data(), line.size()); // an empty view may have no data at all
        block[used + line.size()] = '\r';
        block[used + line.size() + 1] = '\n';
        used += size;
    }
    write(block.get(), used);
}

} // namespace

void TransferLines::append(std::string_view line)
{
    if (lines_.size() >= kMaxFriendsEntries) [[unlikely]]
        throwOverflow();
    lines_.push_back(line);
}

void TransferLines::reserveFor(std::size_t moreLines)
{
    lines_.reserve(std::min(kMaxFriendsEntries, lines_.size() + moreLines));
}

void TransferLines::addChosen(const FriendsEntries& source, const std::vector<bool>& checked,
                              const FriendsEntries& target, LogSink& log)
{
    lines_.clear();
    reserveFor(1 + source.size() + target.size() + 4); // the target's lines follow once the user agrees
    append(kFriendsTag);
    log.add("Added [Friends] Tag");

    // A hash set keeps choosing linear at any list size.
    const NameSet targetNames(target);
    // Both walked in step: indexing a vector<bool> costs a division and a shift per entry.
    auto isChecked = checked.begin();
    for (const std::string_view entry : source) {
        if (*isChecked++ && !targetNames.contains(entry))
            append(entry);
    }
}

void TransferLines::addTargetAndTags(const FriendsEntries& target, LogSink& log)
{
    reserveFor(target.size() + 4);
    // Without a check per line where they all fit; else one by one up to the limit, where Overflow is raised.
    if (lines_.size() + target.size() <= kMaxFriendsEntries) {
        for (const std::string_view entry : target)
            lines_.push_back(entry);
    } else {
        for (const std::string_view entry : target)
            append(entry);
    }
    append({});
    log.add("Whitespace added");
    append(kWatchersAllowedTag);
    log.add("[#Watchers Allowed] Tag Added");
    append({});
    log.add("Whitespace added");
    append(kWatchersNotAllowedTag);
    log.add("[#Watchers Not Allowed] Tag Added");
}

void writeWithBackup(FileSystem& files, const std::string& targetPath,
                     const std::vector<std::string_view>& lines, LogSink& log)
{
    log.add("Backing up Target File");
    files.copyFile(targetPath, targetPath + "Backup");
    log.add("Succes !");

    // Rewritten in place, only now that the backup is whole.
    log.add("Opening Target File");
    const auto out = files.openForWriting(targetPath);
    writeLines(*out, lines);
    out->flush();
    if (!*out)
        throw RuntimeError(ErrorNumber::DeviceIoError);
}

} // namespace quorrin
