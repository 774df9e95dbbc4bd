#include "ui/qt/MousePointer.h"

#include <QApplication>
#include <QCursor>

namespace quorrin::ui {

void setBusyPointer(bool busy)
{
    if (busy) {
        if (!QApplication::overrideCursor())
            QApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

ArrowPointerWhileOpen::ArrowPointerWhileOpen()
{
    QApplication::setOverrideCursor(Qt::ArrowCursor);
}

ArrowPointerWhileOpen::~ArrowPointerWhileOpen()
{
    QApplication::restoreOverrideCursor();
}

} // namespace quorrin::ui
