#include "settings/Global.h"
#include "settings/Schema.h"
#include "settings/Settings.h"
#include "support/FakeShell.h"
#include "support/MemoryRegistryBackend.h"
#include "ui/win32/BusyPointer.h"
#include "ui/win32/frmAbout.h"
#include "ui/win32/LayoutChecks.h"
#include "ui/win32/resource.h"
#include "ui/WindowLayouts.h"

#include <gtest/gtest.h>
#include <memory>
#include <tuple>
#include <vector>

namespace quorrin::win32 {
namespace {

struct AboutWindowTest : ::testing::Test
{
    MemoryRegistryBackend backend;
    Global store{backend};
    Settings settings{store};
    test::FakeShell shell;
    std::unique_ptr<frmAbout> box = open();

    std::unique_ptr<frmAbout> open()
    {
        auto opened = std::make_unique<frmAbout>(settings, shell, nullptr);
        ShowWindow(opened->hwnd(), SW_SHOWNORMAL);
        return opened;
    }
    static bool shown(HWND control) { return GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE; }
    std::vector<int> shownPages() const
    {
        std::vector<int> pages;
        for (int i = 1; i <= 4; ++i)
            if (shown(box->control(ui::AboutBox::pageName(i))))
                pages.push_back(i);
        return pages;
    }
    // The user picks a tab: the strip selects it and tells its parent.
    void pickTab(int index) const
    {
        HWND strip = box->control("tabStrip");
        SendMessageW(strip, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
        NMHDR header{strip, static_cast<UINT_PTR>(GetDlgCtrlID(strip)), TCN_SELCHANGE};
        SendMessageW(box->hwnd(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    }
    // What the strip's tooltip shows over the tab at `index`, and the tab's caption.
    std::wstring tabTexts(int index) const
    {
        HWND strip = box->control("tabStrip");
        NMTTDISPINFOW info{};
        info.hdr = {reinterpret_cast<HWND>(SendMessageW(strip, TCM_GETTOOLTIPS, 0, 0)),
                    static_cast<UINT_PTR>(index), TTN_GETDISPINFOW};
        SendMessageW(box->hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        wchar_t caption[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption;
        item.cchTextMax = 64;
        SendMessageW(strip, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        return std::wstring(caption) + L"|" + (info.lpszText ? info.lpszText : L"");
    }
};

TEST_F(AboutWindowTest, IsBuiltFromItsTableWithARealTabStrip)
{
    const ui::WindowLayout& layout = ui::frmAboutLayout();
    // Loading puts the pages over the first one and the version line under the logo.
    test::expectBuiltAsLaidOut(box->hwnd(), box->controls(), layout,
                               {"fraInfo(2)", "fraInfo(3)", "fraInfo(4)", "lblBuild", "cmdSysInfo"});
    test::expectTabOrder(box->controls(), layout);
    ASSERT_EQ(SendMessageW(box->control("tabStrip"), TCM_GETITEMCOUNT, 0, 0), std::ssize(layout.tabs));
    for (std::size_t i = 0; i < layout.tabs.size(); ++i)
        EXPECT_EQ(tabTexts(static_cast<int>(i)),
                  fromAnsi(layout.tabs[i].caption) + L"|" + fromAnsi(layout.tabs[i].toolTip));

    EXPECT_EQ(windowText(box->hwnd()), L"About Quorrin Tool");
    RECT client;
    GetClientRect(box->hwnd(), &client);
    EXPECT_EQ(test::Place({0, 0, client.right, client.bottom}), test::Place({0, 0, 295, 333}));
    EXPECT_EQ(GetWindowLongPtrW(box->hwnd(), GWL_STYLE) & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX),
              WS_SYSMENU);
    EXPECT_EQ(test::placeOf(box->control("cmdOK")), test::Place({213, 302, 287, 324}));
    EXPECT_EQ(GetWindowLongPtrW(box->control("cmdOK"), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(test::fontOf(box->control("Label1")).lfHeight, -15) << "Arial 11.25 points";
}

TEST_F(AboutWindowTest, VersionLineStandsOneLineBelowTheLogoAsWideAsItsText)
{
    HWND line = box->control("lblBuild");
    const std::wstring text = windowText(line);
    EXPECT_EQ(text, L"Quorrin Tool Version:  V1.027");
    HDC dc = GetDC(line);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(line, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ReleaseDC(line, dc);
    const test::Place logo = test::placeOf(box->control("picLogo"));
    EXPECT_EQ(test::placeOf(line), test::Place({logo[0], logo[3] + 13, logo[0] + size.cx, logo[3] + 26}));
}

TEST_F(AboutWindowTest, SystemInfoButtonShowsOnlyWhenItsProgramIsRegisteredAndStartsIt)
{
    // No key at all, an empty value, a program's path.
    for (const char* path : {static_cast<const char*>(nullptr), "", "C:\\Program Files\\msinfo32.exe"}) {
        SCOPED_TRACE(path ? path : "no key");
        if (path)
            backend.putText(RegRoot::LocalMachine, std::string(schema::kSystemInfoKey), "Path", path);
        box = open();
        EXPECT_EQ(shown(box->control("cmdSysInfo")), path && *path);
        EXPECT_EQ(backend.openHandles(), 0);
        test::expectTabOrder(box->controls(), ui::frmAboutLayout());
        SendMessageW(box->control("cmdSysInfo"), BM_CLICK, 0, 0);
    }
    EXPECT_EQ(shell.started, std::vector<std::string>{"C:\\Program Files\\msinfo32.exe"});
}

TEST_F(AboutWindowTest, TabsShowTheirPageAllInOnePlaceOnTheStripStartingWithTheVersion)
{
    for (int i = 1; i <= 4; ++i) {
        HWND page = box->control(ui::AboutBox::pageName(i));
        EXPECT_EQ(test::placeOf(page), test::placeOf({300, 570, 3825, 3735}, 96));
        // On the strip, not under it: the strip comes after the page in the z-order.
        while (page && page != box->control("tabStrip"))
            page = GetWindow(page, GW_HWNDNEXT);
        EXPECT_NE(page, nullptr) << i;
    }
    EXPECT_EQ(shownPages(), std::vector<int>{1});
    for (const auto& [tab, page] : {std::pair{0, 1}, {2, 3}, {0, 1}, {3, 4}}) {
        pickTab(tab);
        EXPECT_EQ(shownPages(), std::vector<int>{page}) << tab;
        EXPECT_EQ(box->currentFrame(), page);
    }
}

TEST_F(AboutWindowTest, LinksAreBlueWithAHandAndOpenTheMailProgramOnALeftClickOnly)
{
    pickTab(3);
    HWND url = box->control("txtURL");
    HWND mail = box->control("txtMail");
    EXPECT_EQ(test::coloursOf(url).second, RGB(0, 0, 192));
    const auto cursorOver = [](HWND control) {
        SendMessageW(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    HCURSOR own = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LINK_HAND));
    EXPECT_EQ(cursorOver(mail), own ? own : LoadCursorW(nullptr, IDC_HAND));
    EXPECT_EQ(cursorOver(box->control("OpstartTitel(9)")), LoadCursorW(nullptr, IDC_ARROW));
    setBusyPointer(true);
    EXPECT_EQ(cursorOver(url), LoadCursorW(nullptr, IDC_WAIT));
    setBusyPointer(false);

    for (const auto& [link, down, up] : {std::tuple{url, WM_LBUTTONDOWN, WM_LBUTTONUP},
                                         {mail, WM_RBUTTONDOWN, WM_RBUTTONUP},
                                         {mail, WM_LBUTTONDOWN, WM_LBUTTONUP}}) {
        SendMessageW(link, down, 0, MAKELPARAM(2, 2));
        SendMessageW(link, up, 0, MAKELPARAM(2, 2));
    }
    EXPECT_EQ(shell.opened, (std::vector<std::string>{"mailto:varlow@quorrin.example.net",
                                                      "mailto:squad@kestrel-squad.example.org"}));
}

// What a test does while the box runs modal, from a timer of the modal loop: finds its box among the windows
// of its thread (tests in other processes open theirs), notes the owner's state and acts.
struct ModalProbe
{
    void (*act)(HWND box) = nullptr;
    HWND box = nullptr;
    HWND owner = nullptr;
    bool ownerEnabled = true;
    HWND other = nullptr; // another window of the program, such as an open tip
    bool otherEnabled = true;
} probe;

BOOL CALLBACK findBox(HWND window, LPARAM)
{
    if (!probe.box && IsWindowVisible(window) && windowText(window) == L"About Quorrin Tool") {
        probe.box = window;
        probe.owner = GetWindow(window, GW_OWNER);
        probe.ownerEnabled = IsWindowEnabled(probe.owner);
        probe.otherEnabled = IsWindowEnabled(probe.other);
        probe.act(window);
    }
    return TRUE;
}

void CALLBACK onTick(HWND, UINT, UINT_PTR, DWORD)
{
    EnumThreadWindows(GetCurrentThreadId(), findBox, 0);
}

HWND closeButton(HWND box)
{
    return FindWindowExW(box, nullptr, L"Button", L"&Close");
}

TEST_F(AboutWindowTest, ShowAboutBoxRunsModalOverItsOwnerUntilItClosesEitherWay)
{
    box.reset();
    const std::pair<const char*, void (*)(HWND)> cases[] = {
        {"Close", [](HWND b) { PostMessageW(closeButton(b), BM_CLICK, 0, 0); }},
        {"Escape", [](HWND b) { PostMessageW(closeButton(b), WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"close box", [](HWND b) { PostMessageW(b, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"owner closed", [](HWND b) { DestroyWindow(GetWindow(b, GW_OWNER)); }},
    };
    for (const auto& [how, act] : cases) {
        SCOPED_TRACE(how);
        HWND owner = CreateWindowExW(0, L"Static", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 400,
                                     nullptr, nullptr, nullptr, nullptr);
        HWND other = CreateWindowExW(0, L"Static", L"tip", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200,
                                     nullptr, nullptr, nullptr, nullptr);
        probe = {.act = act, .other = other};
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, onTick);
        showAboutBox(settings, shell, owner);
        KillTimer(nullptr, timer);
        ASSERT_NE(probe.box, nullptr);
        EXPECT_EQ(probe.owner, owner);
        EXPECT_FALSE(probe.ownerEnabled);
        EXPECT_FALSE(probe.otherEnabled);
        EXPECT_FALSE(IsWindow(probe.box));
        EXPECT_TRUE(IsWindowEnabled(other));
        DestroyWindow(other);
        if (IsWindow(owner)) {
            EXPECT_TRUE(IsWindowEnabled(owner));
            EXPECT_EQ(GetActiveWindow(), owner);
            DestroyWindow(owner);
        }
    }
    EXPECT_TRUE(shell.opened.empty() && shell.started.empty());
}

} // namespace
} // namespace quorrin::win32
