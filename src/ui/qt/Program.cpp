#include "ui/qt/Program.h"

#include "ui/qt/frmAbout.h"
#include "ui/qt/frmMain.h"
#include "ui/qt/frmSplash.h"
#include "ui/qt/frmTip.h"
#include "ui/qt/LayoutStyle.h"
#include "ui/qt/QtDialogs.h"
#include "ui/qt/SessionEnd.h"
#include "ui/WindowLayouts.h"

#include <QApplication>
#include <QFontInfo>
#include <QTimer>

namespace quorrin {

Program::Program(const Services& services) : services_(services) {}

Program::~Program() = default;

void Program::start()
{
    splash_ = new frmSplash(
        services_.dialogs, [this] { showMainWindow(); }, [this] { showTip(); });
    splash_->Form_Load();
    // The first text the main window lays out reads the whole font database, which takes a while: that is
    // done now, while the splash window waits.
    QTimer::singleShot(0, qApp, [] { (void)QFontInfo(ui::layoutFont(ui::frmMainLayout().font)).family(); });
}

void Program::showMainWindow()
{
    main_ = std::make_unique<frmMain>(services_);
    frmMain& window = *main_;
    window.setSplashWindow(splash_);
    if (auto* qtDialogs = dynamic_cast<QtDialogs*>(&services_.dialogs))
        qtDialogs->setMainWindow(&window);
    // Errors the splash window reported before the main window existed open its log.
    if (splash_) {
        for (const std::string& entry : splash_->heldLog().entries())
            window.state().DebugList.add(entry);
    }
    QObject::connect(&window, &frmMain::tipRequested, &window, [this] { showTip(); });
    QObject::connect(&window, &frmMain::aboutRequested, &window,
                     [this] { showAboutBox(services_.settings, services_.shell, main_.get()); });
    closeOnSessionEnd(window);

    window.Form_Load();
    // Closed while it loaded (the session ended): nothing is shown, and the program ends once the splash
    // window's timer is done with it.
    if (window.isUnloaded())
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    else
        window.show();
}

void Program::showTip()
{
    if (main_ && main_->isUnloaded())
        return;
    showTipOfTheDay(services_.settings);
}

} // namespace quorrin
