#include "app/FriendsReader.h"

#include "app/MainState.h"
#include "app/MainView.h"
#include "base/Int16.h"
#include "base/Paths.h"
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

constexpr std::string_view kSourceSide = "SourceList";
constexpr std::string_view kTargetSide = "TargetList";

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

const KnownLine* findKnownLine(std::string_view line)
{
    const auto found = std::find_if(kKnownLines.begin(), kKnownLines.end(),
                                    [&](const KnownLine& k) { return k.line == line; });
    return found == kKnownLines.end() ? nullptr : &*found;
}

} // namespace

FriendsReader::FriendsReader(MainState& state, MainView& view, FileSystem& files)
    : state_(state), view_(view), files_(files)
{}

FriendsList* FriendsReader::sideList(std::string_view side, MainPart& part)
{
    if (side == kSourceSide) {
        part = MainPart::SourceListZoneNames;
        return &state_.SourceListZoneNames;
    }
    if (side == kTargetSide) {
        part = MainPart::TargetListZoneNames;
        return &state_.TargetListZoneNames;
    }
    return nullptr;
}

void FriendsReader::SourceList_Click()
{
    selectionChanged(state_.SourceList, "Source", "SourceList");
}

void FriendsReader::TargetList_Click()
{
    selectionChanged(state_.TargetList, "Target", "TargetList");
}

void FriendsReader::selectionChanged(const ZoneNameBox& box, const char* selectedLabel, const char* side)
{
    const std::string name = box.selectedName();
    const std::string sideText(side);
    state_.DebugList.add(std::string(selectedLabel) + " Item Selected : " + name);
    state_.DebugList.add("Clearing " + sideText + "ZoneNames");
    MainPart part{};
    sideList(sideText, part)->clear();
    view_.stateChanged(part);
    ReadFriendsList(name, sideText);
}

void FriendsReader::ReadFriendsList(const std::string& zoneName, const std::string& side)
{
    if (zoneName.empty())
        return;
    view_.setTimer1Enabled(false);

    MainPart part{};
    FriendsList* const list = sideList(side, part);

    const bool complete = readInto(zoneName, list, part);
    if (list != nullptr) {
        list->lastReadFailed = !complete;
        if (complete && side == kSourceSide)
            std::fill(list->checked.begin(), list->checked.end(), true);
    }

    // The read has ended either way: what remains must not raise, so the timer always comes back on.
    try {
        if (list != nullptr)
            view_.stateChanged(part);
    } catch (...) {
    }
    view_.setTimer1Enabled(true);
}

bool FriendsReader::readInto(const std::string& zoneName, FriendsList* list, MainPart part)
{
    std::unique_ptr<std::istream> file;
    try {
        if (list != nullptr) {
            list->clear();
            view_.stateChanged(part);
        }
        const std::string path = joinPath(joinPath(state_.ZonePath, zoneName), kFriendsFileName);
        state_.DebugList.add("Scanning for Friends @ " + path);
        state_.DebugList.add("Opening Friends List");
        file = files_.openForReading(path);
        state_.DebugList.add("Succes !");
        state_.DebugList.add("Starting to Read Friends List");

        std::int16_t count = 0;
        LineReader reader(*file);
        std::string line;
        while (reader.readLine(line)) {
            if (const KnownLine* known = findKnownLine(line)) {
                state_.DebugList.add(std::string(known->logLine));
                continue;
            }
            count = addInt16(count, 1); // the 32,768th entry raises Overflow before it is added
            if (list != nullptr)
                list->append(line);
        }
        state_.DebugList.add("Found EOF");
        state_.DebugList.add("Done Reading");
        state_.DebugList.add("Found :" + std::to_string(count) + " Friends");
        state_.DebugList.add("Closing Friends List");
        file.reset();
        return true;
    } catch (...) {
        // Whatever went wrong, the read ends with the notice lines; nothing of it reaches the caller.
        try {
            state_.DebugList.add("Possible Damaged File Found");
            if (list != nullptr) {
                list->append("Friends.txt is damaged");
                list->append("This will be repaired");
                list->append("Automatically");
            }
        } catch (...) {
        }
        file.reset();
        return false;
    }
}

} // namespace quorrin
