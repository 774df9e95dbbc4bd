#include "ui/qt/SessionEnd.h"

#include "platform/TerminationSignal.h"

#include <QApplication>
#include <QPointer>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWidget>

namespace quorrin {

void closeOnSessionEnd(QWidget& mainWindow)
{
    QPointer<QWidget> window(&mainWindow);
    // The session manager's request to save; on Windows the log-off's query comes this way too.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &mainWindow, [window](QSessionManager&) {
        if (window)
            window->close();
    });

    const int descriptor = terminationSignalDescriptor();
    if (descriptor < 0)
        return;
    auto* notifier = new QSocketNotifier(descriptor, QSocketNotifier::Read, &mainWindow);
    QObject::connect(notifier, &QSocketNotifier::activated, &mainWindow, [window, descriptor] {
        acknowledgeTerminationSignal(descriptor);
        if (window)
            window->close();
    });
}

} // namespace quorrin
