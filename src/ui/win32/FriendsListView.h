#pragma once

#include "app/MainState.h"

#include <windows.h>

namespace quorrin::win32 {

// A friends list shown by a virtual list view: the view asks for each visible entry and its check mark, so
// filling it with 32,767 entries costs nothing. The check marks are the core's; a click on an entry's check
// box or Space on the focused entry toggles it.
class FriendsListView
{
public:
    FriendsListView(FriendsList& list, bool checkable) : list_(list), checkable_(checkable) {}

    HWND create(HWND parent, const RECT& pixels, int id);
    HWND hwnd() const { return hwnd_; }

    // The core's list changed: shows its entries anew.
    void reload();
    // The list view's notifications; true when handled, with the answer in `result`.
    bool handleNotify(const NMHDR& header, LRESULT& result);
    void setColours(COLORREF background, COLORREF text);
    void fitColumn();

private:
    void toggle(int index);

    FriendsList& list_;
    bool checkable_;
    HWND hwnd_ = nullptr;
};

} // namespace quorrin::win32
