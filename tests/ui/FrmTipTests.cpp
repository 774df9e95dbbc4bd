#include "settings/Global.h"
#include "settings/MemoryRegistryBackend.h"
#include "settings/Schema.h"
#include "ui/frmTip.h"
#include "ui/Twips.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace quorrin {
namespace {

const std::string kKey(schema::kSettingsKey);
const QString kTip1 = "Tip 1. Welcome";

struct FrmTipTest : ::testing::Test
{
    MemoryRegistryBackend backend;
    Global store{backend};

    ~FrmTipTest() override
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* tip = qobject_cast<frmTip*>(window))
                tip->unloadByProgram();
        flushDeletes();
    }
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void put(const std::string& name, const RegValue& value, RegType type)
    {
        store.OpenRegKey(kKey, RegRoot::CurrentUser);
        store.WriteRegValue(kKey, name, value, type);
    }
    RegValue stored(const std::string& name)
    {
        store.ReadRegValue(RegRoot::CurrentUser, kKey, name);
        return store.RegResult;
    }
    frmTip* openOn(int tip)
    {
        put("TipNr", RegValue(tip), RegType::Dword);
        return showTipOfTheDay(store);
    }
};

TEST_F(FrmTipTest, WindowIsAnOwnerlessModelessFixedDialogLaidOutInTwips)
{
    frmTip* tip = showTipOfTheDay(store);
    EXPECT_EQ(tip->parent(), nullptr);
    EXPECT_FALSE(tip->isModal());
    EXPECT_EQ(tip->windowTitle(), "Tip of the Day");
    EXPECT_EQ(tip->size(), QSize(361, 219));
    EXPECT_FALSE(tip->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(tip->windowIcon().availableSizes().size(), 3);
    const struct
    {
        QWidget* widget;
        QRect twips;
    } controls[] = {{tip->cmdOK, {4080, 120, 1215, 375}},      {tip->Picture1, {120, 120, 3735, 2715}},
                    {tip->cmdNextTip, {4080, 600, 1215, 375}}, {tip->chkTip, {120, 2940, 2055, 315}},
                    {tip->txtTip, {180, 600, 3255, 1875}},     {tip->txtTitle, {480, 120, 3135, 375}}};
    for (const auto& c : controls)
        EXPECT_EQ(c.widget->geometry(),
                  ui::twipsRect(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height()))
            << c.widget->objectName().toStdString();
    EXPECT_TRUE(tip->cmdOK->isDefault());
}

TEST_F(FrmTipTest, FirstRunShowsWelcomeCheckedAndNextCyclesThroughTheFourTips)
{
    frmTip* tip = showTipOfTheDay(store);
    EXPECT_TRUE(tip->chkTip->isChecked());
    EXPECT_EQ(tip->txtTitle->text(), kTip1);
    EXPECT_EQ(tip->txtTip->text(), "");
    for (const char* title : {"Tip 2. Safe and quick Tranfering", "Tip 3. Viewing your Friends List",
                              "Tip 4. Make Your Own Selection", "Tip 1. Welcome"}) {
        tip->cmdNextTip->click();
        EXPECT_EQ(tip->txtTitle->text(), title);
    }
}

TEST_F(FrmTipTest, StoredTipNumberPicksTheTipAndOddValuesNeverFail)
{
    const struct
    {
        RegValue value;
        RegType type;
        int presses;
        QString title;
    } cases[] = {
        {0, RegType::Dword, 0, kTip1},     {9, RegType::Dword, 0, ""},
        {9, RegType::Dword, 1, kTip1},     {-2, RegType::Dword, 2, ""},
        {-2, RegType::Dword, 3, kTip1},    {"abc", RegType::Sz, 0, kTip1},
        {70000, RegType::Dword, 0, kTip1}, {"3", RegType::Sz, 0, "Tip 3. Viewing your Friends List"}};
    for (const auto& c : cases) {
        put("TipNr", c.value, c.type);
        frmTip* tip = showTipOfTheDay(store);
        for (int i = 0; i < c.presses; ++i)
            tip->cmdNextTip->click();
        EXPECT_EQ(tip->txtTitle->text(), c.title) << c.value.toText() << " + " << c.presses;
        tip->unloadByProgram();
        flushDeletes();
    }
}

TEST_F(FrmTipTest, EachUserCloseSavesOnceAndTheProgramsCloseSavesNothing)
{
    using Close = void (*)(frmTip*);
    const Close ok = [](frmTip* t) { t->cmdOK->click(); };
    const Close escape = [](frmTip* t) { QTest::keyClick(t, Qt::Key_Escape); };
    const Close closeBox = [](frmTip* t) { t->close(); };
    const Close byProgram = [](frmTip* t) { t->unloadByProgram(); };
    const struct
    {
        int tip;
        bool checked;
        Close close;
        RegValue tipNr, box;
    } cases[] = {{2, true, ok, 3, "1"},
                 {4, true, ok, 1, "1"},
                 {2, false, escape, 3, "0"},
                 {3, true, closeBox, 4, "1"},
                 {3, false, byProgram, 3, {}}};
    for (const auto& c : cases) {
        backend = MemoryRegistryBackend();
        QPointer<frmTip> tip = openOn(c.tip);
        tip->chkTip->setChecked(c.checked);
        c.close(tip);
        flushDeletes();
        EXPECT_TRUE(tip.isNull());
        EXPECT_EQ(stored("TipNR"), c.tipNr) << c.tip;
        EXPECT_EQ(stored("Tip"), c.box) << c.tip;
        EXPECT_EQ(backend.writes().size(), c.box.isEmpty() ? 1u : 3u) << c.tip;
    }
}

TEST_F(FrmTipTest, UncheckedBoxIsRestoredAndAShowRequestWhileOpenKeepsTheTip)
{
    put("Tip", "0", RegType::Sz);
    frmTip* tip = openOn(2);
    EXPECT_FALSE(tip->chkTip->isChecked());
    tip->cmdNextTip->click();
    EXPECT_EQ(showTipOfTheDay(store), tip);
    EXPECT_EQ(tip->txtTitle->text(), "Tip 3. Viewing your Friends List");
    int open = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        open += qobject_cast<frmTip*>(window) != nullptr;
    EXPECT_EQ(open, 1);
}

} // namespace
} // namespace quorrin
namespace quorrin {
TEST(TipGrab, Grab)
{
    MemoryRegistryBackend backend;
    Global store{backend};
    for (int n : {1, 2, 3}) {
        store.OpenRegKey(std::string(schema::kSettingsKey), RegRoot::CurrentUser);
        store.WriteRegValue(std::string(schema::kSettingsKey), "TipNr", RegValue(n), RegType::Dword);
        frmTip* tip = showTipOfTheDay(store);
        tip->grab().save(QString("/tmp/tipwork/tip%1.png").arg(n));
        tip->windowIcon().pixmap(48).save("/tmp/tipwork/icon48.png");
        tip->unloadByProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
}
