#include "settings/Schema.h"
#include "support/CoreWorld.h"
#include "ui/qt/frmAbout.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

namespace quorrin {
namespace {

struct FrmAboutTest : ::testing::Test, test::TestServices
{
    std::unique_ptr<frmAbout> box = std::make_unique<frmAbout>(settings, shell, nullptr);

    template<typename T = QWidget>
    T* find(const QString& name)
    {
        T* found = box->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QList<int> visiblePages()
    {
        QList<int> shown;
        for (int i = 1; i <= 4; ++i)
            if (find(QStringLiteral("fraInfo(%1)").arg(i))->isVisibleTo(box.get()))
                shown << i;
        return shown;
    }
};

// Loading moves the pages onto the first one and the version line one line below the logo, as wide as its
// text; the tabs then show one page at a time, starting with the version.
TEST_F(FrmAboutTest, PagesShareOnePlaceAndTheVersionLineFollowsTheLogo)
{
    const QLabel* line = find<QLabel>("lblBuild");
    EXPECT_EQ(line->text(), "Quorrin Tool Version:  V1.027");
    const QRect logo = find("picLogo")->geometry();
    const int width = QFontMetrics(box->font()).horizontalAdvance(line->text());
    EXPECT_EQ(line->geometry(), QRect(logo.left(), logo.bottom() + 1 + 13, width, 13));

    auto* tabs = find<QTabBar>("tabStrip");
    for (int i = 2; i <= 4; ++i)
        EXPECT_EQ(find(QStringLiteral("fraInfo(%1)").arg(i))->geometry(), find("fraInfo(1)")->geometry());

    EXPECT_EQ(visiblePages(), QList<int>{1});
    box->tabStrip_Click(); // the tab already selected
    EXPECT_EQ(visiblePages(), QList<int>{1});
    tabs->setCurrentIndex(2);
    EXPECT_EQ(visiblePages(), QList<int>{3});
    tabs->setCurrentIndex(0);
    EXPECT_EQ(visiblePages(), QList<int>{1});
    EXPECT_EQ(box->currentFrame(), 1);
}

TEST_F(FrmAboutTest, SystemInfoButtonShowsOnlyWhenItsProgramIsRegisteredAndStartsIt)
{
    // No key at all, an empty value, a program's path.
    for (const char* path : {static_cast<const char*>(nullptr), "", "C:\\Program Files\\msinfo32.exe"}) {
        if (path)
            registry.putText(RegRoot::LocalMachine, std::string(schema::kSystemInfoKey), "Path", path);
        box = std::make_unique<frmAbout>(settings, shell, nullptr);
        EXPECT_EQ(find("cmdSysInfo")->isHidden(), !path || !*path) << (path ? path : "no key");
        EXPECT_EQ(registry.openHandles(), 0);
        if (path && *path)
            QTest::mouseClick(find("cmdSysInfo"), Qt::LeftButton);
    }
    EXPECT_EQ(shell.started, std::vector<std::string>{"C:\\Program Files\\msinfo32.exe"});
}

TEST_F(FrmAboutTest, LinksOpenTheMailProgramOnAClickOnly)
{
    QWidget* url = find("txtURL");
    QWidget* mail = find("txtMail");
    EXPECT_EQ(url->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    EXPECT_TRUE(mail->font().underline());
    EXPECT_EQ(mail->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseClick(url, Qt::LeftButton);
    QTest::mouseClick(mail, Qt::RightButton);
    QTest::mouseClick(mail, Qt::LeftButton);
    EXPECT_EQ(shell.opened, (std::vector<std::string>{"mailto:varlow@quorrin.example.net",
                                                      "mailto:squad@kestrel-squad.example.org"}));
}

TEST_F(FrmAboutTest, ShowAboutBoxRunsModalOverItsOwnerAndDestroysItOnClose)
{
    QWidget owner;
    QPointer<frmAbout> seen;
    QTimer::singleShot(0, [&] {
        seen = owner.findChild<frmAbout*>();
        ASSERT_FALSE(seen.isNull());
        EXPECT_TRUE(seen->isModal());
        QTest::mouseClick(seen->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    showAboutBox(settings, shell, &owner);
    EXPECT_TRUE(seen.isNull() && owner.findChild<frmAbout*>() == nullptr);
}

} // namespace
} // namespace quorrin
