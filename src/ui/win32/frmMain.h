#pragma once

#include "app/MainState.h"
#include "app/MainView.h"
#include "app/MainWindowCore.h"
#include "ui/win32/FriendsListView.h"
#include "ui/win32/MainStatusBar.h"
#include "ui/win32/Win32Window.h"

#include <functional>
#include <memory>
#include <windows.h>

namespace quorrin::win32 {

// Why the main window is asked to close: the user (close box, Exit) or the ending session.
enum class CloseReason
{
    User,
    SessionEnd,
};

// The main window: shows the core's MainState, built from the main window's layout table, and hands the
// user's actions on to the core.
class frmMain final : public Win32Window, public MainView
{
public:
    explicit frmMain(const Services& services);
    ~frmMain() override;
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    HWND statusBar() const { return statusBar_.hwnd(); }
    MainState& state() { return core_->state; }
    MainWindowCore& core() { return *core_; }

    // The window's load: runs the start-up sequence. Called once, before the window is first shown.
    void Form_Load();
    bool isUnloaded() const { return unloaded_; }

    // A close request: the same handling whichever way it comes.
    void requestClose(CloseReason reason);

    void setSplashWindow(HWND splash) { splash_ = splash; }
    // The menu items that open other windows, and the closing of every other window when this one goes.
    std::function<void()> onTipRequested;
    std::function<void()> onAboutRequested;
    std::function<void(CloseReason)> onClosing;
    // Whether the message loop ends when the window is gone: the program's window does, a test's does not.
    bool endsMessageLoop = false;

    void setTimer1Enabled(bool enabled) override;
    void setBusyPointer(bool busy) override;
    double windowProperty(WindowProperty property) const override;
    void setWindowProperty(WindowProperty property, double twips) override;
    void stateChanged(MainPart part) override;
    void redraw(MainPart part) override;
    void moveSplashOutOfView() override;

    static constexpr UINT_PTR kTimer1 = 1;
    static constexpr UINT_PTR kClock = 2;

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void create();
    HWND makeCustomControl(const ui::ControlRow& row, HWND parent, const RECT& pixels, int id);
    void onCommand(int id, int code);
    void run(Command command);
    void renderZoneBox(HWND box, const ZoneNameBox& data, std::string_view prompt);
    void syncDebugList();

    std::unique_ptr<MainWindowCore> core_;
    HWND splash_ = nullptr;
    HMENU menu_ = nullptr;
    MainStatusBar statusBar_;
    FriendsListView sourceFriends_;
    FriendsListView targetFriends_;
    std::size_t debugLinesShown_ = 0;
    bool timer1Running_ = false;
    bool started_ = false;
    bool loading_ = false;
    bool closePending_ = false;
    bool unloaded_ = false;
};

} // namespace quorrin::win32
