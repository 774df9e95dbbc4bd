#include "ui/qt/frmSplash.h"

#include "base/RuntimeError.h"
#include "ui/qt/MousePointer.h"
#include "ui/qt/TextCodec.h"
#include "ui/qt/Twips.h"
#include "ui/WindowLayouts.h"

#include <exception>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

namespace quorrin {

frmSplash::frmSplash(Dialogs& dialogs, std::function<void()> showMainWindow, std::function<void()> showTip)
    // A frameless tool window: no title bar, no task bar entry, and unlike QSplashScreen it neither hides on
    // a click nor stays above the start-up's message boxes.
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), showMainWindow_(std::move(showMainWindow)),
      showTip_(std::move(showTip)),
      errors_(ErrorReporter::Window::Splash, heldLog_, dialogs, [this] { move(-width() * 11 / 10, y()); })
{
    const ui::WindowLayout& layout = ui::frmSplashLayout();
    setObjectName(ui::layoutText(layout.name));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(ui::twipsToPixels(layout.clientWidth), ui::twipsToPixels(layout.clientHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    tmrSplash = new QTimer(this);
    tmrSplash->setObjectName(QStringLiteral("tmrSplash"));
    tmrSplash->setSingleShot(true);
    // Qt's default coarse timer may fire up to 5 % early; the picture stays the full three seconds.
    tmrSplash->setTimerType(Qt::PreciseTimer);
    connect(tmrSplash, &QTimer::timeout, this, &frmSplash::tmrSplash_Timer);
}

template<typename Step>
void frmSplash::loadStep(Step&& step)
{
    try {
        step();
    } catch (...) {
        errors_.procError(toRuntimeError(std::current_exception()));
    }
}

void frmSplash::Form_Load()
{
    ui::setBusyPointer(true);
    // The picture is on screen before anything else happens.
    loadStep([this] {
        show();
        repaint();
    });
    loadStep([this] { tmrSplash->setInterval(ui::kSplashInterval); });
    loadStep([this] { tmrSplash->start(); });
}

void frmSplash::tmrSplash_Timer()
{
    // Each step runs whatever became of the one before; nothing here is reported.
    const auto quietly = [](auto&& step) {
        try {
            step();
        } catch (...) {
        }
    };
    quietly([this] { tmrSplash->stop(); });
    quietly([this] { showMainWindow_(); });
    quietly([] { ui::setBusyPointer(false); });
    quietly([this] {
        unloading_ = true;
        close();
    });
}

void frmSplash::closeEvent(QCloseEvent* event)
{
    // Only the timer closes the splash window; a close from the window system is not the user's to make.
    if (!unloading_) {
        event->ignore();
        return;
    }
    event->accept();
    try {
        showTip_();
    } catch (...) {
    }
}

void frmSplash::paintEvent(QPaintEvent*)
{
    static const QPixmap picture(QStringLiteral(":/images/logo.png"));
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture); // the few pixels that do not fit are cut off
}

} // namespace quorrin
