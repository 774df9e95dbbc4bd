#include "base/Version.h"
#include "support/ExpectedBoxes.h"
#include "support/TransferWorld.h"
#include "ui/qt/frmMain.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

namespace quorrin {
namespace {

// The main window on a Zone folder holding Src (three friends, one of them with 8-bit bytes) and Dst (one
// friend), as the start-up left it.
struct FrmMainTest : ::testing::Test, test::TestServices
{
    FrmMainTest()
    {
        writeFriends("Src", "[Friends]\r\nCy\r\nDee\r\n\xc9ve\x80\r\n");
        writeFriends("Dst", "[Friends]\r\nCy\r\n");
        window.state().ZonePath = zone();
        window.state().SourceList.items = window.state().TargetList.items = {"Src", "Dst"};
        window.stateChanged(MainPart::SourceList);
        window.stateChanged(MainPart::TargetList);
    }

    template<typename T = QWidget>
    T* find(const char* name)
    {
        T* found = window.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void choose(const char* item) { find<QAction>(item)->trigger(); }
    QRect outer() const { return window.frameGeometry(); }
    // A pick with the keyboard, from no selection: each arrow key press moves to the next name.
    void pick(const char* box, int position)
    {
        for (int press = 0; press <= position; ++press)
            QTest::keyClick(find<QComboBox>(box), Qt::Key_Down);
    }
    QStringList rows(const char* list)
    {
        QStringList shown;
        const QAbstractItemModel* model = find<QListView>(list)->model();
        for (int row = 0; row < model->rowCount(); ++row)
            shown << model->index(row, 0).data().toString() +
                         (model->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked ? " [x]" : "");
        return shown;
    }

    frmMain window{services()};
};

TEST_F(FrmMainTest, ModeSwitchThroughTheMenuItems)
{
    // The checked mode items, and whether the log shows.
    const auto mode = [&] {
        return QString(find<QAction>("mnuNormal")->isChecked() ? "normal" : "") +
               (find<QAction>("mnuDeveloper")->isChecked() ? "developer" : "") +
               (find("DebugList")->isVisible() ? " log" : "");
    };
    window.show();
    choose("mnuNormal"); // already chosen: the item's own flip is undone, nothing else happens
    EXPECT_EQ(mode(), "normal");

    window.setGeometry(30, 40, 300, 200); // the user moved and resized the window
    choose("mnuDeveloper");
    EXPECT_EQ(outer(), QRect(105, 8, 551, 557));
    EXPECT_EQ(mode(), "developer log");

    window.move(20, 20);
    const QRect moved = outer();
    choose("mnuDeveloper");
    EXPECT_EQ(mode(), "developer log");
    EXPECT_EQ(outer(), moved);

    choose("mnuNormal");
    window.state().DebugList.add("written while hidden");
    EXPECT_EQ(outer(), QRect(105, 28, 551, 515));
    EXPECT_EQ(mode(), "normal");
    choose("mnuDeveloper");
    EXPECT_EQ(rows("DebugList"), (QStringList{"Developer Mode Activated", "Normal Mode Activated",
                                              "written while hidden", "Developer Mode Activated"}));
}

TEST_F(FrmMainTest, HelpAndLinkItemsReachTheDialogsAndTheShell)
{
    dialogs.expectMessage(
        {"Unable to display Help Contents. Unfortunately there is no HELP file available for "
         "this tool. If you have questions, please mail varlow@quorrin.example.net .",
         "Quorrin", MessageIcon::Information, MessageButtons::Ok});
    QStringList requested;
    QObject::connect(&window, &frmMain::tipRequested, [&] { requested << "tip"; });
    QObject::connect(&window, &frmMain::aboutRequested, [&] { requested << "about"; });
    for (const char* item : {"mnuHelpContents", "mnuLinksVarlow", "mnuMail", "mnuLinkKestrel", "mnuLinkZone",
                             "mnuTip", "mnuHelpAbout"})
        choose(item);
    EXPECT_EQ(requested, (QStringList{"tip", "about"}));
    EXPECT_EQ(shell.opened, (std::vector<std::string>{
                                "http://www.varlow.example.net/", "mailto:varlow@quorrin.example.net",
                                "http://www.kestrel-squad.example.org/", "http://zone.example.com/"}));
    EXPECT_TRUE(window.state().DebugList.entries().empty());
}

// A pick fills that side's list, checkable on the source side only. Names show decoded from the 8-bit code
// page and are written as the bytes they were read as; the log's timer stands still while the transfer runs.
TEST_F(FrmMainTest, PickAndTransferThroughTheWidgets)
{
    auto* timer = find<QTimer>("Timer1");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 5000);
    pick("SourceList", 0);
    pick("TargetList", 1);
    const QString eve = QString::fromUtf8("\u00c9ve\u20ac");
    EXPECT_EQ(rows("SourceListZoneNames"), (QStringList{"Cy [x]", "Dee [x]", eve + " [x]"}));
    EXPECT_EQ(rows("TargetListZoneNames"), QStringList{"Cy"});
    EXPECT_FALSE(find<QListView>("TargetListZoneNames")->model()->index(0, 0).flags() &
                 Qt::ItemIsUserCheckable);
    auto* source = find<QListView>("SourceListZoneNames");
    source->setCurrentIndex(source->model()->index(1, 0));
    QTest::keyClick(source, Qt::Key_Space); // Dee stays behind

    dialogs.onMessage = [&](const MessageBoxRequest&) { EXPECT_FALSE(timer->isActive()); };
    dialogs.expectMessage(test::transferQuestion(1), MessageResult::Ok);
    dialogs.expectMessage(test::kTransferDone);
    QTest::mouseClick(find<QPushButton>("BtnTransfer"), Qt::LeftButton);

    EXPECT_EQ(readFriends("Dst"),
              "[Friends]\r\n\xc9ve\x80\r\nCy\r\n\r\n[#Watchers Allowed]\r\n\r\n[#Watchers Not "
              "Allowed]\r\n");
    EXPECT_EQ(rows("TargetListZoneNames"), (QStringList{eve, "Cy"}));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(find("Label3")->property("text").toString(), "1");
    EXPECT_EQ(find("Label5")->property("text").toString(), "1");
}

// Typing over a picked name leaves no name picked and reads nothing; only a real pick runs the hook. The
// wheel picks only in the box that has the focus.
TEST_F(FrmMainTest, TypingOrScrollingOverABoxPicksNothing)
{
    int picks = 0;
    QObject::connect(&window, &frmMain::sourcePicked, [&] { ++picks; });
    auto* source = find<QComboBox>("SourceList");
    EXPECT_EQ(source->currentIndex(), -1);
    pick("SourceList", 0);
    EXPECT_EQ(picks, 1);
    const std::size_t logged = window.state().DebugList.size();
    source->setCurrentIndex(1);
    source->lineEdit()->clear();
    QTest::keyClicks(source->lineEdit(), "Src");
    QTest::keyClick(source->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(source->count(), 2);
    EXPECT_EQ(window.state().SourceList.selected, -1);

    auto* target = find<QComboBox>("TargetList");
    QWheelEvent wheel({5, 5}, target->mapToGlobal(QPoint(5, 5)), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
    EXPECT_EQ(window.state().TargetList.selected, -1);
    EXPECT_EQ(window.state().DebugList.size(), logged);
    EXPECT_EQ(picks, 1);
}

// Exit is a close of the window, as by its close box (FrmMainClose): the saving runs.
TEST_F(FrmMainTest, ExitThroughTheMenuSavesAndClosesTheWindow)
{
    window.show();
    choose("mnuFileExit");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(registry.text(RegRoot::CurrentUser, "Software\\Quorrin\\Settings", "CleanExit"), "True");
    EXPECT_TRUE(debugLog().ends_with("Normal Program Exit\r\n"));
}

// The session may end while a start-up box is open: the saving then follows the whole start-up, and the
// window is never shown.
TEST(FrmMainClose, ACloseDuringTheStartUpSavesAfterIt)
{
    test::TestServices world;
    world.registry.putText(RegRoot::CurrentUser, "Software\\Quorrin\\Info", "Version", version::text);
    world.registry.putText(RegRoot::CurrentUser, "Software\\Quorrin\\Settings", "CleanExit", "False");
    world.registry.putText(RegRoot::LocalMachine, "Software\\Microsoft\\Internet Gaming Zone\\Setup", "Path",
                           world.dir.str());
    world.dir.write("work/Debuglog.txt", "crashed run\r\n");
    frmMain window(world.services());
    world.dialogs.expectMessage(test::crashNoticeBox());
    world.dialogs.onMessage = [&](const MessageBoxRequest&) { window.close(); };

    window.Form_Load();

    EXPECT_TRUE(window.isUnloaded());
    EXPECT_EQ(world.registry.text(RegRoot::CurrentUser, "Software\\Quorrin\\Settings", "CleanExit"), "True");
    EXPECT_TRUE(world.debugLog().ends_with("Normal Program Exit\r\n"));
}

} // namespace
} // namespace quorrin
