#pragma once

#include <string>
#include <string_view>

namespace quorrin {

enum class MainPart;
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

    // Fills the side's list ("SourceList" or "TargetList"; any other side reads and logs only) with the
    // entries of the Zone Name's Friends.txt. A failed read ends in the damaged-file notice lines and is not
    // passed on.
    void ReadFriendsList(const std::string& zoneName, const std::string& side);

    // A Zone Name was picked: the box's `selected` is already set.
    void SourceList_Click();
    void TargetList_Click();

private:
    // The list of a side, and its part of the window; null for a side of any other text.
    FriendsList* sideList(std::string_view side, MainPart& part);
    void selectionChanged(const ZoneNameBox& box, const char* selectedLabel, const char* side);
    // Steps from clearing the list to closing the file; false when the read failed.
    bool readInto(const std::string& zoneName, FriendsList* list, MainPart part);

    MainState& state_;
    MainView& view_;
    FileSystem& files_;
};

} // namespace quorrin
