#pragma once

#include "app/MainState.h"

#include <windows.h>

namespace quorrin::win32 {

// A friends list shown by a virtual list view: the view asks for each visible entry and its check mark, so
// filling it with 32,767 entries costs nothing. The check marks are the core's; a click on an entry's check
// box or Space on the focused entry toggles it. Space is taken before the list view sees it: its own check
// box and selection handling has nothing to do in a list whose check marks are the owner's, and for an
// owner-data list it visits every entry (under Wine, twice over all 32,767).
class FriendsListView
{
public:
    FriendsListView(FriendsList& list, bool checkable) : list_(list), checkable_(checkable) {}

    HWND create(HWND parent, const RECT& pixels, int id);
    HWND hwnd() const { return hwnd_; }

    // The core's list changed: shows its entries anew at the message loop's next turn. The core empties a
    // list and fills it again in one step; telling the list view each time would hide its scroll bar and show
    // it again, painting it twice, so the news waits for a kApplyReload message posted to the top-level
    // window (posted messages come before any paint, and a message box's loop delivers them too) and is told
    // once.
    void reload();
    // Tells the list view now what reload() left waiting, if anything; the window calls it on kApplyReload.
    void applyReload();
    static constexpr UINT kApplyReload = WM_APP + 1;
    // The list view's notifications; true when handled, with the answer in `result`.
    bool handleNotify(const NMHDR& header, LRESULT& result);
    void setColours(COLORREF background, COLORREF text);
    void fitColumn();

private:
    static LRESULT CALLBACK keyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void toggle(int index);
    void tellListView();

    FriendsList& list_;
    bool checkable_;
    HWND hwnd_ = nullptr;
    WNDPROC listViewProc_ = nullptr;
    bool reloadWaiting_ = false;
};

} // namespace quorrin::win32
