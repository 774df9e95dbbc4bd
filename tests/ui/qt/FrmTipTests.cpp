#include "settings/Schema.h"
#include "support/CoreWorld.h"
#include "ui/qt/frmTip.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <tuple>

namespace quorrin {
namespace {

const std::string kKey(schema::kSettingsKey);
const QString kTip1 = "Tip 1. Welcome";
const QString kTip3 = "Tip 3. Viewing your Friends List";

struct FrmTipTest : ::testing::Test, test::TestServices
{
    ~FrmTipTest() override { closeAll(); }
    static void closeAll()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* tip = qobject_cast<frmTip*>(window))
                tip->unloadByProgram();
        flushDeletes();
    }
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    RegValue stored(const std::string& name) { return store.ReadRegValue(RegRoot::CurrentUser, kKey, name); }
    frmTip* openWith(const std::string& name, const RegValue& value)
    {
        store.writeValue(RegRoot::CurrentUser, kKey, name, value,
                         value.isNumber() ? RegType::Dword : RegType::Sz);
        return showTipOfTheDay(settings);
    }
};

TEST_F(FrmTipTest, StoredValuesPickTheTipAndTheBoxAndOddOnesNeverFail)
{
    // A value stored under its name, the presses of Next, then the title shown and whether the box is
    // checked. An empty value is read as a missing one, so Tip "" is the first run.
    const std::tuple<std::string, RegValue, int, QString, bool> cases[] = {
        {"TipNr", 0, 0, kTip1, true},     {"TipNr", 9, 0, "", true},        {"TipNr", 9, 1, kTip1, true},
        {"TipNr", 4, 1, kTip1, true},     {"TipNr", -2, 2, "", true},       {"TipNr", -2, 3, kTip1, true},
        {"TipNr", "abc", 0, kTip1, true}, {"TipNr", 70000, 0, kTip1, true}, {"TipNr", "3", 0, kTip3, true},
        {"Tip", "", 0, kTip1, true},      {"Tip", "1", 0, kTip1, true},     {"Tip", "0", 0, kTip1, false},
        {"Tip", "3", 0, kTip1, false},    {"Tip", "11", 0, kTip1, false},   {"Tip", " 1", 0, kTip1, false},
        {"Tip", "1 ", 0, kTip1, false}};
    for (const auto& [name, value, presses, title, checked] : cases) {
        SCOPED_TRACE(name + " \"" + value.toText() + "\" + " + std::to_string(presses));
        registry = MemoryRegistryBackend();
        frmTip* tip = openWith(name, value);
        for (int i = 0; i < presses; ++i)
            tip->cmdNextTip->click();
        EXPECT_EQ(tip->txtTitle->text(), title);
        EXPECT_EQ(tip->chkTip->isChecked(), checked);
        closeAll();
    }
}

TEST_F(FrmTipTest, EachUserCloseSavesOnceAndTheProgramsCloseSavesNothing)
{
    const auto ok = [](frmTip* t) { t->cmdOK->click(); };
    // tip shown, box checked, how it closes, then the stored TipNr and Tip
    const std::tuple<int, bool, void (*)(frmTip*), RegValue, RegValue> cases[] = {
        {2, true, ok, 3, "1"},
        {4, true, ok, 1, "1"},
        {2, false, [](frmTip* t) { QTest::keyClick(t, Qt::Key_Escape); }, 3, "0"},
        {3, true, [](frmTip* t) { t->close(); }, 4, "1"}, // the close box
        {3, false, [](frmTip* t) { t->unloadByProgram(); }, 3, {}}};
    for (const auto& [shown, checked, close, tipNr, box] : cases) {
        registry = MemoryRegistryBackend();
        QPointer<frmTip> tip = openWith("TipNr", shown);
        tip->chkTip->setChecked(checked);
        close(tip);
        flushDeletes();
        EXPECT_TRUE(tip.isNull());
        EXPECT_EQ(stored("TipNR"), tipNr) << shown;
        EXPECT_EQ(stored("Tip"), box) << shown;
        EXPECT_EQ(registry.writes().size(), box.isEmpty() ? 1u : 3u) << shown;
    }
}

TEST_F(FrmTipTest, AccessKeysWorkAndAShowRequestWhileOpenKeepsTheTip)
{
    frmTip* tip = openWith("Tip", "0");
    EXPECT_FALSE(tip->chkTip->isChecked());
    // An access key clicks its button the way a mouse click would, a moment later.
    QTest::keyClick(tip->windowHandle(), Qt::Key_N, Qt::AltModifier);
    QTest::keyClick(tip->windowHandle(), Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return tip->chkTip->isChecked(); }));
    EXPECT_EQ(showTipOfTheDay(settings), tip);
    EXPECT_EQ(tip->txtTitle->text(), "Tip 2. Safe and quick Tranfering");
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_EQ(
        std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return qobject_cast<frmTip*>(w); }),
        1);
}

} // namespace
} // namespace quorrin
