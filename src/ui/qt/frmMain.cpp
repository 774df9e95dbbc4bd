#include "ui/qt/frmMain.h"

#include "ui/qt/FrameGeometry.h"
#include "ui/qt/FriendsListModel.h"
#include "ui/qt/LayoutBuilder.h"
#include "ui/qt/LayoutStyle.h"
#include "ui/qt/LogListModel.h"
#include "ui/qt/MainStatusBar.h"
#include "ui/qt/MousePointer.h"
#include "ui/qt/ProgramClosable.h"
#include "ui/qt/TextCodec.h"
#include "ui/qt/Twips.h"
#include "ui/WindowLayouts.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

// Resources of a static library are only linked when something asks for them.
static void initImages()
{
    Q_INIT_RESOURCE(images);
}

namespace quorrin {

namespace {

void renderZoneBox(QComboBox* box, const ZoneNameBox& data, std::string_view prompt)
{
    box->clear();
    for (const std::string& name : data.items)
        box->addItem(ui::decodeLocal(name));
    // Adding the first item selects it; nothing is selected until the user picks a name.
    const bool valid = data.selected >= 0 && static_cast<std::size_t>(data.selected) < data.items.size();
    box->setCurrentIndex(valid ? data.selected : -1);
    if (!valid)
        box->setEditText(ui::layoutText(prompt));
}

} // namespace

frmMain::frmMain(const Services& services, QWidget* parent)
    : QMainWindow(parent), core_(std::make_unique<MainWindowCore>(services, *this))
{
    initImages();
    sourceFriends_ = std::make_unique<ui::FriendsListModel>(core_->state.SourceListZoneNames, true);
    targetFriends_ = std::make_unique<ui::FriendsListModel>(core_->state.TargetListZoneNames, false);
    debugLog_ = std::make_unique<ui::LogListModel>(core_->state.DebugList);

    const ui::WindowLayout& layout = ui::frmMainLayout();
    setObjectName(ui::layoutText(layout.name));
    setWindowTitle(ui::layoutText(layout.caption));
    setWindowIcon(QIcon(QStringLiteral(":/images/icon.png")));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setAutoFillBackground(true);
    ui::applyColours(client, layout.colours);
    client->setFont(ui::layoutFont(layout.font));
    setCentralWidget(client);

    buildControls(client);
    sbStatusBar = new ui::MainStatusBar(this);
    setStatusBar(sbStatusBar);
    buildMenus();

    // The client area as laid out lies below the menu bar and holds the status bar.
    resize(ui::twipsToPixels(layout.clientWidth),
           ui::twipsToPixels(layout.clientHeight) + menuBar()->sizeHint().height());

    for (MainPart part : {MainPart::SourceList, MainPart::TargetList, MainPart::SourceListZoneNames,
                          MainPart::TargetListZoneNames, MainPart::Counters, MainPart::Mode})
        stateChanged(part);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(ui::kTimer1Interval);
    connect(Timer1, &QTimer::timeout, this, [this] { core_->Timer1_Timer(); });
    Timer1->start();

    BtnTransfer->setFocus();
}

frmMain::~frmMain() = default;

MainState& frmMain::state()
{
    return core_->state;
}

void frmMain::buildControls(QWidget* client)
{
    const ui::BuiltControls controls = ui::buildControls(client, ui::frmMainLayout());
    Label2 = controls.get<QLabel>("Label2");
    Label3 = controls.get<QLabel>("Label3");
    Label4 = controls.get<QLabel>("Label4");
    Label5 = controls.get<QLabel>("Label5");
    Picture1 = controls.get<QLabel>("Picture1");
    for (std::size_t i = 0; i < Label1.size(); ++i)
        Label1[i] = controls.get<QLabel>("Label1(" + std::to_string(i) + ")");
    BtnTransfer = controls.get<QPushButton>("BtnTransfer");
    SourceList = controls.get<QComboBox>("SourceList");
    TargetList = controls.get<QComboBox>("TargetList");
    SourceListZoneNames = controls.get<QListView>("SourceListZoneNames");
    TargetListZoneNames = controls.get<QListView>("TargetListZoneNames");
    Label6 = controls.get<QLabel>("Label6");
    DebugList = controls.get<QListView>("DebugList");
    TransferList = controls.get<QListView>("TransferList");

    SourceListZoneNames->setModel(sourceFriends_.get());
    TargetListZoneNames->setModel(targetFriends_.get());
    DebugList->setModel(debugLog_.get());

    connect(BtnTransfer, &QPushButton::clicked, this, [this] { core_->BtnTransfer_Click(); });
    connect(SourceList, &QComboBox::activated, this, &frmMain::SourceList_Click);
    connect(SourceList->lineEdit(), &QLineEdit::textEdited, this,
            [this] { core_->state.SourceList.selected = -1; });
    connect(TargetList, &QComboBox::activated, this, &frmMain::TargetList_Click);
    connect(TargetList->lineEdit(), &QLineEdit::textEdited, this,
            [this] { core_->state.TargetList.selected = -1; });
}

void frmMain::buildMenus()
{
    const auto actions =
        ui::buildMenus(menuBar(), ui::frmMainLayout(), [this](Command command) { run(command); });
    mnuNormal = actions.value(QStringLiteral("mnuNormal"));
    mnuDeveloper = actions.value(QStringLiteral("mnuDeveloper"));
}

void frmMain::run(Command command)
{
    switch (command) {
    case Command::FileExit:
        close();
        return;
    case Command::TipOfTheDay:
        emit tipRequested();
        return;
    case Command::HelpAbout:
        emit aboutRequested();
        return;
    default:
        core_->menu().run(command);
        // A checkable item has already flipped its own mark; the core's state says what it should show.
        stateChanged(MainPart::Mode);
        return;
    }
}

void frmMain::SourceList_Click(int index)
{
    core_->SourceList_Click(index);
    emit sourcePicked();
}

void frmMain::TargetList_Click(int index)
{
    core_->TargetList_Click(index);
    emit targetPicked();
}

void frmMain::setTimer1Enabled(bool enabled)
{
    // Enabling a running timer leaves its count alone.
    if (!enabled)
        Timer1->stop();
    else if (!Timer1->isActive())
        Timer1->start();
}

void frmMain::setBusyPointer(bool busy)
{
    ui::setBusyPointer(busy);
}

double frmMain::windowProperty(WindowProperty property) const
{
    return frame_.get(property);
}

void frmMain::setWindowProperty(WindowProperty property, double twips)
{
    frame_.set(property, twips);
}

void frmMain::stateChanged(MainPart part)
{
    const MainState& state = core_->state;
    switch (part) {
    case MainPart::SourceList:
        renderZoneBox(SourceList, state.SourceList, ui::kSourcePrompt);
        break;
    case MainPart::TargetList:
        renderZoneBox(TargetList, state.TargetList, ui::kTargetPrompt);
        break;
    case MainPart::SourceListZoneNames:
        sourceFriends_->reload();
        break;
    case MainPart::TargetListZoneNames:
        targetFriends_->reload();
        break;
    case MainPart::Counters:
        Label3->setText(ui::decodeLocal(state.Label3Caption));
        Label5->setText(ui::decodeLocal(state.Label5Caption));
        break;
    case MainPart::Mode:
        mnuNormal->setChecked(state.mnuNormalChecked);
        mnuDeveloper->setChecked(state.mnuDeveloperChecked);
        DebugList->setVisible(state.DebugListVisible);
        break;
    case MainPart::DebugList:
        debugLog_->sync();
        break;
    }
}

void frmMain::redraw(MainPart part)
{
    switch (part) {
    case MainPart::SourceList:
        SourceList->repaint();
        break;
    case MainPart::TargetList:
        TargetList->repaint();
        break;
    case MainPart::SourceListZoneNames:
        SourceListZoneNames->repaint();
        break;
    case MainPart::TargetListZoneNames:
        TargetListZoneNames->repaint();
        break;
    case MainPart::Counters:
        Label3->repaint();
        Label5->repaint();
        break;
    case MainPart::Mode:
    case MainPart::DebugList:
        DebugList->repaint();
        break;
    }
}

void frmMain::setSplashWindow(QWidget* splash)
{
    splash_ = splash;
}

void frmMain::moveSplashOutOfView()
{
    // Once the splash window is closed there is nothing to move.
    if (splash_)
        splash_->move(static_cast<int>(-1.1 * splash_->width()), splash_->y());
}

bool frmMain::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::Show || event->type() == QEvent::Move || event->type() == QEvent::Resize)
        frame_.frameMayHaveChanged();
    return handled;
}

void frmMain::Form_Load()
{
    loading_ = true;
    core_->Form_Load();
    loading_ = false;
    if (closePending_)
        close();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // A close that arrives while the start-up is still running (the session ends while a start-up box or the
    // folder picker is open) waits for the start-up to end, so the saving comes after everything the start-up
    // writes; the open box is answered with its close.
    if (loading_) {
        closePending_ = true;
        event->ignore();
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        return;
    }
    event->accept();
    if (unloaded_)
        return;
    unloaded_ = true;

    // Closing is never refused: the saving runs, then every other window of the program goes with this one.
    core_->Form_QueryUnload();
    Timer1->stop();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window == this || !window->isVisible())
            continue;
        if (auto* closable = dynamic_cast<ProgramClosable*>(window))
            closable->unloadByProgram();
        else
            window->close();
    }
}

} // namespace quorrin
