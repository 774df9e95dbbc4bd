#include "ui/win32/FriendsListView.h"

#include "ui/win32/Win32Text.h"

#include <algorithm>
#include <commctrl.h>
#include <cwchar>

namespace quorrin::win32 {

namespace {

// The state images of a list with check boxes: 1 unchecked, 2 checked.
UINT checkImage(bool checked)
{
    return INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
}

} // namespace

HWND FriendsListView::create(HWND parent, const RECT& pixels, int id)
{
    const DWORD style = WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_OWNERDATA |
                        LVS_SINGLESEL | LVS_SHOWSELALWAYS;
    hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", style, pixels.left, pixels.top,
                            pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                            nullptr);
    if (!hwnd_)
        return nullptr;
    DWORD extended = LVS_EX_FULLROWSELECT;
    if (checkable_)
        extended |= LVS_EX_CHECKBOXES;
    SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    // The owner answers the check marks (none on the plain list), so that readers outside the program see
    // them as the user does.
    SendMessageW(hwnd_, LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
    if (checkable_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        listViewProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FriendsListView::keyProc)));
    }
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = pixels.right - pixels.left;
    SendMessageW(hwnd_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    fitColumn();
    return hwnd_;
}

LRESULT CALLBACK FriendsListView::keyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& self = *reinterpret_cast<FriendsListView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_KEYDOWN && wParam == VK_SPACE) {
        self.toggle(
            static_cast<int>(SendMessageW(hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED)));
        return 0;
    }
    // The character of that key searches for no entry.
    if (message == WM_CHAR && wParam == L' ')
        return 0;
    return CallWindowProcW(self.listViewProc_, hwnd, message, wParam, lParam);
}

void FriendsListView::fitColumn()
{
    RECT client;
    GetClientRect(hwnd_, &client);
    SendMessageW(hwnd_, LVM_SETCOLUMNWIDTH, 0, std::max<LONG>(client.right, 1));
}

void FriendsListView::setColours(COLORREF background, COLORREF text)
{
    SendMessageW(hwnd_, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
    SendMessageW(hwnd_, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(background));
    SendMessageW(hwnd_, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
}

void FriendsListView::reload()
{
    if (list_.checked.size() < list_.size())
        list_.checked.resize(list_.size(), false);
    if (reloadWaiting_)
        return;
    // Where nothing can be posted, the list view is told at once.
    if (PostMessageW(GetAncestor(hwnd_, GA_ROOT), kApplyReload, 0, reinterpret_cast<LPARAM>(hwnd_)))
        reloadWaiting_ = true;
    else
        tellListView();
}

void FriendsListView::applyReload()
{
    if (!reloadWaiting_)
        return;
    reloadWaiting_ = false;
    tellListView();
}

void FriendsListView::tellListView()
{
    SendMessageW(hwnd_, LVM_SETITEMCOUNT, list_.size(), 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void FriendsListView::toggle(int index)
{
    if (!checkable_ || index < 0 || static_cast<std::size_t>(index) >= list_.size())
        return;
    const auto row = static_cast<std::size_t>(index);
    list_.checked[row] = !list_.checked[row];
    SendMessageW(hwnd_, LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
}

bool FriendsListView::handleNotify(const NMHDR& header, LRESULT& result)
{
    if (header.hwndFrom != hwnd_)
        return false;
    result = 0;
    switch (header.code) {
    case LVN_GETDISPINFOW: {
        LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header))->item;
        if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= list_.size())
            return true;
        const auto row = static_cast<std::size_t>(item.iItem);
        if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
            const std::wstring text = fromAnsi(list_.entries[row]);
            const std::size_t room = static_cast<std::size_t>(item.cchTextMax) - 1;
            const std::size_t length = std::min(room, text.size());
            std::wmemcpy(item.pszText, text.data(), length);
            item.pszText[length] = L'\0';
        }
        if (item.mask & LVIF_STATE) {
            item.state &= ~LVIS_STATEIMAGEMASK;
            if (checkable_)
                item.state |= checkImage(row < list_.checked.size() && list_.checked[row]);
            item.stateMask |= LVIS_STATEIMAGEMASK;
        }
        return true;
    }
    case NM_CLICK:
    case NM_DBLCLK: {
        const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
        LVHITTESTINFO hit{};
        hit.pt = click.ptAction;
        SendMessageW(hwnd_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (hit.flags & LVHT_ONITEMSTATEICON)
            toggle(hit.iItem);
        return true;
    }
    default:
        return false;
    }
}

} // namespace quorrin::win32
