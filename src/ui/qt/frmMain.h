#pragma once

#include "app/Command.h"
#include "app/MainState.h"
#include "app/MainView.h"
#include "app/MainWindowCore.h"
#include "ui/qt/FrameGeometry.h"

#include <array>
#include <memory>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QComboBox;
class QLabel;
class QListView;
class QMenu;
class QPushButton;
class QTimer;

namespace quorrin {

namespace ui {
class FriendsListModel;
class LogListModel;
class MainStatusBar;
} // namespace ui

// The main window: shows the core's MainState and hands the user's actions on. The handlers of other parts of
// the program are reached through the signals below.
class frmMain : public QMainWindow, public MainView
{
    Q_OBJECT

public:
    explicit frmMain(const Services& services, QWidget* parent = nullptr);
    ~frmMain() override;

    // The window's load: runs the start-up sequence. Called once, before the window is first shown.
    void Form_Load();

    // True once the window has been closed; it is never shown again.
    bool isUnloaded() const { return unloaded_; }

    MainState& state();

    // The splash window that errors move out of view while it is still up.
    void setSplashWindow(QWidget* splash);
    MainWindowCore& core() { return *core_; }

    void setTimer1Enabled(bool enabled) override;
    void setBusyPointer(bool busy) override;
    double windowProperty(WindowProperty property) const override;
    void setWindowProperty(WindowProperty property, double twips) override;
    void stateChanged(MainPart part) override;
    void redraw(MainPart part) override;
    void moveSplashOutOfView() override;

signals:
    void sourcePicked();   // the user picked a name in SourceList and its friends were read
    void targetPicked();   // the same for TargetList
    void tipRequested();   // mnuTip chosen
    void aboutRequested(); // mnuHelpAbout chosen

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls(QWidget* client);
    void buildMenus();
    void run(Command command);
    void SourceList_Click(int index);
    void TargetList_Click(int index);

    std::unique_ptr<MainWindowCore> core_;
    // Declared after core_, so they let go of the core's lists before it goes.
    std::unique_ptr<ui::FriendsListModel> sourceFriends_;
    std::unique_ptr<ui::FriendsListModel> targetFriends_;
    std::unique_ptr<ui::LogListModel> debugLog_;
    QPointer<QWidget> splash_;
    bool loading_ = false;
    bool closePending_ = false;
    bool unloaded_ = false;
    ui::FrameGeometry frame_{*this};

    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Picture1 = nullptr;
    std::array<QLabel*, 4> Label1{};
    QPushButton* BtnTransfer = nullptr;
    QComboBox* SourceList = nullptr;
    QComboBox* TargetList = nullptr;
    QListView* SourceListZoneNames = nullptr;
    QListView* TargetListZoneNames = nullptr;
    QLabel* Label6 = nullptr;
    QListView* DebugList = nullptr;
    QListView* TransferList = nullptr;
    ui::MainStatusBar* sbStatusBar = nullptr;
    QTimer* Timer1 = nullptr;

    QAction* mnuNormal = nullptr;
    QAction* mnuDeveloper = nullptr;
};

} // namespace quorrin
