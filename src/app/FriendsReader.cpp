#include "app/FriendsReader.h"

#include "app/MainState.h"
#include "app/MainView.h"
#include "base/Paths.h"
#include "friends/FriendsFile.h"
#include "friends/FriendsListFormat.h"

#include <algorithm>

namespace quorrin {

namespace {

MainPart friendsPart(Side side)
{
    return side == Side::Source ? MainPart::SourceListZoneNames : MainPart::TargetListZoneNames;
}

} // namespace

FriendsReader::FriendsReader(MainState& state, MainView& view, FileSystem& files)
    : state_(state), view_(view), files_(files)
{}

FriendsList& FriendsReader::friendsOf(Side side)
{
    return side == Side::Source ? state_.SourceListZoneNames : state_.TargetListZoneNames;
}

void FriendsReader::SourceList_Click()
{
    selectionChanged(Side::Source, "Source");
}

void FriendsReader::TargetList_Click()
{
    selectionChanged(Side::Target, "Target");
}

void FriendsReader::selectionChanged(Side side, const char* selectedLabel)
{
    const ZoneNameBox& box = side == Side::Source ? state_.SourceList : state_.TargetList;
    const std::string name = box.selectedName();
    state_.DebugList.add(std::string(selectedLabel) + " Item Selected : " + name);
    state_.DebugList.add("Clearing " + std::string(sideText(side)) + "ZoneNames");
    friendsOf(side).clear();
    view_.stateChanged(friendsPart(side));
    ReadFriendsList(name, side);
}

void FriendsReader::ReadFriendsList(const std::string& zoneName, Side side)
{
    if (zoneName.empty())
        return;
    view_.setTimer1Enabled(false);

    FriendsList& list = friendsOf(side);
    const bool complete = readInto(zoneName, side);
    list.lastReadFailed = !complete;
    if (complete && side == Side::Source)
        std::fill(list.checked.begin(), list.checked.end(), true);

    // The read has ended either way: what remains must not raise, so the timer always comes back on.
    try {
        view_.stateChanged(friendsPart(side));
    } catch (...) {
    }
    view_.setTimer1Enabled(true);
}

bool FriendsReader::readInto(const std::string& zoneName, Side side)
{
    FriendsList& list = friendsOf(side);
    bool complete = false;
    try {
        list.clear();
        view_.stateChanged(friendsPart(side));
        const std::string path = joinPath(joinPath(state_.ZonePath, zoneName), kFriendsFileName);
        complete = readFriendsFile(files_, path, state_.DebugList, list.entries);
    } catch (...) {
        markDamaged(state_.DebugList, list.entries);
    }
    // Entries come unchecked; a complete source read checks them all afterwards.
    list.checked.assign(list.entries.size(), false);
    return complete;
}

} // namespace quorrin
