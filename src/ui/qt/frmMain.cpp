#include "ui/qt/frmMain.h"

#include "ui/qt/FrameGeometry.h"
#include "ui/qt/FriendsListModel.h"
#include "ui/qt/LogListModel.h"
#include "ui/qt/MousePointer.h"
#include "ui/qt/ProgramClosable.h"
#include "ui/qt/TextCodec.h"
#include "ui/qt/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

// Resources of a static library are only linked when something asks for them.
static void initImages()
{
    Q_INIT_RESOURCE(images);
}

namespace quorrin {

namespace {

const QColor kBackground(104, 104, 104);
const QColor kForeground(230, 230, 230);

QFont verdana(bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

QFont msSansSerif()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(8.25);
    return font;
}

// The window's own greys, for the labels, the combo boxes and the friends lists.
void paintGrey(QWidget* widget)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, kBackground);
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText})
        palette.setColor(role, kForeground);
    widget->setPalette(palette);
}

// The platform's colours, marked as the widget's own so that the grey of the window does not reach it.
void keepDefaultColours(QWidget* widget)
{
    QPalette palette = QApplication::palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    }
    widget->setPalette(palette);
}

QLabel* label(QWidget* parent, const char* name, const QRect& twips, const QString& text,
              const QString& toolTip = {})
{
    auto* widget = ui::placeControl<QLabel>(parent, QLatin1String(name), twips);
    widget->setText(text);
    widget->setToolTip(toolTip);
    widget->setTextFormat(Qt::PlainText);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget->setAutoFillBackground(true); // labels are opaque and cover what lies under them
    paintGrey(widget);
    return widget;
}

class WheelOnlyWithFocus : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        return event->type() == QEvent::Wheel && widget && !widget->hasFocus();
    }
};

QObject& wheelOnlyWithFocus()
{
    static WheelOnlyWithFocus filter;
    return filter;
}

QComboBox* zoneNameBox(QWidget* parent, const char* name, int left, const QString& toolTip)
{
    auto* box = ui::placeControl<QComboBox>(parent, QLatin1String(name), {left, 2400, 2535, 315});
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // Typed text starts nothing: an editable QComboBox would complete it and, when typing ends on an item's
    // text, select that item and report it as activated, as if the user had picked it.
    box->setCompleter(nullptr);
    QObject::disconnect(box->lineEdit(), &QLineEdit::editingFinished, box, nullptr);
    box->setToolTip(toolTip);
    // The wheel picks a name only in the box that has the keyboard focus, never in one the pointer passes.
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(&wheelOnlyWithFocus());
    paintGrey(box);
    return box;
}

QListView* friendsList(QWidget* parent, const char* name, int left, int height, const QString& toolTip)
{
    auto* list = ui::placeControl<QListView>(parent, QLatin1String(name), {left, 3840, 2535, height});
    list->setToolTip(toolTip);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    paintGrey(list);
    return list;
}

void renderZoneBox(QComboBox* box, const ZoneNameBox& data, const QString& caption)
{
    box->clear();
    for (const std::string& name : data.items)
        box->addItem(ui::decodeLocal(name));
    // Adding the first item selects it; nothing is selected until the user picks a name.
    const bool valid = data.selected >= 0 && static_cast<std::size_t>(data.selected) < data.items.size();
    box->setCurrentIndex(valid ? data.selected : -1);
    if (!valid)
        box->setEditText(caption);
}

QLabel* statusPanel(QStatusBar* bar)
{
    auto* panel = new QLabel(bar);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMinimumWidth(ui::twipsToPixels(1440));
    return panel;
}

} // namespace

frmMain::frmMain(const Services& services, QWidget* parent)
    : QMainWindow(parent), core_(std::make_unique<MainWindowCore>(services, *this))
{
    initImages();
    sourceFriends_ = std::make_unique<ui::FriendsListModel>(core_->state.SourceListZoneNames, true);
    targetFriends_ = std::make_unique<ui::FriendsListModel>(core_->state.TargetListZoneNames, false);
    debugLog_ = std::make_unique<ui::LogListModel>(core_->state.DebugList);

    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quorrin"));
    setWindowIcon(QIcon(QStringLiteral(":/images/icon.png")));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setAutoFillBackground(true);
    paintGrey(client);
    client->setFont(verdana());
    setCentralWidget(client);

    buildControls(client);
    buildStatusBar();
    buildMenus();
    orderTabs();

    // The client area as laid out lies below the menu bar and holds the status bar.
    resize(ui::twipsToPixels(8175), ui::twipsToPixels(7710) + menuBar()->sizeHint().height());

    for (MainPart part : {MainPart::SourceList, MainPart::TargetList, MainPart::SourceListZoneNames,
                          MainPart::TargetListZoneNames, MainPart::Counters, MainPart::Mode})
        stateChanged(part);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
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
    const QString transfers = QStringLiteral("Number of transfers this program has performed yet");
    const QString moved = QStringLiteral("Number of Zone Names this program has transfered for you");
    Label2 = label(client, "Label2", {0, 240, 3735, 255},
                   QStringLiteral("Total Transfers Done With This program :"), transfers);
    Label3 = label(client, "Label3", {3600, 240, 1335, 255}, {}, transfers);
    Label3->setFont(msSansSerif());
    Label4 = label(client, "Label4", {0, 600, 4335, 255},
                   QStringLiteral("Total Friends Moved With This program :"), moved);
    Label5 = label(client, "Label5", {3600, 600, 975, 255}, {}, moved);
    Label5->setFont(msSansSerif());

    Picture1 = ui::placeControl<QLabel>(client, QStringLiteral("Picture1"), {6000, 120, 1875, 1620});
    Picture1->setPixmap(QPixmap(QStringLiteral(":/images/picture1.png")));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setToolTip(QStringLiteral("Kestrel combat FS Virtual Squad"));
    Picture1->setFont(msSansSerif());
    keepDefaultColours(Picture1);
    Picture1->setAutoFillBackground(true);

    Label1[0] = label(client, "Label1(0)", {360, 1920, 2535, 255}, QStringLiteral("Source Zone Name"));
    Label1[1] = label(client, "Label1(1)", {5280, 1920, 2535, 255}, QStringLiteral("Target Zone Name "));

    BtnTransfer =
        ui::placeControl<QPushButton>(client, QStringLiteral("BtnTransfer"), {3240, 2280, 1695, 495});
    BtnTransfer->setText(QStringLiteral("Transfer ----->"));
    BtnTransfer->setToolTip(QStringLiteral("Press this button to start the transfer"));
    BtnTransfer->setFont(verdana(true));
    keepDefaultColours(BtnTransfer);
    connect(BtnTransfer, &QPushButton::clicked, this, [this] { core_->BtnTransfer_Click(); });

    SourceList = zoneNameBox(client, "SourceList", 360, QStringLiteral("Select the source Zone Name"));
    SourceList->lineEdit()->setPlaceholderText(QStringLiteral("Select Source Name"));
    connect(SourceList, &QComboBox::activated, this, &frmMain::SourceList_Click);
    connect(SourceList->lineEdit(), &QLineEdit::textEdited, this,
            [this] { core_->state.SourceList.selected = -1; });
    TargetList = zoneNameBox(client, "TargetList", 5280, QStringLiteral("Select the target Zone Name"));
    TargetList->lineEdit()->setPlaceholderText(QStringLiteral("Select Target Name"));
    connect(TargetList, &QComboBox::activated, this, &frmMain::TargetList_Click);
    connect(TargetList->lineEdit(), &QLineEdit::textEdited, this,
            [this] { core_->state.TargetList.selected = -1; });

    Label1[2] = label(client, "Label1(2)", {0, 3480, 3855, 255},
                      QStringLiteral("Friends Form Selected Source Zone Name "));
    Label1[3] = label(client, "Label1(3)", {4440, 3480, 4455, 255},
                      QStringLiteral("Friends  Form Selected Target Zone Name "));

    SourceListZoneNames = friendsList(client, "SourceListZoneNames", 360, 1185,
                                      QStringLiteral("Friends From Selected Source Zone Name"));
    SourceListZoneNames->setModel(sourceFriends_.get());
    TargetListZoneNames = friendsList(client, "TargetListZoneNames", 5280, 1230,
                                      QStringLiteral("Friends From Selected Target Zone Name"));
    TargetListZoneNames->setModel(targetFriends_.get());

    Label6 = label(
        client, "Label6", {120, 5520, 7935, 975},
        QStringLiteral("You can make your own selection by un-checking everyone you DO NOT want to be copied "
                       "to the Selected Target Name. Leaving everythin checked will copy all the friends "
                       "from the selected Source Name to the Selected Target Name (Duplicated names  will "
                       "be filtered out automatically, so you will not gett double names on your friends "
                       "lists)"));
    Label6->setWordWrap(true);

    DebugList = ui::placeControl<QListView>(client, QStringLiteral("DebugList"), {1080, 6480, 5775, 840});
    DebugList->setToolTip(QStringLiteral("Extended Debug information (EDI)"));
    DebugList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DebugList->setUniformItemSizes(true);
    keepDefaultColours(DebugList);
    DebugList->setModel(debugLog_.get());

    // The transfer's working list lives in the core; this box only keeps the control in its place, unseen.
    TransferList =
        ui::placeControl<QListWidget>(client, QStringLiteral("TransferList"), {120, 7560, 615, 255});
    TransferList->setFont(msSansSerif());
    keepDefaultColours(TransferList);
    TransferList->hide();
}

void frmMain::buildStatusBar()
{
    sbStatusBar = new QStatusBar(this);
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    sbStatusBar->setFixedHeight(ui::twipsToPixels(270));
    sbStatusBar->setFont(verdana());
    setStatusBar(sbStatusBar);

    statusPanel_ = statusPanel(sbStatusBar);
    statusPanel_->setText(QStringLiteral("Status"));
    datePanel_ = statusPanel(sbStatusBar);
    timePanel_ = statusPanel(sbStatusBar);
    sbStatusBar->addWidget(statusPanel_, 1);
    sbStatusBar->addPermanentWidget(datePanel_);
    sbStatusBar->addPermanentWidget(timePanel_);

    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &frmMain::updateClock);
    clock_->start();
    updateClock();
}

void frmMain::updateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    datePanel_->setText(locale.toString(now.date(), QLocale::ShortFormat));
    timePanel_->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

void frmMain::buildMenus()
{
    const auto menu = [this](const char* name, const QString& caption) {
        QMenu* created = menuBar()->addMenu(caption);
        created->setObjectName(QLatin1String(name));
        return created;
    };
    const auto item = [](QMenu* parent, const char* name, const QString& caption) {
        QAction* created = caption.isEmpty() ? parent->addSeparator() : parent->addAction(caption);
        created->setObjectName(QLatin1String(name));
        return created;
    };

    mnuFile = menu("mnuFile", QStringLiteral("&File"));
    mnuFileExit = item(mnuFile, "mnuFileExit", QStringLiteral("E&xit"));
    connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);

    mnuOption = menu("mnuOption", QStringLiteral("&Options"));
    mnuNormal = item(mnuOption, "mnuNormal", QStringLiteral("&Normal Mode"));
    mnuDeveloper = item(mnuOption, "mnuDeveloper", QStringLiteral("&Developer Mode"));
    mnuNormal->setCheckable(true);
    mnuDeveloper->setCheckable(true);
    onMenuItem(mnuNormal, &MainMenu::mnuNormal_Click);
    onMenuItem(mnuDeveloper, &MainMenu::mnuDeveloper_Click);

    mnuLinkS = menu("mnuLinkS", QStringLiteral("&Usefull Links"));
    mnuLinksVarlow = item(mnuLinkS, "mnuLinksVarlow", QStringLiteral("&Varlows Site"));
    mnuMail = item(mnuLinkS, "mnuMail", QStringLiteral("&Send me a Mail"));
    mnuDiv2 = item(mnuLinkS, "mnuDiv2", {});
    mnuLinkKestrel = item(mnuLinkS, "mnuLinkKestrel", QStringLiteral("&Kestrel Squads Homepage"));
    mnuDiv4 = item(mnuLinkS, "mnuDiv4", {});
    mnuLinkZone = item(mnuLinkS, "mnuLinkZone", QStringLiteral("Microsoft Internet Gaming Zone"));
    onMenuItem(mnuLinksVarlow, &MainMenu::mnuLinksVarlow_Click);
    onMenuItem(mnuMail, &MainMenu::mnuMail_Click);
    onMenuItem(mnuLinkKestrel, &MainMenu::mnuLinkKestrel_Click);
    onMenuItem(mnuLinkZone, &MainMenu::mnuLinkZone_Click);

    mnuHelp = menu("mnuHelp", QStringLiteral("&Help"));
    mnuTip = item(mnuHelp, "mnuTip", QStringLiteral("&Tip of the Day ..."));
    mnudiv1 = item(mnuHelp, "mnudiv1", {});
    mnuHelpContents = item(mnuHelp, "mnuHelpContents", QStringLiteral("&Help Topics..."));
    mnuHelpBar0 = item(mnuHelp, "mnuHelpBar0", {});
    mnuHelpAbout = item(mnuHelp, "mnuHelpAbout", QStringLiteral("&About"));
    connect(mnuTip, &QAction::triggered, this, &frmMain::tipRequested);
    onMenuItem(mnuHelpContents, &MainMenu::mnuHelpContents_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMain::aboutRequested);
}

void frmMain::onMenuItem(QAction* item, void (MainMenu::*handler)())
{
    connect(item, &QAction::triggered, this, [this, handler] {
        (core_->menu().*handler)();
        // A checkable item has already flipped its own mark; the core's state says what it should show.
        stateChanged(MainPart::Mode);
    });
}

// The keyboard focus order; labels and the picture take no focus, and the hidden TransferList is skipped.
void frmMain::orderTabs()
{
    Picture1->setFocusPolicy(Qt::TabFocus);
    QWidget* const order[] = {BtnTransfer,  DebugList,  SourceListZoneNames, TargetListZoneNames,
                              TransferList, SourceList, TargetList,          Picture1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
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
        renderZoneBox(SourceList, state.SourceList, QStringLiteral("Select Source Name"));
        break;
    case MainPart::TargetList:
        renderZoneBox(TargetList, state.TargetList, QStringLiteral("Select Target Name"));
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
