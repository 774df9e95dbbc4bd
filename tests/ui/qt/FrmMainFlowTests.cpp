#include "base/Contacts.h"
#include "base/Version.h"
#include "support/CoreWorld.h"
#include "support/ExpectedBoxes.h"
#include "ui/qt/frmMain.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

namespace quorrin {
namespace {

// The main window on a Zone folder holding Ann (three friends) and Bob (one friend), as the start-up left it.
struct FrmMainFlow : ::testing::Test, test::TestServices
{
    FrmMainFlow()
    {
        writeFriends("Ann", "[Friends]\r\nCy\r\nDee\r\nEve\r\n");
        writeFriends("Bob", "[Friends]\r\nCy\r\n");
        window.state().ZonePath = zone();
        window.state().SourceList.items = window.state().TargetList.items = {"Ann", "Bob"};
        window.stateChanged(MainPart::SourceList);
        window.stateChanged(MainPart::TargetList);
    }

    template<typename T = QWidget>
    T* find(const char* name)
    {
        return window.findChild<T*>(QLatin1String(name));
    }
    // A pick with the keyboard, from no selection: each arrow key press moves to the next name.
    void pick(const char* box, int position)
    {
        auto* combo = find<QComboBox>(box);
        for (int press = 0; press <= position; ++press)
            QTest::keyClick(combo, Qt::Key_Down);
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

TEST_F(FrmMainFlow, PickAndTransferThroughTheWidgets)
{
    pick("SourceList", 0);
    pick("TargetList", 1);
    // A pick fills that side's list, checked on the source side only.
    EXPECT_EQ(rows("SourceListZoneNames"), (QStringList{"Cy [x]", "Dee [x]", "Eve [x]"}));
    EXPECT_EQ(rows("TargetListZoneNames"), QStringList{"Cy"});
    auto* source = find<QListView>("SourceListZoneNames");
    source->setCurrentIndex(source->model()->index(1, 0));
    QTest::keyClick(source, Qt::Key_Space); // Dee stays behind

    dialogs.expectMessage(
        {"Are you sure you want to add 1 Items (Duplicated items are filtered out) to Bob's Zone "
         "Friends List ? ",
         "Question", MessageIcon::None, MessageButtons::OkCancel},
        MessageResult::Ok);
    dialogs.expectMessage(
        {"Transfer Complete. FriendsList Updated", "Done", MessageIcon::Information, MessageButtons::Ok});
    QTest::mouseClick(find<QPushButton>("BtnTransfer"), Qt::LeftButton);

    EXPECT_EQ(readFriends("Bob"), "[Friends]\r\nEve\r\nCy\r\n\r\n[#Watchers Allowed]\r\n\r\n[#Watchers Not "
                                  "Allowed]\r\n");
    EXPECT_EQ(readFriends("Bob", "Backup"), "[Friends]\r\nCy\r\n");
    EXPECT_EQ(rows("TargetListZoneNames"), (QStringList{"Eve", "Cy"}));
    EXPECT_EQ(find<QWidget>("Label3")->property("text").toString(), "1");
    EXPECT_EQ(find<QWidget>("Label5")->property("text").toString(), "1");
}

TEST_F(FrmMainFlow, ExitByMenuAndByCloseBoxSaveTheSameWay)
{
    window.show();
    find<QAction>("mnuFileExit")->trigger();
    EXPECT_FALSE(window.isVisible());
    const std::vector<std::string> byMenu = registry.writes();
    const std::string logByMenu = debugLog();

    test::TestServices other;
    other.dir.write("Favorites/Ann/Friends.txt", "");
    frmMain second(other.services());
    second.state().ZonePath = zone();
    second.state().SourceList.items = {"Ann", "Bob"};
    second.show();
    second.close();

    EXPECT_EQ(other.registry.writes(), byMenu);
    EXPECT_EQ(other.debugLog(), logByMenu);
    EXPECT_TRUE(logByMenu.ends_with("Normal Program Exit\r\n"));
}

// Typing over a picked name leaves no name picked, as the platform's combo box does, and reads nothing; the
// wheel picks only in the box that has the focus.
TEST_F(FrmMainFlow, TypingOrScrollingOverABoxPicksNothing)
{
    pick("SourceList", 0);
    const std::size_t logged = window.state().DebugList.size();
    auto* source = find<QComboBox>("SourceList");
    QTest::keyClicks(source->lineEdit(), "x");
    EXPECT_EQ(window.state().SourceList.selected, -1);

    auto* target = find<QComboBox>("TargetList");
    QWheelEvent wheel({5, 5}, target->mapToGlobal(QPoint(5, 5)), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
    EXPECT_EQ(window.state().TargetList.selected, -1);
    EXPECT_EQ(window.state().DebugList.size(), logged);
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
