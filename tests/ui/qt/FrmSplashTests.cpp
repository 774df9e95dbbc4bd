#include "support/FakeDialogs.h"
#include "ui/qt/frmSplash.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace quorrin {
namespace {

struct FrmSplashTest : ::testing::Test
{
    ~FrmSplashTest() override
    {
        delete splash.data();
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }

    bool busy() const { return QApplication::overrideCursor() != nullptr; }

    test::FakeDialogs dialogs;
    std::vector<std::string> events;
    QPointer<frmSplash> splash = new frmSplash(
        dialogs,
        [this] {
            events.push_back(std::string("main window loaded, splash ") +
                             (splash->isVisible() ? "up" : "gone") + (busy() ? ", busy" : ""));
        },
        [this] { events.push_back("tip shown"); });
};

// Only the timer ends the splash window: keys, clicks and close requests do nothing. Its tick opens the main
// window under the splash, then closes the splash and shows the tip, once.
TEST_F(FrmSplashTest, LoadShowsThePictureUnderTheBusyPointerUntilTheTimerTicks)
{
    splash->Form_Load();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(busy());
    EXPECT_EQ(splash->size(), QSize(239, 187));
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash->windowFlags() & Qt::WindowType_Mask, Qt::Tool) << "no task bar entry";
    EXPECT_TRUE(splash->tmrSplash->isActive());
    EXPECT_EQ(splash->tmrSplash->interval(), 3000);
    QTest::mouseClick(splash, Qt::LeftButton);
    QTest::keyClick(splash, Qt::Key_Escape);
    QTest::keyClick(splash, Qt::Key_Return);
    splash->close();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->tmrSplash->isActive());
    EXPECT_TRUE(events.empty());

    splash->tmrSplash_Timer();
    EXPECT_EQ(events, (std::vector<std::string>{"main window loaded, splash up, busy", "tip shown"}));
    EXPECT_FALSE(busy());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull()) << "a closed splash window is gone";
}

// The picture stays at least the three seconds: a timer that may fire a little early (Qt's coarse timers do,
// by up to 5 %) would cut them short.
TEST_F(FrmSplashTest, TheTickComesNoSoonerThanThreeSecondsAfterTheLoad)
{
    QElapsedTimer clock;
    clock.start();
    splash->Form_Load();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !events.empty(); }, 6000));
    EXPECT_GE(clock.elapsed(), 3000);
}

} // namespace
} // namespace quorrin
