#pragma once

#include "app/ErrorReporter.h"
#include "base/DiagnosticLog.h"

#include <functional>
#include <QWidget>

class QTimer;

namespace quorrin {

class Dialogs;

// The first window of a run: the program's picture under the busy pointer for three seconds. Its timer then
// opens the main window (whose load runs the whole start-up while the splash stays up), restores the pointer
// and closes the splash, whose closing shows the tip of the day. It takes no keys or clicks of its own.
class frmSplash : public QWidget
{
    Q_OBJECT

public:
    // `showMainWindow` creates, loads and shows the main window; `showTip` shows the tip of the day.
    frmSplash(Dialogs& dialogs, std::function<void()> showMainWindow, std::function<void()> showTip);

    void Form_Load();
    void tmrSplash_Timer();

    // Errors reported before the main window exists; the main window's log takes them over.
    DiagnosticLog& heldLog() { return heldLog_; }

    QTimer* tmrSplash = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Runs one step of the load; a failing step is reported and the next one runs.
    template<typename Step>
    void loadStep(Step&& step);

    std::function<void()> showMainWindow_;
    std::function<void()> showTip_;
    DiagnosticLog heldLog_;
    ErrorReporter errors_;
    bool unloading_ = false;
};

} // namespace quorrin
