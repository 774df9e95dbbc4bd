#pragma once

#include <QStatusBar>

class QLabel;
class QTimer;

namespace quorrin::ui {

// The main window's status bar: a text panel that reads "Status" and never changes, then the date and the
// time, which it keeps current itself.
class MainStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit MainStatusBar(QWidget* parent);

private:
    void updateClock();

    QLabel* datePanel_ = nullptr;
    QLabel* timePanel_ = nullptr;
    QTimer* clock_ = nullptr;
};

} // namespace quorrin::ui
