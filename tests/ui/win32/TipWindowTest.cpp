#include "settings/Global.h"
#include "settings/Schema.h"
#include "settings/Settings.h"
#include "support/MemoryRegistryBackend.h"
#include "ui/win32/frmTip.h"
#include "ui/win32/LayoutChecks.h"
#include "ui/win32/MessageLoop.h"
#include "ui/WindowLayouts.h"

#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace quorrin::win32 {
namespace {

const std::wstring kTip1 = L"Tip 1. Welcome";
const std::wstring kTip2 = L"Tip 2. Safe and quick Tranfering";
const std::wstring kTip3 = L"Tip 3. Viewing your Friends List";

// A key as the user presses it on `control`, through the program's keyboard handling.
void press(HWND control, UINT message, WPARAM key)
{
    MSG msg{control, message, key, 0, 0, {}};
    translateKeyboardMessage(msg);
}

BOOL CALLBACK countTip(HWND window, LPARAM count)
{
    if (IsWindowVisible(window) && windowText(window) == L"Tip of the Day")
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

struct TipWindowTest : ::testing::Test
{
    MemoryRegistryBackend backend;
    Global store{backend};
    Settings settings{store};

    ~TipWindowTest() override { closeTipOfTheDay(); }
    RegValue stored(const char* name)
    {
        return store.ReadRegValue(RegRoot::CurrentUser, std::string(schema::kSettingsKey), name);
    }
    frmTip* openWith(const char* name, const RegValue& value)
    {
        store.writeValue(RegRoot::CurrentUser, std::string(schema::kSettingsKey), name, value,
                         value.isNumber() ? RegType::Dword : RegType::Sz);
        return showTipOfTheDay(settings);
    }
    static std::wstring title(const frmTip* tip) { return windowText(tip->control("txtTitle")); }
    static bool checked(const frmTip* tip) { return SendMessageW(tip->control("chkTip"), BM_GETCHECK, 0, 0); }
    static void click(const frmTip* tip, const char* button)
    {
        SendMessageW(tip->control(button), BM_CLICK, 0, 0);
    }
};

TEST_F(TipWindowTest, IsBuiltFromItsTableAsAFixedDialogOfItsOwn)
{
    const frmTip* tip = showTipOfTheDay(settings);
    EXPECT_EQ(GetFocus(), tip->control("cmdOK"));
    test::expectBuiltAsLaidOut(tip->hwnd(), tip->controls(), ui::frmTipLayout());
    // The title's text box, inside the picture box, comes last.
    test::expectTabOrder(tip->controls(), ui::frmTipLayout());
    EXPECT_EQ(windowText(tip->hwnd()), L"Tip of the Day");
    RECT client;
    GetClientRect(tip->hwnd(), &client);
    EXPECT_EQ(test::Place({0, 0, client.right, client.bottom}), test::Place({0, 0, 361, 219}));
    EXPECT_EQ(test::placeOf(tip->control("cmdOK")), test::Place({272, 8, 353, 33}));
    EXPECT_EQ(GetWindowLongPtrW(tip->hwnd(), GWL_STYLE) &
                  (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX),
              WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(GetWindow(tip->hwnd(), GW_OWNER), nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(tip->control("Picture1"), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(GetWindowLongPtrW(tip->control("cmdOK"), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

TEST_F(TipWindowTest, StoredTipNumberPicksTheTipNextCyclesAndOddValuesNeverFail)
{
    // stored TipNr, presses of Next, the title then
    const std::tuple<RegValue, int, std::wstring> cases[] = {
        {{}, 0, kTip1}, {{}, 4, kTip1},    {0, 0, kTip1}, {9, 0, L""},       {9, 1, kTip1},  {-2, 2, L""},
        {-2, 3, kTip1}, {"abc", 0, kTip1}, {2, 1, kTip3}, {70000, 0, kTip1}, {"3", 0, kTip3}};
    for (const auto& [tipNr, presses, shown] : cases) {
        frmTip* tip = tipNr.isEmpty() ? showTipOfTheDay(settings) : openWith("TipNr", tipNr);
        for (int i = 0; i < presses; ++i)
            click(tip, "cmdNextTip");
        EXPECT_EQ(title(tip), shown) << tipNr.toText() << " + " << presses;
        tip->unloadByProgram();
    }
}

TEST_F(TipWindowTest, EachUserCloseSavesOnceAndClosesByProgramOrSessionSaveNothing)
{
    const auto send = [](UINT message, WPARAM wParam) {
        return [=](frmTip* t) { SendMessageW(t->hwnd(), message, wParam, 0); };
    };
    const auto then = [](auto first, auto second) {
        return [=](frmTip* t) {
            first(t);
            second(t);
        };
    };
    const auto closeBox = send(WM_SYSCOMMAND, SC_CLOSE);
    const auto sessionAsked = send(WM_QUERYENDSESSION, 0);
    // how it closes, tip shown, box checked, then the stored TipNr and Tip
    const std::tuple<const char*, std::function<void(frmTip*)>, int, bool, RegValue, RegValue> cases[] = {
        {"OK", [](frmTip* t) { click(t, "cmdOK"); }, 2, true, 3, "1"},
        {"OK on the last tip", [](frmTip* t) { click(t, "cmdOK"); }, 4, true, 1, "1"},
        {"Enter on the check box",
         [](frmTip* t) {
             SetFocus(t->control("chkTip"));
             press(t->control("chkTip"), WM_KEYDOWN, VK_RETURN);
         },
         1, false, 2, "0"},
        {"Escape", [](frmTip* t) { press(t->control("cmdOK"), WM_KEYDOWN, VK_ESCAPE); }, 2, false, 3, "0"},
        {"close box", closeBox, 3, true, 4, "1"},
        {"close box once a session end is called off",
         then(then(sessionAsked, send(WM_ENDSESSION, FALSE)), closeBox), 3, true, 4, "1"},
        {"program", [](frmTip* t) { t->unloadByProgram(); }, 3, false, 3, {}},
        {"main window at exit", [](frmTip*) { closeTipOfTheDay(); }, 3, false, 3, {}},
        {"another program's WM_CLOSE", send(WM_CLOSE, 0), 3, false, 3, {}},
        {"session end", then(sessionAsked, send(WM_ENDSESSION, TRUE)), 3, true, 3, {}},
    };
    for (const auto& [how, close, shown, box, tipNr, tip] : cases) {
        SCOPED_TRACE(how);
        backend = MemoryRegistryBackend();
        frmTip* window = openWith("TipNr", shown);
        HWND hwnd = window->hwnd();
        SendMessageW(window->control("chkTip"), BM_SETCHECK, box ? BST_CHECKED : BST_UNCHECKED, 0);
        close(window);
        EXPECT_FALSE(IsWindow(hwnd));
        EXPECT_EQ(stored("TipNR"), tipNr);
        EXPECT_EQ(stored("Tip"), tip);
        EXPECT_EQ(backend.writes().size(), tip.isEmpty() ? 1u : 3u);
    }
}

TEST_F(TipWindowTest, AccessKeysWorkAndAShowRequestWhileOpenBringsBackTheSameTipAndFocus)
{
    const frmTip* tip = openWith("Tip", "0");
    EXPECT_FALSE(checked(tip));
    press(tip->control("cmdOK"), WM_SYSCHAR, 'n');
    press(tip->control("cmdOK"), WM_SYSCHAR, 's');
    EXPECT_TRUE(checked(tip));
    SetFocus(tip->control("cmdNextTip"));
    HWND other = CreateWindowExW(0, L"Static", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 99, 99,
                                 nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    EXPECT_EQ(showTipOfTheDay(settings), tip);
    EXPECT_EQ(GetFocus(), tip->control("cmdNextTip"));
    EXPECT_EQ(title(tip), kTip2);
    DestroyWindow(other);
    int open = 0;
    EnumThreadWindows(GetCurrentThreadId(), countTip, reinterpret_cast<LPARAM>(&open));
    EXPECT_EQ(open, 1);
}

} // namespace
} // namespace quorrin::win32
