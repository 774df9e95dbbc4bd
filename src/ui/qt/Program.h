#pragma once

#include "app/MainWindowCore.h"
#include "ui/qt/frmSplash.h"

#include <memory>
#include <QPointer>

namespace quorrin {

class frmMain;

// The program's run: the splash window first, the main window from the splash window's timer, the tip of the
// day when the splash closes. Qt's event loop then runs until no window is left.
class Program
{
public:
    explicit Program(const Services& services);
    ~Program();

    void start();

private:
    void showMainWindow();
    void showTip();

    Services services_;
    std::unique_ptr<frmMain> main_;
    QPointer<frmSplash> splash_;
};

} // namespace quorrin
