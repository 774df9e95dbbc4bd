#pragma once

#include "base/DiagnosticLog.h"
#include "friends/FriendsEntries.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin {

// A Zone Name combo box: its names and the selected position (-1: none picked).
struct ZoneNameBox
{
    std::vector<std::string> items;
    int selected = -1;

    // The name at the selected position; empty when none is selected.
    std::string selectedName() const
    {
        return selected >= 0 && static_cast<std::size_t>(selected) < items.size() ? items[selected]
                                                                                  : std::string();
    }
};

// A friends list box: entries in file order, a check mark per entry (used on the source side only), and
// whether the last read of that side failed (the entries then end in the damaged-file notice lines).
struct FriendsList
{
    FriendsEntries entries;
    std::vector<bool> checked;
    bool lastReadFailed = false;

    void clear()
    {
        entries.clear();
        checked.clear();
    }
    void append(std::string_view entry)
    {
        entries.push_back(entry);
        checked.push_back(false);
    }
    std::size_t size() const { return entries.size(); }
};

// The working data of the main window, owned for the whole run. The window shows it; the procedures change
// it. Texts are 8-bit byte strings, kept and compared byte for byte.
struct MainState
{
    std::string ZonePath;
    std::int16_t TotalTransfers = 0;
    std::int16_t TotalNameMoves = 0;
    std::string Label3Caption = "0"; // shows TotalTransfers
    std::string Label5Caption = "0"; // shows TotalNameMoves

    ZoneNameBox SourceList;
    ZoneNameBox TargetList;
    FriendsList SourceListZoneNames;
    FriendsList TargetListZoneNames;
    // The lines a transfer writes, viewing the two friends lists' entries and the tags: filled and emptied
    // within one transfer, while neither list changes. Never shown.
    std::vector<std::string_view> TransferList;

    DiagnosticLog DebugList;

    // The mode: exactly one of the two menu check marks, and the log's visibility.
    bool mnuNormalChecked = true;
    bool mnuDeveloperChecked = false;
    bool DebugListVisible = false;
};

} // namespace quorrin
