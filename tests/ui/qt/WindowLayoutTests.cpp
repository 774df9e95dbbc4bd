#include "support/CoreWorld.h"
#include "ui/qt/frmAbout.h"
#include "ui/qt/frmMain.h"
#include "ui/qt/frmTip.h"
#include "ui/qt/Twips.h"
#include "ui/WindowLayouts.h"

#include <gtest/gtest.h>
#include <map>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <set>

namespace quorrin {
namespace {

using ui::ControlRow;
using ui::WindowLayout;

QString qtext(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The widget class of each ControlKind, and the first family of each FontFace, in the order of the enums.
// clang-format off
constexpr const char* kQtClass[] = {"QLabel", "QLabel", "QPushButton", "QCheckBox", "QLineEdit", "QComboBox",
                                    "QListView", "QListView", "QTabBar", "QFrame", "quorrin::ui::LinkLabel"};
// clang-format on
static_assert(std::size(kQtClass) == static_cast<std::size_t>(ui::ControlKind::LinkLabel) + 1);
constexpr const char* kFamily[] = {"", "Verdana", "MS Sans Serif", "Arial"};

QString shownText(QWidget* widget)
{
    // A zone name box shows its prompt as its text and, once the text is typed away, as the placeholder.
    if (auto* box = qobject_cast<QComboBox*>(widget))
        return box->currentText() == box->lineEdit()->placeholderText() ? box->currentText()
                                                                        : "text != prompt";
    return widget->property("text").toString();
}

void expectFont(const QFont& font, const ui::ControlFont& wanted, const QFont& windowFont)
{
    const bool own = wanted.face != ui::FontFace::Window;
    EXPECT_EQ(font.families().value(0),
              own ? kFamily[static_cast<int>(wanted.face)] : windowFont.families().value(0));
    EXPECT_EQ(font.pointSizeF(), own ? wanted.points : windowFont.pointSizeF());
    EXPECT_EQ(font.bold(), wanted.bold);
}

void expectColours(const QWidget* widget, ui::Colours colours, const QWidget* client)
{
    const QPalette around = colours == ui::Colours::Platform ? QApplication::palette() : client->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Text}) {
        QColor expected = around.color(role);
        if (colours == ui::Colours::Grey)
            expected = role == QPalette::Text ? QColor(230, 230, 230) : QColor(104, 104, 104);
        else if (colours == ui::Colours::White && role != QPalette::Text)
            expected = Qt::white;
        EXPECT_EQ(widget->palette().color(role), expected) << "role " << role;
    }
}

// The controls that take the focus, in the order Tab moves it through them, against the table's tab indexes.
void expectTabOrder(QWidget* window, const WindowLayout& layout)
{
    std::map<int, QString> byTab;
    for (const ControlRow& row : layout.controls)
        if (row.tabIndex != ui::kNoTab && ui::takesFocus(row.kind))
            byTab[row.tabIndex] = qtext(row.name);
    QStringList expected;
    for (const auto& [tab, name] : byTab)
        expected << name;
    QStringList order;
    QWidget* const first = window->findChild<QWidget*>(expected.value(0));
    ASSERT_NE(first, nullptr);
    QWidget* w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && expected.contains(w->objectName()))
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first);
    EXPECT_EQ(order, expected);
}

// What loading a window changes on purpose: those controls are checked by the window's behaviour tests.
struct Exceptions
{
    std::set<std::string_view> moved;
    std::set<std::string_view> shownOrHidden;
    bool labelsGrow = false;
};

// The window, and every row of `layout` against the widget built for it.
void expectBuiltAsLaidOut(QWidget* window, QWidget* client, const WindowLayout& layout,
                          const Exceptions& except = {})
{
    SCOPED_TRACE(std::string(layout.name));
    EXPECT_EQ(window->windowTitle(), qtext(layout.caption));
    EXPECT_EQ(window->width(), ui::twipsToPixels(layout.clientWidth));
    if (client == window) { // a dialog: the main window's client lies between its menu bar and status bar
        EXPECT_EQ(window->height(), ui::twipsToPixels(layout.clientHeight));
    }
    expectFont(client->font(), layout.font, {});
    expectColours(client, layout.colours, client);
    expectTabOrder(window, layout);

    for (const ControlRow& row : layout.controls) {
        SCOPED_TRACE(std::string(row.name));
        auto* widget = window->findChild<QWidget*>(qtext(row.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), kQtClass[static_cast<int>(row.kind)]);
        EXPECT_EQ(widget->parentWidget(),
                  row.parent.empty() ? client : window->findChild<QWidget*>(qtext(row.parent)));
        if (!except.moved.contains(row.name)) {
            const QRect expected = ui::twipsRect(row.rect);
            QRect place = widget->geometry();
            const bool label = row.kind == ui::ControlKind::Label || row.kind == ui::ControlKind::LinkLabel;
            if (except.labelsGrow && label && place.height() >= expected.height())
                place.setHeight(expected.height()); // grown to fit a stand-in font
            EXPECT_EQ(place, expected);
            if (!row.caption.empty()) {
                EXPECT_EQ(shownText(widget), qtext(row.caption));
            }
        }
        EXPECT_EQ(widget->toolTip(), qtext(row.toolTip));
        if (!except.shownOrHidden.contains(row.name)) {
            EXPECT_EQ(!widget->isHidden(), row.visible);
        }
        if (!row.image.empty()) {
            EXPECT_FALSE(qobject_cast<QLabel*>(widget)->pixmap().isNull());
        }
        expectFont(widget->font(), row.font, client->font());
        expectColours(widget, row.colours, client);
    }
}

struct WindowLayoutTest : ::testing::Test, test::TestServices
{};

TEST_F(WindowLayoutTest, MainWindowIsBuiltFromItsTable)
{
    frmMain window{services()};
    const WindowLayout& layout = ui::frmMainLayout();
    expectBuiltAsLaidOut(&window, window.centralWidget(), layout,
                         {.moved = {}, .shownOrHidden = {"DebugList"}});
    EXPECT_EQ(window.focusWidget(), window.findChild<QWidget*>("BtnTransfer"));
    // Written out, so that a fault in the twips conversion itself shows.
    EXPECT_EQ(window.findChild<QWidget*>("BtnTransfer")->geometry(), QRect(216, 152, 113, 33));

    // The menus, item by item: captions, separators, check marks, and no shortcut keys.
    QStringList built;
    for (QAction* bar : window.menuBar()->actions()) {
        built << bar->menu()->objectName() + " " + bar->menu()->title() + " 0";
        for (QAction* item : bar->menu()->actions()) {
            built << item->objectName() + " " + (item->isSeparator() ? "" : item->text()) + " 1" +
                         (item->isCheckable() ? " check" : "");
            EXPECT_TRUE(item->shortcut().isEmpty()) << item->objectName().toStdString();
        }
    }
    QStringList expected;
    for (const ui::MenuRow& row : layout.menu)
        expected << qtext(row.name) + " " + qtext(row.caption) + " " + QString::number(row.level) +
                        (row.checkable ? " check" : "");
    EXPECT_EQ(built, expected);

    auto* bar = window.findChild<QStatusBar*>("sbStatusBar");
    const QList<QLabel*> panels = bar->findChildren<QLabel*>();
    ASSERT_EQ(panels.size(), 3);
    EXPECT_EQ(panels[0]->text(), "Status");
    EXPECT_EQ(bar->height(), 18);
}

TEST_F(WindowLayoutTest, TipDialogIsBuiltFromItsTable)
{
    frmTip* tip = showTipOfTheDay(settings);
    expectBuiltAsLaidOut(tip, tip, ui::frmTipLayout());
    tip->unloadByProgram();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(WindowLayoutTest, AboutBoxIsBuiltFromItsTable)
{
    frmAbout box(settings, shell, nullptr);
    const WindowLayout& layout = ui::frmAboutLayout();
    // Loading puts the pages over the first one and the version line under the logo; labels grow to fit
    // a stand-in font.
    expectBuiltAsLaidOut(&box, &box, layout,
                         {.moved = {"fraInfo(2)", "fraInfo(3)", "fraInfo(4)", "lblBuild"},
                          .shownOrHidden = {"cmdSysInfo"},
                          .labelsGrow = true});
    auto* tabs = box.findChild<QTabBar*>("tabStrip");
    ASSERT_EQ(tabs->count(), static_cast<int>(layout.tabs.size()));
    for (int i = 0; i < tabs->count(); ++i) {
        const ui::TabRow& tab = layout.tabs[static_cast<std::size_t>(i)];
        EXPECT_EQ(tabs->tabText(i) + tabs->tabData(i).toString() + tabs->tabToolTip(i),
                  qtext(tab.caption) + qtext(tab.key) + qtext(tab.toolTip));
    }
}

} // namespace
} // namespace quorrin
