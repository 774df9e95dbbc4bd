#include "settings/Global.h"
#include "settings/Settings.h"
#include "support/CoreWorld.h"
#include "support/FakeShell.h"
#include "support/MemoryRegistryBackend.h"
#include "ui/qt/frmAbout.h"
#include "ui/qt/frmMain.h"
#include "ui/qt/frmTip.h"
#include "ui/qt/LinkLabel.h"
#include "ui/qt/Twips.h"
#include "ui/WindowLayouts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <set>

namespace quorrin {
namespace {

using ui::ControlKind;
using ui::ControlRow;
using ui::WindowLayout;

QString qtext(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

const char* qtClassOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
    case ControlKind::Picture:
        return "QLabel";
    case ControlKind::PushButton:
        return "QPushButton";
    case ControlKind::CheckBox:
        return "QCheckBox";
    case ControlKind::TextBox:
        return "QLineEdit";
    case ControlKind::ComboBox:
        return "QComboBox";
    case ControlKind::CheckList:
    case ControlKind::List:
        return "QListView";
    case ControlKind::TabStrip:
        return "QTabBar";
    case ControlKind::Frame:
        return "QFrame";
    case ControlKind::LinkLabel:
        return "quorrin::ui::LinkLabel";
    }
    return "";
}

QString shownText(QWidget* widget)
{
    if (auto* box = qobject_cast<QComboBox*>(widget))
        return box->lineEdit()->placeholderText();
    return widget->property("text").toString();
}

QString firstFamily(ui::FontFace face)
{
    switch (face) {
    case ui::FontFace::Verdana:
        return "Verdana";
    case ui::FontFace::MsSansSerif:
        return "MS Sans Serif";
    case ui::FontFace::Arial:
        return "Arial";
    case ui::FontFace::Window:
        break;
    }
    return {};
}

// What loading a window changes on purpose: those controls are checked by the window's behaviour tests.
struct Exceptions
{
    std::set<std::string_view> moved;
    std::set<std::string_view> shownOrHidden;
    bool labelsGrow = false;
};

// Every row of `layout` against the widget built for it.
void expectBuiltAsLaidOut(QWidget* window, QWidget* client, const WindowLayout& layout,
                          const Exceptions& except)
{
    const QFont windowFont = client->font();
    for (const ControlRow& row : layout.controls) {
        SCOPED_TRACE(std::string(row.name));
        auto* widget = window->findChild<QWidget*>(qtext(row.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), qtClassOf(row.kind));
        const QWidget* parent = row.parent.empty() ? client : window->findChild<QWidget*>(qtext(row.parent));
        EXPECT_EQ(widget->parentWidget(), parent);

        const QRect expected = ui::twipsRect(row.rect);
        const bool label = row.kind == ControlKind::Label || row.kind == ControlKind::LinkLabel;
        if (!except.moved.contains(row.name)) {
            EXPECT_EQ(widget->pos(), expected.topLeft());
            EXPECT_EQ(widget->width(), expected.width());
            if (except.labelsGrow && label)
                EXPECT_GE(widget->height(), expected.height());
            else
                EXPECT_EQ(widget->height(), expected.height());
        }
        if (!row.caption.empty() && !except.moved.contains(row.name)) {
            EXPECT_EQ(shownText(widget), qtext(row.caption));
        }
        EXPECT_EQ(widget->toolTip(), qtext(row.toolTip));
        if (!except.shownOrHidden.contains(row.name)) {
            EXPECT_EQ(!widget->isHidden(), row.visible);
        }

        const QFont font = widget->font();
        if (row.font.face == ui::FontFace::Window) {
            EXPECT_EQ(font.families().value(0), windowFont.families().value(0));
            EXPECT_EQ(font.pointSizeF(), windowFont.pointSizeF());
        } else {
            EXPECT_EQ(font.families().value(0), firstFamily(row.font.face));
            EXPECT_EQ(font.pointSizeF(), row.font.points);
        }
        EXPECT_EQ(font.bold(), row.font.bold);

        const QPalette palette = widget->palette();
        switch (row.colours) {
        case ui::Colours::Grey:
            EXPECT_EQ(palette.color(QPalette::Window), QColor(104, 104, 104));
            EXPECT_EQ(palette.color(QPalette::Text), QColor(230, 230, 230));
            break;
        case ui::Colours::Platform:
            EXPECT_EQ(palette.color(QPalette::Base), QApplication::palette().color(QPalette::Base));
            EXPECT_EQ(palette.color(QPalette::Window), QApplication::palette().color(QPalette::Window));
            break;
        case ui::Colours::White:
            EXPECT_EQ(palette.color(QPalette::Window), QColor(Qt::white));
            break;
        case ui::Colours::Window:
            EXPECT_EQ(palette.color(QPalette::Window), client->palette().color(QPalette::Window));
            break;
        }
    }
}

// The controls among `names` in the order Tab moves the focus through them, from the first of them.
QStringList focusChain(QWidget* window, const QStringList& names)
{
    QStringList order;
    QWidget* w = window->findChild<QWidget*>(names.value(0));
    for (int steps = 0; w && order.size() < names.size() && steps < 1000; w = w->nextInFocusChain(), ++steps)
        if ((w->focusPolicy() & Qt::TabFocus) && names.contains(w->objectName()) &&
            !order.contains(w->objectName()))
            order << w->objectName();
    return order;
}

// The controls that take the focus, in the order Tab moves it, against the tab indexes of the table.
void expectTabOrder(QWidget* window, const WindowLayout& layout)
{
    std::vector<const ControlRow*> rows;
    for (const ControlRow& row : layout.controls)
        if (row.tabIndex != ui::kNoTab && ui::takesFocus(row.kind))
            rows.push_back(&row);
    std::ranges::sort(rows, {}, &ControlRow::tabIndex);
    QStringList expected;
    for (const ControlRow* row : rows)
        expected << qtext(row->name);
    EXPECT_EQ(focusChain(window, expected), expected) << layout.name;
}

struct WindowLayoutTest : ::testing::Test, test::TestServices
{};

TEST_F(WindowLayoutTest, MainWindowIsBuiltFromItsTable)
{
    frmMain window{services()};
    const WindowLayout& layout = ui::frmMainLayout();
    expectBuiltAsLaidOut(&window, window.centralWidget(), layout,
                         {.moved = {}, .shownOrHidden = {"DebugList"}});
    expectTabOrder(&window, layout);
    EXPECT_EQ(window.focusWidget(), window.findChild<QWidget*>("BtnTransfer"));
    EXPECT_EQ(window.windowTitle(), qtext(layout.caption));
    EXPECT_EQ(window.centralWidget()->palette().color(QPalette::Window), QColor(104, 104, 104));

    // The menus, item by item: captions, separators, check marks, and no shortcut keys.
    QStringList built;
    for (QAction* bar : window.menuBar()->actions()) {
        built << bar->menu()->objectName() + " " + bar->menu()->title() + " 0";
        for (QAction* item : bar->menu()->actions()) {
            built << item->objectName() + " " + (item->isSeparator() ? "" : item->text()) + " " +
                         (item->isCheckable() ? "1 check" : "1");
            EXPECT_TRUE(item->shortcut().isEmpty()) << item->objectName().toStdString();
        }
    }
    QStringList expected;
    for (const ui::MenuRow& row : layout.menu)
        expected << qtext(row.name) + " " + qtext(row.caption) + " " + QString::number(row.level) +
                        (row.checkable ? " check" : "");
    EXPECT_EQ(built, expected);
}

// A few places and texts written out, so that a wrong row of the table itself shows.
TEST_F(WindowLayoutTest, MainWindowKeepsItsPlacesAndTexts)
{
    frmMain window{services()};
    const auto* transfer = window.findChild<QPushButton*>("BtnTransfer");
    EXPECT_EQ(transfer->geometry(), QRect(216, 152, 113, 33));
    EXPECT_EQ(transfer->text(), "Transfer ----->");
    EXPECT_EQ(window.findChild<QWidget*>("SourceListZoneNames")->geometry(), QRect(24, 256, 169, 79));
    EXPECT_EQ(window.findChild<QWidget*>("Label1(3)")->geometry(), QRect(296, 232, 297, 17));
    EXPECT_EQ(window.findChild<QLabel*>("Label1(3)")->text(), "Friends  Form Selected Target Zone Name ");
    EXPECT_TRUE(window.findChild<QLabel*>("Label6")->text().endsWith(
        "(Duplicated names  will be filtered out automatically, so you will not gett double names on your "
        "friends lists)"));
    EXPECT_EQ(window.findChild<QComboBox*>("TargetList")->currentText(), "Select Target Name");
    EXPECT_EQ(window.findChild<QLabel*>("Picture1")->pixmap().size(), QSize(125, 108));
    EXPECT_EQ(window.findChild<QAction*>("mnuFileExit")->text(), "E&xit");
    EXPECT_EQ(window.findChild<QAction*>("mnuLinkZone")->text(), "Microsoft Internet Gaming Zone");
    EXPECT_EQ(window.width(), 545);
    const QStringList tabOrder = {"BtnTransfer",  "DebugList",  "SourceListZoneNames", "TargetListZoneNames",
                                  "TransferList", "SourceList", "TargetList",          "Picture1"};
    EXPECT_EQ(focusChain(&window, tabOrder), tabOrder);
    EXPECT_EQ(window.centralWidget()->font().families().value(0), "Verdana");

    auto* bar = window.findChild<QStatusBar*>("sbStatusBar");
    const QList<QLabel*> panels = bar->findChildren<QLabel*>();
    ASSERT_EQ(panels.size(), 3);
    EXPECT_EQ(panels[0]->text(), "Status");
    EXPECT_EQ(bar->height(), 18);
}

struct DialogLayoutTest : ::testing::Test
{
    MemoryRegistryBackend backend;
    Global store{backend};
    Settings settings{store};
};

TEST_F(DialogLayoutTest, TipDialogIsBuiltFromItsTable)
{
    frmTip* tip = showTipOfTheDay(settings);
    const WindowLayout& layout = ui::frmTipLayout();
    expectBuiltAsLaidOut(tip, tip, layout, {});
    expectTabOrder(tip, layout);
    EXPECT_EQ(tip->windowTitle(), "Tip of the Day");
    EXPECT_EQ(tip->size(), QSize(361, 219));
    // Every place and the keyboard order written out, so that a wrong row of the table itself shows.
    const std::pair<const char*, QRect> places[] = {
        {"cmdOK", {272, 8, 81, 25}},   {"Picture1", {8, 8, 249, 181}}, {"cmdNextTip", {272, 40, 81, 25}},
        {"chkTip", {8, 196, 137, 21}}, {"txtTip", {12, 40, 217, 125}}, {"txtTitle", {32, 8, 209, 25}}};
    for (const auto& [name, place] : places)
        EXPECT_EQ(tip->findChild<QWidget*>(name)->geometry(), place) << name;
    const QStringList tabOrder = {"cmdOK", "Picture1", "cmdNextTip", "chkTip", "txtTitle"};
    EXPECT_EQ(focusChain(tip, tabOrder), tabOrder);
    EXPECT_EQ(tip->chkTip->text(), "&Show Tips at Startup");
    EXPECT_EQ(tip->cmdNextTip->text(), "&Next Tip");
    EXPECT_TRUE(tip->txtTitle->font().bold());
    tip->unloadByProgram();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(DialogLayoutTest, AboutBoxIsBuiltFromItsTable)
{
    test::FakeShell shell;
    frmAbout box(settings, shell, nullptr);
    const WindowLayout& layout = ui::frmAboutLayout();
    // Loading puts the pages over the first one and the version line under the logo; labels grow to fit
    // a stand-in font.
    expectBuiltAsLaidOut(&box, &box, layout,
                         {.moved = {"fraInfo(2)", "fraInfo(3)", "fraInfo(4)", "lblBuild"},
                          .shownOrHidden = {"cmdSysInfo"},
                          .labelsGrow = true});
    expectTabOrder(&box, layout);
    auto* tabs = box.findChild<QTabBar*>("tabStrip");
    ASSERT_EQ(tabs->count(), static_cast<int>(layout.tabs.size()));
    for (int i = 0; i < tabs->count(); ++i) {
        const ui::TabRow& tab = layout.tabs[static_cast<std::size_t>(i)];
        EXPECT_EQ(tabs->tabText(i) + tabs->tabData(i).toString() + tabs->tabToolTip(i),
                  qtext(tab.caption) + qtext(tab.key) + qtext(tab.toolTip));
    }
    EXPECT_EQ(box.findChild<QWidget*>("cmdOK")->geometry(), QRect(213, 302, 74, 22));
    EXPECT_EQ(box.findChild<QLabel*>("OpstartTitel(9)")->text(), "You can contact me by mail at :");
    EXPECT_EQ(box.findChild<QLabel*>("Label1")->font().pointSizeF(), 11.25);
}

} // namespace
} // namespace quorrin
