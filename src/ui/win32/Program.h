#pragma once

#include "app/MainWindowCore.h"

#include <memory>
#include <windows.h>

namespace quorrin::win32 {

class frmMain;
class frmSplash;
class Win32Dialogs;

// The program's run: the splash window first, the main window from the splash window's timer, the tip of the
// day when the splash closes; the message loop then runs until the main window is gone. The main window's
// controls are made, hidden, while the splash window waits; its start-up begins with the timer.
class Program
{
public:
    Program(const Services& services, Win32Dialogs& dialogs);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    void start();
    frmMain* mainWindow() const { return main_.get(); }

private:
    void prepareMainWindow();
    void showMainWindow();
    void showTip();

    Services services_;
    Win32Dialogs& dialogs_;
    std::unique_ptr<frmSplash> splash_;
    std::unique_ptr<frmMain> main_;
    UINT_PTR preparing_ = 0;
};

} // namespace quorrin::win32
