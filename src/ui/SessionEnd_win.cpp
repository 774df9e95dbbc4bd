#include "ui/SessionEnd.h"

#include <QApplication>
#include <QPointer>
#include <QSessionManager>
#include <QWidget>

namespace quorrin {

// Windows asks every program before a log-off or shut-down; Qt hands that on as the request to save.
void closeOnSessionEnd(QWidget& mainWindow)
{
    QPointer<QWidget> window(&mainWindow);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &mainWindow, [window](QSessionManager&) {
        if (window)
            window->close();
    });
}

} // namespace quorrin
