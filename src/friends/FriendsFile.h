#pragma once

#include "friends/FriendsEntries.h"

#include <string>

namespace quorrin {

class FileSystem;
class LogSink;

// Reads the Friends.txt at `path` into `entries`, appended in file order: every line but the section tags
// and blank lines, which are logged instead. Each step is logged as it is taken. Never raises: a file that
// cannot be opened or read completely logs the damaged-file line and gets the damaged-file notice appended
// after whatever entries were read; false then.
bool readFriendsFile(FileSystem& files, const std::string& path, LogSink& log, FriendsEntries& entries);

// The damaged-file ending of a read: the log line, then the three notice lines after `entries`. Never raises.
void markDamaged(LogSink& log, FriendsEntries& entries);

} // namespace quorrin
