#include "support/FakeDialogs.h"
#include "ui/win32/BusyPointer.h"
#include "ui/win32/frmSplash.h"
#include "ui/win32/LayoutChecks.h"
#include "ui/WindowLayouts.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace quorrin::win32 {
namespace {

// The load shows the frame centred under the busy pointer. Only the timer ends the splash window, by itself
// three seconds after the load: the main window opens under the busy pointer, then the splash goes and the
// tip follows, once.
TEST(SplashWindow, ShowsCentredAndOnlyItsTimerOpensTheMainWindow)
{
    test::FakeDialogs dialogs;
    std::vector<std::string> events;
    std::unique_ptr<frmSplash> splash;
    splash = std::make_unique<frmSplash>(
        dialogs,
        [&] {
            events.push_back(std::string("main window loaded, splash ") +
                             (IsWindowVisible(splash->hwnd()) ? "up" : "gone") +
                             (busyPointer() ? ", busy" : ""));
        },
        [&] { events.push_back(std::string("tip shown, splash ") + (splash->hwnd() ? "up" : "gone")); });
    using namespace std::chrono;
    splash->Form_Load();
    const steady_clock::time_point start = steady_clock::now();
    HWND window = splash->hwnd();
    test::expectBuiltAsLaidOut(window, splash->controls(), ui::frmSplashLayout());
    RECT outer;
    GetWindowRect(window, &outer);
    MONITORINFO screen{sizeof(screen), {}, {}, 0};
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &screen);
    EXPECT_LE(std::abs(outer.left + outer.right - screen.rcWork.left - screen.rcWork.right), 1);
    EXPECT_LE(std::abs(outer.top + outer.bottom - screen.rcWork.top - screen.rcWork.bottom), 1);

    for (const auto& [message, wParam] : {std::pair<UINT, WPARAM>{WM_LBUTTONDOWN, MK_LBUTTON},
                                          {WM_LBUTTONUP, 0},
                                          {WM_KEYDOWN, VK_ESCAPE},
                                          {WM_KEYDOWN, VK_RETURN},
                                          {WM_SYSCOMMAND, SC_CLOSE},
                                          {WM_CLOSE, 0}})
        SendMessageW(window, message, wParam, 0);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(events.empty());
    while (events.size() < 2 && steady_clock::now() - start < seconds(6)) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageW(&msg);
    }
    const auto waited = duration_cast<milliseconds>(steady_clock::now() - start).count();
    EXPECT_EQ(events,
              (std::vector<std::string>{"main window loaded, splash up, busy", "tip shown, splash gone"}));
    EXPECT_FALSE(busyPointer());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(waited >= 2900 && waited < 4500) << waited << " ms";
}

} // namespace
} // namespace quorrin::win32
