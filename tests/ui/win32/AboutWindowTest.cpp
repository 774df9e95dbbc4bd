#include "settings/Schema.h"
#include "support/CoreWorld.h"
#include "ui/win32/BusyPointer.h"
#include "ui/win32/frmAbout.h"
#include "ui/win32/LayoutChecks.h"
#include "ui/win32/resource.h"
#include "ui/WindowLayouts.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

namespace quorrin::win32 {
namespace {

struct AboutWindowTest : ::testing::Test, test::TestServices
{
    std::unique_ptr<frmAbout> box = open();

    std::unique_ptr<frmAbout> open()
    {
        auto opened = std::make_unique<frmAbout>(settings, shell, nullptr);
        ShowWindow(opened->hwnd(), SW_SHOWNORMAL);
        return opened;
    }
    std::vector<int> shownPages() const
    {
        std::vector<int> pages;
        for (int i = 1; i <= 4; ++i)
            if (test::isShown(box->control(ui::AboutBox::pageName(i))))
                pages.push_back(i);
        return pages;
    }
};

// Each tab shows its caption and, from the strip's tooltip, its tip. Loading puts the version line one line
// below the logo, as wide as its text, and the pages over the first one, on the strip rather than under it.
TEST_F(AboutWindowTest, IsBuiltFromItsTableAndLoadPlacesTheVersionLineAndThePages)
{
    const ui::WindowLayout& layout = ui::frmAboutLayout();
    test::expectBuiltAsLaidOut(box->hwnd(), box->controls(), layout,
                               {"fraInfo(2)", "fraInfo(3)", "fraInfo(4)", "lblBuild", "cmdSysInfo"});
    EXPECT_EQ(GetWindowLongPtrW(box->control("cmdOK"), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    HWND strip = box->control("tabStrip");
    ASSERT_EQ(SendMessageW(strip, TCM_GETITEMCOUNT, 0, 0), std::ssize(layout.tabs));
    for (std::size_t i = 0; i < layout.tabs.size(); ++i) {
        NMTTDISPINFOW tip{};
        tip.hdr = {reinterpret_cast<HWND>(SendMessageW(strip, TCM_GETTOOLTIPS, 0, 0)), i, TTN_GETDISPINFOW};
        SendMessageW(box->hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
        wchar_t caption[64] = {};
        TCITEMW item{TCIF_TEXT, 0, 0, caption, 64, 0, 0};
        SendMessageW(strip, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(std::wstring(caption), fromAnsi(layout.tabs[i].caption));
        EXPECT_EQ(std::wstring(tip.lpszText ? tip.lpszText : L""), fromAnsi(layout.tabs[i].toolTip));
    }

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
    for (int i = 1; i <= 4; ++i) {
        HWND page = box->control(ui::AboutBox::pageName(i));
        EXPECT_EQ(test::placeOf(page), test::placeOf(box->control("fraInfo(1)")));
        while (page && page != strip) // the strip comes later in the z-order
            page = GetWindow(page, GW_HWNDNEXT);
        EXPECT_NE(page, nullptr) << i;
    }
}

TEST_F(AboutWindowTest, SystemInfoButtonShowsOnlyWhenItsProgramIsRegisteredAndStartsIt)
{
    // No key at all, an empty value, a program's path; Tab passes over the button while it is hidden.
    for (const char* path : {static_cast<const char*>(nullptr), "", "C:\\Program Files\\msinfo32.exe"}) {
        SCOPED_TRACE(path ? path : "no key");
        if (path)
            registry.putText(RegRoot::LocalMachine, std::string(schema::kSystemInfoKey), "Path", path);
        box = open();
        EXPECT_EQ(test::isShown(box->control("cmdSysInfo")), path && *path);
        test::expectTabOrder(box->controls(), ui::frmAboutLayout());
        SendMessageW(box->control("cmdSysInfo"), BM_CLICK, 0, 0);
    }
    EXPECT_EQ(shell.started, std::vector<std::string>{"C:\\Program Files\\msinfo32.exe"});
}

// The pages take turns from the Version page on; the links on the Contact page are blue with a hand and open
// the mail program on a left click only.
TEST_F(AboutWindowTest, TabsShowTheirPageAndTheContactLinksWork)
{
    EXPECT_EQ(shownPages(), std::vector<int>{1});
    HWND strip = box->control("tabStrip");
    for (const auto& [tab, page] : {std::pair{0, 1}, {2, 3}, {0, 1}, {3, 4}}) {
        // The user picks a tab: the strip selects it and tells its parent.
        SendMessageW(strip, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
        NMHDR header{strip, static_cast<UINT_PTR>(GetDlgCtrlID(strip)), TCN_SELCHANGE};
        SendMessageW(box->hwnd(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
        EXPECT_EQ(shownPages(), std::vector<int>{page}) << tab;
    }
    HWND url = box->control("txtURL");
    HWND mail = box->control("txtMail");
    EXPECT_EQ(test::coloursOf(url).second, RGB(0, 0, 192));
    const auto cursorOver = [](HWND control) {
        SendMessageW(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(cursorOver(mail), LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LINK_HAND)));
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

// What a test does once its box is up, from a timer of the modal loop.
std::function<void(HWND box)> onBoxShown;

void CALLBACK onTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (HWND box = GetActiveWindow(); onBoxShown && windowText(box) == L"About Quorrin Tool")
        std::exchange(onBoxShown, nullptr)(box);
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
        // Another window of the program, such as an open tip, is disabled along with the owner.
        HWND other = CreateWindowExW(0, L"Static", L"tip", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200,
                                     nullptr, nullptr, nullptr, nullptr);
        HWND seen = nullptr;
        onBoxShown = [&, act = act](HWND about) {
            seen = about;
            EXPECT_EQ(GetWindow(about, GW_OWNER), owner);
            EXPECT_FALSE(IsWindowEnabled(owner) || IsWindowEnabled(other));
            act(about);
        };
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, onTick);
        showAboutBox(settings, shell, owner);
        KillTimer(nullptr, timer);
        ASSERT_NE(seen, nullptr);
        EXPECT_FALSE(IsWindow(seen));
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
