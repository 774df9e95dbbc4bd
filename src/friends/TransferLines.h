#pragma once

#include "friends/FriendsEntries.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin {

class FileSystem;
class LogSink;

// The lines a transfer writes to the target's Friends.txt, built in two steps around the user's consent:
// first the [Friends] tag and the chosen source entries, then the target's own entries and the closing tags.
// The list holds at most as many lines as any list of the program: one more raises RuntimeError Overflow.
//
// The lines view the entries they come from, which are not copied: the source and the target lists must
// stay unchanged for as long as the lines are used (lists passed as temporaries are refused).
class TransferLines
{
public:
    explicit TransferLines(std::vector<std::string_view>& lines) : lines_(lines) {}

    // Clears the list, then adds the [Friends] tag and every checked source entry that differs, byte for
    // byte, from each target entry, in source order. Source entries are not compared with each other.
    void addChosen(const FriendsEntries& source, const std::vector<bool>& checked,
                   const FriendsEntries& target, LogSink& log);
    void addChosen(FriendsEntries&& source, const std::vector<bool>& checked, const FriendsEntries& target,
                   LogSink& log) = delete;
    // The target's entries, then a blank line, [#Watchers Allowed], a blank line, [#Watchers Not Allowed].
    void addTargetAndTags(const FriendsEntries& target, LogSink& log);
    void addTargetAndTags(FriendsEntries&& target, LogSink& log) = delete;

    // `line` must outlive the list.
    void append(std::string_view line);

private:
    // Room for that many more lines, up to the limit, so that the list grows once.
    void reserveFor(std::size_t moreLines);

    std::vector<std::string_view>& lines_;
};

// Copies the target file to its backup (the name with "Backup" added), then rewrites the target in place with
// `lines`, each ended by CR LF. Raises when the copy or a write fails; the backup is whole before the target
// is touched.
void writeWithBackup(FileSystem& files, const std::string& targetPath,
                     const std::vector<std::string_view>& lines, LogSink& log);

} // namespace quorrin
