#pragma once

#include "app/ErrorReporter.h"
#include "base/DiagnosticLog.h"
#include "ui/win32/Win32Window.h"

#include <functional>

namespace quorrin {

class Dialogs;

namespace win32 {

// The first window of a run: the program's picture under the busy pointer for three seconds. Its timer then
// opens the main window (whose load runs the whole start-up while the splash stays up), restores the pointer
// and destroys the splash, then shows the tip of the day. It takes no keys or clicks, and no close but its
// timer's.
class frmSplash final : public Win32Window
{
public:
    // `showMainWindow` creates, loads and shows the main window; `showTip` shows the tip of the day.
    frmSplash(Dialogs& dialogs, std::function<void()> showMainWindow, std::function<void()> showTip);
    ~frmSplash() override;

    void Form_Load();
    void tmrSplash_Timer();

    // Errors reported before the main window exists; the main window's log takes them over.
    DiagnosticLog& heldLog() { return heldLog_; }

    static constexpr UINT_PTR kTimer = 1;

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Runs one step of the load; a failing step is reported and the next one runs.
    template<typename Step>
    void loadStep(Step&& step);
    void moveOutOfView();

    std::function<void()> showMainWindow_;
    std::function<void()> showTip_;
    DiagnosticLog heldLog_;
    ErrorReporter errors_;
    HBITMAP picture_ = nullptr;
    SIZE pictureSize_{};
};

} // namespace win32
} // namespace quorrin
