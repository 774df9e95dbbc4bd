#include "support/CoreWorld.h"
#include "ui/qt/frmMain.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace quorrin {
namespace {

struct FrmMainTest : ::testing::Test, test::TestServices
{
    frmMain window{services()};

    template<typename T = QWidget>
    T* find(const char* name)
    {
        T* found = window.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void choose(const char* item) { find<QAction>(item)->trigger(); }
    QRect outer() const { return window.frameGeometry(); }
};

TEST_F(FrmMainTest, ControlsAreNamedPlacedAndLabelledAsLaidOut)
{
    const QString transfers = "Number of transfers this program has performed yet";
    const QString moved = "Number of Zone Names this program has transfered for you";
    const struct
    {
        const char* name;
        const char* kind;
        QRect pixels;
        QString text;
        QString toolTip;
    } controls[] = {
        // clang-format off
        {"Label2", "QLabel", {0, 16, 249, 17}, "Total Transfers Done With This program :", transfers},
        {"Label3", "QLabel", {240, 16, 89, 17}, "0", transfers},
        {"Label4", "QLabel", {0, 40, 289, 17}, "Total Friends Moved With This program :", moved},
        {"Label5", "QLabel", {240, 40, 65, 17}, "0", moved},
        {"Picture1", "QLabel", {400, 8, 125, 108}, "", "Kestrel combat FS Virtual Squad"},
        {"Label1(0)", "QLabel", {24, 128, 169, 17}, "Source Zone Name", ""},
        {"Label1(1)", "QLabel", {352, 128, 169, 17}, "Target Zone Name ", ""},
        {"BtnTransfer", "QPushButton", {216, 152, 113, 33}, "Transfer ----->", "Press this button to start the transfer"},
        {"SourceList", "QComboBox", {24, 160, 169, 21}, "Select Source Name", "Select the source Zone Name"},
        {"TargetList", "QComboBox", {352, 160, 169, 21}, "Select Target Name", "Select the target Zone Name"},
        {"Label1(2)", "QLabel", {0, 232, 257, 17}, "Friends Form Selected Source Zone Name ", ""},
        {"Label1(3)", "QLabel", {296, 232, 297, 17}, "Friends  Form Selected Target Zone Name ", ""},
        {"SourceListZoneNames", "QListView", {24, 256, 169, 79}, "", "Friends From Selected Source Zone Name"},
        {"TargetListZoneNames", "QListView", {352, 256, 169, 82}, "", "Friends From Selected Target Zone Name"},
        {"Label6", "QLabel", {8, 368, 529, 65}, "", ""},
        {"DebugList", "QListView", {72, 432, 385, 56}, "", "Extended Debug information (EDI)"},
        {"TransferList", "QListWidget", {8, 504, 41, 17}, "", ""},
        // clang-format on
    };
    for (const auto& c : controls) {
        QWidget* widget = find(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), c.kind) << c.name;
        EXPECT_EQ(widget->geometry(), c.pixels) << c.name;
        const QVariant text = widget->property(c.kind == std::string("QComboBox") ? "currentText" : "text");
        if (!c.text.isEmpty()) {
            EXPECT_EQ(text.toString(), c.text) << c.name;
        }
        EXPECT_EQ(widget->toolTip(), c.toolTip) << c.name;
    }
    EXPECT_TRUE(
        find<QLabel>("Label6")->text().endsWith("(Duplicated names  will be filtered out automatically, so "
                                                "you will not gett double names on your friends lists)"));
    EXPECT_EQ(window.windowTitle(), "Quorrin");
    EXPECT_FALSE(find("TransferList")->isVisibleTo(&window));
    EXPECT_EQ(find<QLabel>("Picture1")->pixmap().size(), QSize(125, 108));
    EXPECT_EQ(find("Label2")->palette().color(QPalette::Window), QColor(104, 104, 104));
    EXPECT_EQ(find("SourceListZoneNames")->palette().color(QPalette::Text), QColor(230, 230, 230));
    EXPECT_NE(find("DebugList")->palette().color(QPalette::Base), QColor(104, 104, 104));
    EXPECT_TRUE(find("BtnTransfer")->font().bold());
    EXPECT_EQ(find("Label3")->font().families().value(0), "MS Sans Serif");

    QStatusBar* bar = find<QStatusBar>("sbStatusBar");
    const QList<QLabel*> panels = bar->findChildren<QLabel*>();
    ASSERT_EQ(panels.size(), 3);
    EXPECT_EQ(panels[0]->text(), "Status");
    EXPECT_EQ(bar->height(), 18);
}

TEST_F(FrmMainTest, FocusStartsOnTransferAndFollowsTheTabOrder)
{
    EXPECT_EQ(window.focusWidget(), find("BtnTransfer"));
    const QStringList expected = {"BtnTransfer",  "DebugList",  "SourceListZoneNames", "TargetListZoneNames",
                                  "TransferList", "SourceList", "TargetList",          "Picture1"};
    QStringList order;
    for (QWidget* w = find("BtnTransfer"); order.size() < expected.size(); w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && expected.contains(w->objectName()) &&
            !order.contains(w->objectName()))
            order << w->objectName();
    }
    EXPECT_EQ(order, expected);
}

TEST_F(FrmMainTest, MenusHaveTheirCaptionsSeparatorsAndNoShortcuts)
{
    const std::vector<std::pair<QString, QStringList>> menus = {
        // clang-format off
        {"mnuFile &File", {"mnuFileExit E&xit"}},
        {"mnuOption &Options", {"mnuNormal &Normal Mode", "mnuDeveloper &Developer Mode"}},
        {"mnuLinkS &Usefull Links", {"mnuLinksVarlow &Varlows Site", "mnuMail &Send me a Mail", "mnuDiv2 -",
                                     "mnuLinkKestrel &Kestrel Squads Homepage", "mnuDiv4 -", "mnuLinkZone Microsoft Internet Gaming Zone"}},
        {"mnuHelp &Help", {"mnuTip &Tip of the Day ...", "mnudiv1 -", "mnuHelpContents &Help Topics...", "mnuHelpBar0 -",
                           "mnuHelpAbout &About"}},
        // clang-format on
    };
    const QList<QAction*> bar = window.menuBar()->actions();
    ASSERT_EQ(bar.size(), static_cast<qsizetype>(menus.size()));
    for (std::size_t m = 0; m < menus.size(); ++m) {
        QMenu* menu = bar[static_cast<qsizetype>(m)]->menu();
        EXPECT_EQ(menu->objectName() + " " + menu->title(), menus[m].first);
        QStringList items;
        for (QAction* item : menu->actions()) {
            items << item->objectName() + " " + (item->isSeparator() ? "-" : item->text());
            EXPECT_TRUE(item->shortcut().isEmpty()) << item->objectName().toStdString();
        }
        EXPECT_EQ(items, menus[m].second);
    }
}

TEST_F(FrmMainTest, ModeSwitchThroughTheMenuItems)
{
    window.show();
    QWidget* debugList = find("DebugList");
    QAction* normal = find<QAction>("mnuNormal");
    QAction* developer = find<QAction>("mnuDeveloper");
    choose("mnuNormal"); // already chosen: the item's own flip is undone, nothing else happens
    EXPECT_TRUE(normal->isChecked());
    EXPECT_FALSE(debugList->isVisible());

    window.setGeometry(30, 40, 300, 200); // the user moved and resized the window
    choose("mnuDeveloper");
    EXPECT_EQ(outer(), QRect(105, 8, 551, 557));
    EXPECT_TRUE(debugList->isVisible());
    EXPECT_TRUE(developer->isChecked());
    EXPECT_FALSE(normal->isChecked());

    window.move(20, 20);
    const QRect moved = outer();
    choose("mnuDeveloper");
    EXPECT_TRUE(developer->isChecked());
    EXPECT_EQ(outer(), moved);

    choose("mnuNormal");
    window.state().DebugList.add("written while hidden");
    EXPECT_EQ(outer(), QRect(105, 28, 551, 515));
    EXPECT_FALSE(debugList->isVisible());
    EXPECT_FALSE(developer->isChecked());
    choose("mnuDeveloper");
    const QAbstractItemModel* log = find<QListView>("DebugList")->model();
    QStringList rows;
    for (int row = 0; row < log->rowCount(); ++row)
        rows << log->index(row, 0).data().toString();
    EXPECT_EQ(rows, (QStringList{"Developer Mode Activated", "Normal Mode Activated", "written while hidden",
                                 "Developer Mode Activated"}));
}

TEST_F(FrmMainTest, HelpAndLinkItemsReachTheDialogsAndTheShell)
{
    dialogs.expectMessage(
        {"Unable to display Help Contents. Unfortunately there is no HELP file available for "
         "this tool. If you have questions, please mail varlow@quorrin.example.net .",
         "Quorrin", MessageIcon::Information, MessageButtons::Ok});
    for (const char* item : {"mnuHelpContents", "mnuLinksVarlow", "mnuMail", "mnuLinkKestrel", "mnuLinkZone"})
        choose(item);
    EXPECT_EQ(shell.opened, (std::vector<std::string>{
                                "http://www.varlow.example.net/", "mailto:varlow@quorrin.example.net",
                                "http://www.kestrel-squad.example.org/", "http://zone.example.com/"}));
    EXPECT_TRUE(window.state().DebugList.entries().empty());
}

TEST_F(FrmMainTest, ZoneNameBoxesRunTheHookOnAUserPickOnly)
{
    int picks = 0;
    QObject::connect(&window, &frmMain::sourcePicked, [&] { ++picks; });
    window.state().SourceList.items = {"Alpha", "Bravo"};
    window.stateChanged(MainPart::SourceList);
    auto* box = find<QComboBox>("SourceList");
    EXPECT_EQ(box->currentIndex(), -1);
    box->setCurrentIndex(1);
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), "Alpha");
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(box->count(), 2);
    EXPECT_EQ(picks, 0);
    emit box->activated(1); // what a pick with the mouse or the keyboard sends
    EXPECT_EQ(picks, 1);
}

TEST_F(FrmMainTest, SourceFriendsAreCheckableAndDecodedTargetFriendsPlain)
{
    window.state().SourceListZoneNames.append("Caf\xe9\x80");
    window.state().TargetListZoneNames.append("Plain");
    window.stateChanged(MainPart::SourceListZoneNames);
    window.stateChanged(MainPart::TargetListZoneNames);
    auto* source = find<QListView>("SourceListZoneNames");
    const QModelIndex entry = source->model()->index(0, 0);
    EXPECT_EQ(entry.data().toString(), QString::fromUtf8("Caf\u00e9\u20ac"));
    EXPECT_EQ(entry.data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);

    source->setCurrentIndex(entry);
    QTest::keyClick(source, Qt::Key_Space);
    EXPECT_EQ(window.state().SourceListZoneNames.checked, std::vector<bool>{true});
    EXPECT_EQ(window.state().SourceListZoneNames.entries[0], "Caf\xe9\x80"); // bytes kept as read
    const QModelIndex target = find<QListView>("TargetListZoneNames")->model()->index(0, 0);
    EXPECT_FALSE(target.flags() & Qt::ItemIsUserCheckable);
}

TEST_F(FrmMainTest, Timer1RunsFromTheStartAndFollowsTheCore)
{
    auto* timer = find<QTimer>("Timer1");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 5000);
    window.setTimer1Enabled(false);
    EXPECT_FALSE(timer->isActive());
}

} // namespace
} // namespace quorrin
