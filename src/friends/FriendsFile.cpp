#include "friends/FriendsFile.h"

#include "base/Int16.h"
#include "base/LogSink.h"
#include "friends/FriendsListFormat.h"
#include "friends/LineReader.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <array>
#include <istream>
#include <memory>
#include <string_view>

namespace quorrin {

namespace {

struct KnownLine
{
    std::string_view line;
    std::string_view logLine;
};

// Lines that are no friend entry, matched whole and case-sensitively.
constexpr std::array kKnownLines{
    KnownLine{"", "Found White Space"},
    KnownLine{kFriendsTag, "Found [Friends] Tag"},
    KnownLine{kWatchersAllowedTag, "Found [#Watchers Allowed] Tag "},
    KnownLine{kWatchersNotAllowedTag, "Found [#Watchers Not Allowed] Tag"},
};

static_assert(std::all_of(kKnownLines.begin(), kKnownLines.end(),
                          [](const KnownLine& known) {
                              return known.line.empty() || known.line.front() == '[';
                          }),
              "findKnownLine looks only at lines that are empty or begin with '['");

const KnownLine* findKnownLine(std::string_view line)
{
    // Nearly every line is a friend, and every known line but the empty one begins with '['.
    if (!line.empty() && line.front() != '[')
        return nullptr;
    const auto found = std::find_if(kKnownLines.begin(), kKnownLines.end(),
                                    [&](const KnownLine& known) { return known.line == line; });
    return found == kKnownLines.end() ? nullptr : &*found;
}

} // namespace

bool readFriendsFile(FileSystem& files, const std::string& path, LogSink& log, FriendsEntries& entries)
{
    std::unique_ptr<std::istream> file;
    try {
        log.add("Scanning for Friends @ " + path);
        log.add("Opening Friends List");
        file = files.openForReading(path);
        log.add("Succes !");
        log.add("Starting to Read Friends List");

        // Room for the whole file, and for as many entries as it could hold (each takes two bytes or more) up
        // to the limit: the list then grows once, and the pages it does not fill are never touched.
        if (const std::streamsize bytes = file->rdbuf() ? file->rdbuf()->in_avail() : 0; bytes > 0)
            entries.reserve(std::min(kMaxFriendsEntries, static_cast<std::size_t>(bytes) / 2 + 1),
                            static_cast<std::size_t>(bytes));

        std::int16_t count = 0;
        LineReader reader(*file);
        std::string_view line;
        while (reader.readLine(line)) {
            if (const KnownLine* known = findKnownLine(line)) {
                log.add(std::string(known->logLine));
                continue;
            }
            count = addInt16(count, 1); // the 32,768th entry raises Overflow before it is added
            entries.push_back(line);
        }
        log.add("Found EOF");
        log.add("Done Reading");
        log.add("Found :" + std::to_string(count) + " Friends");
        log.add("Closing Friends List");
        return true;
    } catch (...) {
        // Whatever went wrong, the read ends with the notice lines; nothing of it reaches the caller.
        file.reset();
        markDamaged(log, entries);
        return false;
    }
}

void markDamaged(LogSink& log, FriendsEntries& entries)
{
    try {
        log.add("Possible Damaged File Found");
        for (const char* notice : {"Friends.txt is damaged", "This will be repaired", "Automatically"})
            entries.push_back(notice);
    } catch (...) {
    }
}

} // namespace quorrin
