#include "support/CoreWorld.h"
#include "ui/win32/frmMain.h"
#include "ui/win32/LayoutChecks.h"
#include "ui/win32/Win32Menu.h"
#include "ui/win32/Win32Style.h"
#include "ui/win32/Win32Text.h"
#include "ui/WindowLayouts.h"

#include <algorithm>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

namespace quorrin::win32 {
namespace {

using ui::ControlKind;

bool shown(HWND control)
{
    return (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::wstring menuText(HMENU menu, UINT position)
{
    wchar_t text[128] = {};
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return text;
}

struct MainWindowTest : ::testing::Test, test::TestServices
{
    MainWindowTest()
    {
        writeFriends("Ann", "[Friends]\r\nCy\r\nDee\r\nEve\r\n");
        writeFriends("Bob", "[Friends]\r\nCy\r\n");
        window.state().ZonePath = zone();
        window.state().SourceList.items = window.state().TargetList.items = {"Ann", "Bob"};
        window.stateChanged(MainPart::SourceList);
        window.stateChanged(MainPart::TargetList);
    }

    HWND control(std::string_view name) { return window.control(name); }
    void command(std::string_view name, int code)
    {
        SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(window.controls().idOf(name), code),
                     reinterpret_cast<LPARAM>(control(name)));
    }
    void chooseMenu(Command item) { SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(menuId(item), 0), 0); }
    // A pick as the combo box reports it: the selection moves, then the pick is confirmed.
    void pick(std::string_view box, int position)
    {
        SendMessageW(control(box), CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        command(box, CBN_SELENDOK);
    }
    // What a reader outside the program sees in a list view: each entry's text and check mark.
    std::vector<std::string> rows(std::string_view list)
    {
        std::vector<std::string> shown;
        HWND view = control(list);
        const bool checkable = SendMessageW(view, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES;
        const int count = static_cast<int>(SendMessageW(view, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            wchar_t text[256] = {};
            LVITEMW item{};
            item.pszText = text;
            item.cchTextMax = 256;
            SendMessageW(view, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
            const auto state =
                SendMessageW(view, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK);
            shown.push_back(toAnsi(text) + (state == INDEXTOSTATEIMAGEMASK(2) ? " [x]" : ""));
            EXPECT_NE(state == 0, checkable) << list << " row " << row;
        }
        return shown;
    }

    frmMain window{services()};
};

TEST_F(MainWindowTest, EveryControlIsBuiltFromItsRow)
{
    const ui::WindowLayout& layout = ui::frmMainLayout();
    const int dpi = dpiOf(window.hwnd());
    test::expectBuiltAsLaidOut(window.hwnd(), window.controls(), layout, {"DebugList"}); // shown by the mode
    EXPECT_EQ(test::placeOf(control("DebugList")), test::placeOf(layout.control("DebugList").rect, dpi));
    // The friends lists hold up to 32,767 entries: virtual list views; the others are list boxes.
    for (const auto& [list, listClass] : {std::pair{"SourceListZoneNames", L"SysListView32"},
                                          {"TargetListZoneNames", L"SysListView32"},
                                          {"DebugList", L"ListBox"},
                                          {"TransferList", L"ListBox"}}) {
        wchar_t name[64] = {};
        GetClassNameW(control(list), name, 64);
        EXPECT_STREQ(name, listClass) << list;
    }
    // Written out, so that a wrong row shows too.
    EXPECT_EQ(test::placeOf(control("BtnTransfer"))[0], MulDiv(216, dpi, 96));
    EXPECT_EQ(toAnsi(windowText(control("SourceList"))), "Select Source Name");
    EXPECT_EQ(toAnsi(windowText(window.hwnd())), "Quorrin");
    EXPECT_FALSE(shown(control("DebugList"))); // Normal Mode
}

TEST_F(MainWindowTest, TabMovesInTheOrderOfTheTabPlaces)
{
    ShowWindow(window.hwnd(), SW_SHOW);
    // Hidden controls are passed over: DebugList and TransferList in Normal Mode.
    test::expectTabOrder(window.controls(), ui::frmMainLayout());
}

TEST_F(MainWindowTest, MenusCarryCaptionsSeparatorsAndTheModeChecks)
{
    HMENU bar = GetMenu(window.hwnd());
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    std::vector<std::string> items;
    for (int m = 0; m < GetMenuItemCount(bar); ++m) {
        items.push_back(toAnsi(menuText(bar, static_cast<UINT>(m))));
        HMENU menu = GetSubMenu(bar, m);
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
            items.push_back((state & MF_SEPARATOR) ? "-"
                                                   : toAnsi(menuText(menu, static_cast<UINT>(i))) +
                                                         ((state & MF_CHECKED) ? " [x]" : ""));
        }
    }
    EXPECT_EQ(items, (std::vector<std::string>{
                         "&File", "E&xit", "&Options", "&Normal Mode [x]", "&Developer Mode",
                         "&Usefull Links", "&Varlows Site", "&Send me a Mail", "-",
                         "&Kestrel Squads Homepage", "-", "Microsoft Internet Gaming Zone", "&Help",
                         "&Tip of the Day ...", "-", "&Help Topics...", "-", "&About"}));

    chooseMenu(Command::DeveloperMode);
    EXPECT_TRUE(shown(control("DebugList")));
    EXPECT_EQ(GetMenuState(bar, menuId(Command::DeveloperMode), MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
    EXPECT_EQ(GetMenuState(bar, menuId(Command::NormalMode), MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(SendMessageW(control("DebugList"), LB_GETCOUNT, 0, 0), 1); // "Developer Mode Activated"
    EXPECT_EQ(window.windowProperty(WindowProperty::Height), 8355);
}

TEST_F(MainWindowTest, PickToggleAndTransferThroughTheControls)
{
    pick("SourceList", 0);
    pick("TargetList", 1);
    EXPECT_EQ(rows("SourceListZoneNames"), (std::vector<std::string>{"Cy [x]", "Dee [x]", "Eve [x]"}));
    EXPECT_EQ(rows("TargetListZoneNames"), std::vector<std::string>{"Cy"});

    // Space on the focused entry toggles its check box, as the list view reports it.
    HWND source = control("SourceListZoneNames");
    LVITEMW focus{};
    focus.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    focus.state = LVIS_FOCUSED | LVIS_SELECTED;
    SendMessageW(source, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&focus));
    NMLVKEYDOWN key{};
    key.hdr = {source, static_cast<UINT_PTR>(window.controls().idOf("SourceListZoneNames")), LVN_KEYDOWN};
    key.wVKey = VK_SPACE;
    SendMessageW(window.hwnd(), WM_NOTIFY, key.hdr.idFrom, reinterpret_cast<LPARAM>(&key));
    EXPECT_EQ(rows("SourceListZoneNames"), (std::vector<std::string>{"Cy [x]", "Dee", "Eve [x]"}));

    dialogs.expectMessage(
        {"Are you sure you want to add 1 Items (Duplicated items are filtered out) to Bob's "
         "Zone Friends List ? ",
         "Question", MessageIcon::None, MessageButtons::OkCancel},
        MessageResult::Ok);
    dialogs.expectMessage(
        {"Transfer Complete. FriendsList Updated", "Done", MessageIcon::Information, MessageButtons::Ok});
    SendMessageW(control("BtnTransfer"), BM_CLICK, 0, 0);

    EXPECT_EQ(readFriends("Bob"), "[Friends]\r\nEve\r\nCy\r\n\r\n[#Watchers Allowed]\r\n\r\n[#Watchers Not "
                                  "Allowed]\r\n");
    EXPECT_EQ(readFriends("Bob", "Backup"), "[Friends]\r\nCy\r\n");
    EXPECT_EQ(rows("TargetListZoneNames"), (std::vector<std::string>{"Eve", "Cy"}));
    EXPECT_EQ(toAnsi(windowText(control("Label3"))), "1");
}

// Typing over a picked name leaves no name picked and reads nothing.
TEST_F(MainWindowTest, TypedTextPicksNothing)
{
    pick("SourceList", 1);
    SetWindowTextW(control("SourceList"), L"Ann");
    command("SourceList", CBN_EDITCHANGE);
    EXPECT_EQ(window.state().SourceList.selected, -1);
    EXPECT_EQ(rows("SourceListZoneNames"), std::vector<std::string>{"Cy [x]"});
}

// The close box, Exit and the ending session all run the same saving, once.
TEST_F(MainWindowTest, EveryCloseRequestSavesTheSameWayOnce)
{
    std::vector<CloseReason> closings;
    window.onClosing = [&](CloseReason reason) { closings.push_back(reason); };
    SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(window.isUnloaded());
    EXPECT_FALSE(IsWindow(window.hwnd()));
    const std::vector<std::string> byCloseBox = registry.writes();
    EXPECT_TRUE(debugLog().ends_with("Normal Program Exit\r\n"));

    for (const auto& close : {+[](frmMain& w) {
                                  SendMessageW(w.hwnd(), WM_COMMAND, MAKEWPARAM(menuId(Command::FileExit), 0),
                                               0);
                              },
                              +[](frmMain& w) { SendMessageW(w.hwnd(), WM_ENDSESSION, TRUE, 0); }}) {
        test::TestServices other;
        frmMain second(other.services());
        second.state().ZonePath = zone();
        second.state().SourceList.items = {"Ann", "Bob"};
        close(second);
        EXPECT_TRUE(second.isUnloaded());
        EXPECT_EQ(other.registry.writes(), byCloseBox);
    }
    SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(closings, std::vector<CloseReason>{CloseReason::User});
}

} // namespace
} // namespace quorrin::win32
