#pragma once

#include "friends/Side.h"

#include <string>

namespace quorrin {

class FileSystem;
class MainView;
struct FriendsList;
struct MainState;
struct ZoneNameBox;

// Reads a Zone Name's Friends.txt into the friends list of one side, and handles a pick in either Zone Name
// box.
class FriendsReader
{
public:
    FriendsReader(MainState& state, MainView& view, FileSystem& files);

    // Fills the side's list with the entries of the Zone Name's Friends.txt; the source side's entries are
    // all checked. A failed read ends in the damaged-file notice lines and is not passed on.
    void ReadFriendsList(const std::string& zoneName, Side side);

    // A Zone Name was picked: the box's `selected` is already set.
    void SourceList_Click();
    void TargetList_Click();

private:
    FriendsList& friendsOf(Side side);
    void selectionChanged(Side side, const char* selectedLabel);
    // Steps from clearing the list to closing the file; false when the read failed.
    bool readInto(const std::string& zoneName, Side side);

    MainState& state_;
    MainView& view_;
    FileSystem& files_;
};

} // namespace quorrin
