#include "ui/win32/Program.h"

#include "ui/win32/frmAbout.h"
#include "ui/win32/frmMain.h"
#include "ui/win32/frmSplash.h"
#include "ui/win32/frmTip.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/Win32Dialogs.h"

namespace quorrin::win32 {

Program::Program(const Services& services, Win32Dialogs& dialogs) : services_(services), dialogs_(dialogs) {}

Program::~Program()
{
    cancelIdleTask(preparing_);
}

void Program::start()
{
    splash_ = std::make_unique<frmSplash>(
        services_.dialogs, [this] { showMainWindow(); }, [this] { showTip(); });
    splash_->Form_Load();
    // Under Wine each control made is a round trip to its server, a tenth of a second for the main window's:
    // they are made now, while the splash window waits.
    preparing_ = runWhenIdle([this] { prepareMainWindow(); });
}

void Program::prepareMainWindow()
{
    preparing_ = 0;
    if (main_)
        return;
    try {
        main_ = std::make_unique<frmMain>(services_);
    } catch (...) {
        // Made again when the splash window's timer shows it, where a failure is reported.
        main_.reset();
    }
}

void Program::showMainWindow()
{
    cancelIdleTask(preparing_);
    preparing_ = 0;
    if (!main_)
        main_ = std::make_unique<frmMain>(services_);
    frmMain& window = *main_;
    window.endsMessageLoop = true;
    window.setSplashWindow(splash_ ? splash_->hwnd() : nullptr);
    dialogs_.setMainWindow(window.hwnd());
    // Errors the splash window reported before the main window existed open its log.
    if (splash_) {
        for (const std::string& entry : splash_->heldLog().entries())
            window.state().DebugList.add(entry);
    }
    window.onTipRequested = [this] { showTip(); };
    window.onAboutRequested = [this] { showAboutBox(services_.settings, services_.shell, main_->hwnd()); };
    window.onClosing = [](CloseReason) {
        // The tip dialog goes without saving; an open about box ends with its owner.
        closeTipOfTheDay();
    };

    window.Form_Load();
    // Closed while it loaded (the session ended): nothing is shown, and the program ends.
    if (!window.isUnloaded()) {
        ShowWindow(window.hwnd(), SW_SHOWNORMAL);
        UpdateWindow(window.hwnd());
    }
}

void Program::showTip()
{
    if (main_ && main_->isUnloaded())
        return;
    showTipOfTheDay(services_.settings);
}

} // namespace quorrin::win32
