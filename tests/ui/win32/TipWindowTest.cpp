#include "settings/Schema.h"
#include "support/CoreWorld.h"
#include "ui/win32/frmTip.h"
#include "ui/win32/LayoutChecks.h"
#include "ui/WindowLayouts.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace quorrin::win32 {
namespace {

struct TipWindowTest : ::testing::Test, test::TestServices
{
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
};

// The title's text box, inside the picture box, comes last in the Tab order. The size written out is the one
// check of the twips' conversion: the layout walk converts the table's twips the same way the window does. A
// show request while the tip is open brings back the same tip with the focus where it was.
TEST_F(TipWindowTest, IsBuiltFromItsTableTakesItsAccessKeysAndComesBackAsItWas)
{
    const frmTip* tip = openWith("Tip", "0");
    EXPECT_EQ(GetFocus(), tip->control("cmdOK"));
    test::expectBuiltAsLaidOut(tip->hwnd(), tip->controls(), ui::frmTipLayout());
    test::expectTabOrder(tip->controls(), ui::frmTipLayout());
    EXPECT_EQ(test::clientPlace(tip->hwnd()), test::Place({0, 0, 361, 219})) << "at 96 dots per inch";
    EXPECT_EQ(GetWindow(tip->hwnd(), GW_OWNER), nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(tip->control("Picture1"), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    EXPECT_EQ(SendMessageW(tip->control("chkTip"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    test::press(tip->control("cmdOK"), WM_SYSCHAR, 'n');
    test::press(tip->control("cmdOK"), WM_SYSCHAR, 's');
    EXPECT_EQ(SendMessageW(tip->control("chkTip"), BM_GETCHECK, 0, 0), BST_CHECKED);
    SetFocus(tip->control("cmdNextTip"));
    HWND other = CreateWindowExW(0, L"Static", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 99, 99,
                                 nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    EXPECT_EQ(showTipOfTheDay(settings), tip);
    EXPECT_EQ(GetFocus(), tip->control("cmdNextTip"));
    EXPECT_EQ(windowText(tip->control("txtTitle")), L"Tip 2. Safe and quick Tranfering");
    DestroyWindow(other);
}

// Each way the user closes saves the tip to show next and the check box once; a close by the program, by
// another program or by the ending session saves nothing.
TEST_F(TipWindowTest, EachUserCloseSavesOnceAndOtherClosesSaveNothing)
{
    using Step = std::tuple<const char*, UINT, WPARAM>; // the control (null: the window), message, wParam
    const Step closeBox{nullptr, WM_SYSCOMMAND, SC_CLOSE};
    const Step sessionAsked{nullptr, WM_QUERYENDSESSION, 0};
    const Step sessionEnds{nullptr, WM_ENDSESSION, TRUE};
    const Step sessionGoesOn{nullptr, WM_ENDSESSION, FALSE};
    // how it closes (no steps: the main window closes it at exit), tip shown, box checked, then the stored
    // TipNr and Tip
    const std::tuple<const char*, std::vector<Step>, int, bool, RegValue, RegValue> cases[] = {
        {"OK", {{"cmdOK", BM_CLICK, 0}}, 2, true, 3, "1"},
        {"Enter on the check box", {{"chkTip", WM_KEYDOWN, VK_RETURN}}, 1, false, 2, "0"},
        {"Escape", {{"cmdOK", WM_KEYDOWN, VK_ESCAPE}}, 2, false, 3, "0"},
        {"close box", {closeBox}, 3, true, 4, "1"},
        {"close box, session end called off", {sessionAsked, sessionGoesOn, closeBox}, 3, true, 4, "1"},
        {"main window at exit", {}, 3, false, 3, {}},
        {"another program's WM_CLOSE", {{nullptr, WM_CLOSE, 0}}, 3, false, 3, {}},
        {"session end", {sessionAsked, sessionEnds}, 3, true, 3, {}},
    };
    for (const auto& [how, steps, shown, box, tipNr, tip] : cases) {
        SCOPED_TRACE(how);
        registry = MemoryRegistryBackend();
        frmTip* window = openWith("TipNr", shown);
        HWND hwnd = window->hwnd();
        SendMessageW(window->control("chkTip"), BM_SETCHECK, box ? BST_CHECKED : BST_UNCHECKED, 0);
        for (const auto& [control, message, wParam] : steps)
            if (message == WM_KEYDOWN)
                test::press(window->control(control), message, wParam);
            else
                SendMessageW(control ? window->control(control) : hwnd, message, wParam, 0);
        if (steps.empty())
            closeTipOfTheDay();
        EXPECT_FALSE(IsWindow(hwnd));
        EXPECT_EQ(stored("TipNR"), tipNr);
        EXPECT_EQ(stored("Tip"), tip);
        EXPECT_EQ(registry.writes().size(), tip.isEmpty() ? 1u : 3u);
    }
}

} // namespace
} // namespace quorrin::win32
