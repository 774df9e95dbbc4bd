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
