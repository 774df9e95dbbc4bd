#include "support/CoreWorld.h"
#include "ui/win32/frmMain.h"
#include "ui/win32/LayoutChecks.h"
#include "ui/win32/Win32Menu.h"
#include "ui/win32/Win32Text.h"
#include "ui/WindowLayouts.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <tuple>
#include <windows.h>

namespace quorrin::win32 {
namespace {

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
    // A pick as the combo box reports it: the selection moves, then the pick is confirmed.
    void pick(std::string_view box, int position)
    {
        SendMessageW(control(box), CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        command(box, CBN_SELENDOK);
    }
    // What a reader outside the program sees in a list view once the program's message loop has had its turn:
    // each entry's text and check mark.
    std::vector<std::string> rows(std::string_view list)
    {
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageW(&message);
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

// Tab passes over the controls hidden in Normal Mode, DebugList and TransferList.
TEST_F(MainWindowTest, EveryControlIsBuiltFromItsRowAndTabFollowsTheTabPlaces)
{
    const ui::WindowLayout& layout = ui::frmMainLayout();
    test::expectBuiltAsLaidOut(window.hwnd(), window.controls(), layout, {"DebugList"});
    EXPECT_FALSE(test::isShown(control("DebugList")));
    // The friends lists hold up to 32,767 entries: virtual list views; the others are list boxes.
    for (const auto& [list, listClass] : {std::pair{"TargetListZoneNames", L"SysListView32"},
                                          {"DebugList", L"ListBox"},
                                          {"TransferList", L"ListBox"}})
        EXPECT_EQ(test::classOf(control(list)), listClass) << list;
    ShowWindow(window.hwnd(), SW_SHOW);
    test::expectTabOrder(window.controls(), layout);
}

TEST_F(MainWindowTest, MenusCarryCaptionsSeparatorsAndTheModeChecks)
{
    HMENU bar = GetMenu(window.hwnd());
    std::vector<std::string> built;
    std::vector<std::string> expected;
    for (const ui::MenuRow& row : ui::frmMainLayout().menu)
        expected.push_back(row.isSeparator() ? "-"
                                             : std::string(row.caption) +
                                                   (row.command == Command::NormalMode ? " [x]" : ""));
    const auto add = [&](HMENU menu, int position) {
        wchar_t text[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
        const UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
        built.push_back((state & MF_SEPARATOR) ? "-" : toAnsi(text) + ((state & MF_CHECKED) ? " [x]" : ""));
    };
    for (int m = 0; m < GetMenuItemCount(bar); ++m) {
        add(bar, m);
        for (int i = 0; i < GetMenuItemCount(GetSubMenu(bar, m)); ++i)
            add(GetSubMenu(bar, m), i);
    }
    EXPECT_EQ(built, expected);

    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(menuId(Command::DeveloperMode), 0), 0);
    EXPECT_TRUE(test::isShown(control("DebugList")));
    EXPECT_EQ(GetMenuState(bar, menuId(Command::DeveloperMode), MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
    EXPECT_EQ(GetMenuState(bar, menuId(Command::NormalMode), MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(SendMessageW(control("DebugList"), LB_GETCOUNT, 0, 0), 1); // "Developer Mode Activated"
    EXPECT_EQ(window.windowProperty(WindowProperty::Height), 8355);

    // The tip of the day and the about box are the program's to open.
    std::vector<std::string> requested;
    window.onTipRequested = [&] { requested.push_back("tip"); };
    window.onAboutRequested = [&] { requested.push_back("about"); };
    for (const Command command : {Command::TipOfTheDay, Command::HelpAbout})
        SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(menuId(command), 0), 0);
    EXPECT_EQ(requested, (std::vector<std::string>{"tip", "about"}));
}

// Typing over a picked name leaves no name picked and reads nothing. The boxes' texts and the files written
// are checked by the transfer's own tests and the end-to-end run.
TEST_F(MainWindowTest, PickTypeToggleAndTransferThroughTheControls)
{
    pick("SourceList", 1);
    SetWindowTextW(control("SourceList"), L"Ann");
    command("SourceList", CBN_EDITCHANGE);
    EXPECT_EQ(window.state().SourceList.selected, -1);
    EXPECT_EQ(rows("SourceListZoneNames"), std::vector<std::string>{"Cy [x]"});

    pick("SourceList", 0);
    pick("TargetList", 1);
    EXPECT_EQ(rows("SourceListZoneNames"), (std::vector<std::string>{"Cy [x]", "Dee [x]", "Eve [x]"}));
    EXPECT_EQ(rows("TargetListZoneNames"), std::vector<std::string>{"Cy"});

    // Space on the focused entry toggles its check box, once per press; its character changes nothing.
    HWND source = control("SourceListZoneNames");
    LVITEMW focus{};
    focus.stateMask = focus.state = LVIS_FOCUSED | LVIS_SELECTED;
    SendMessageW(source, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&focus));
    SendMessageW(source, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(source, WM_CHAR, L' ', 0);
    SendMessageW(source, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(rows("SourceListZoneNames"), (std::vector<std::string>{"Cy [x]", "Dee", "Eve [x]"}));
    EXPECT_EQ(SendMessageW(source, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 1);

    dialogs.answerOthers = MessageResult::Ok;
    SendMessageW(control("BtnTransfer"), BM_CLICK, 0, 0);
    EXPECT_EQ(rows("TargetListZoneNames"), (std::vector<std::string>{"Eve", "Cy"}));
    EXPECT_EQ(toAnsi(windowText(control("Label3"))), "1");
}

// The close box, Exit and the ending session all run the same saving, once. A window only made (hidden, while
// the splash window waits) is not yet the program's: a request to close it then, as another program sends
// to every window, or a session that ends, closes nothing and saves nothing over the settings.
TEST_F(MainWindowTest, EveryCloseRequestSavesTheSameWayOnce)
{
    std::vector<std::string> firstSaving;
    for (const auto& [message, wParam, reason] :
         {std::tuple<UINT, WPARAM, CloseReason>{WM_CLOSE, 0, CloseReason::User},
          {WM_COMMAND, menuId(Command::FileExit), CloseReason::User},
          {WM_ENDSESSION, TRUE, CloseReason::SessionEnd}}) {
        SCOPED_TRACE(message);
        test::TestServices world;
        frmMain made(world.services());
        std::vector<CloseReason> closings;
        made.onClosing = [&](CloseReason why) { closings.push_back(why); };
        SendMessageW(made.hwnd(), message, wParam, 0);
        EXPECT_TRUE(IsWindow(made.hwnd()));
        EXPECT_FALSE(made.isUnloaded());
        EXPECT_EQ(world.registry.writes(), std::vector<std::string>{});

        world.registry.putText(RegRoot::LocalMachine, "Software\\Microsoft\\Internet Gaming Zone\\Setup",
                               "Path", world.dir.str());
        world.dialogs.answerOthers = MessageResult::Ok;
        made.Form_Load();
        const auto loaded = static_cast<std::ptrdiff_t>(world.registry.writes().size());
        made.state().SourceList.items = {"Ann", "Bob"};
        HWND loadedWindow = made.hwnd();
        SendMessageW(loadedWindow, message, wParam, 0);
        EXPECT_TRUE(made.isUnloaded());
        EXPECT_FALSE(IsWindow(loadedWindow));
        EXPECT_EQ(closings, std::vector<CloseReason>{reason});
        EXPECT_TRUE(world.debugLog().ends_with("Normal Program Exit\r\n"));
        const std::vector<std::string> saving(world.registry.writes().begin() + loaded,
                                              world.registry.writes().end());
        EXPECT_FALSE(saving.empty());
        if (firstSaving.empty())
            firstSaving = saving;
        EXPECT_EQ(saving, firstSaving);
    }
}

} // namespace
} // namespace quorrin::win32
