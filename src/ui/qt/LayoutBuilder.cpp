#include "ui/qt/LayoutBuilder.h"

#include "ui/qt/LayoutStyle.h"
#include "ui/qt/LinkLabel.h"
#include "ui/qt/TextCodec.h"
#include "ui/qt/Twips.h"

#include <algorithm>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <vector>

namespace quorrin::ui {

namespace {

QString qtext(std::string_view text)
{
    return layoutText(text);
}

// The wheel turns a combo box only while it has the keyboard focus, never one the pointer merely passes.
class WheelOnlyWithFocus : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        return event->type() == QEvent::Wheel && widget && !widget->hasFocus();
    }
};

QObject& wheelOnlyWithFocus()
{
    static WheelOnlyWithFocus filter;
    return filter;
}

QWidget* makeLabel(QWidget* parent, const ControlRow& row)
{
    auto* label = row.kind == ControlKind::LinkLabel ? new LinkLabel(parent) : new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(row.wordWrap);
    label->setText(qtext(row.caption));
    return label;
}

QWidget* makePicture(QWidget* parent, const ControlRow& row)
{
    auto* picture = new QLabel(parent);
    picture->setAlignment(row.imageCentred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    if (!row.image.empty())
        picture->setPixmap(QPixmap(QStringLiteral(":/images/") + qtext(row.image)));
    // A picture box takes the focus by Tab, as its tab place says, but not by a click.
    picture->setFocusPolicy(row.tabIndex == kNoTab ? Qt::NoFocus : Qt::TabFocus);
    return picture;
}

QWidget* makeComboBox(QWidget* parent, const ControlRow& row)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // Typed text starts nothing: an editable QComboBox would complete it and, when typing ends on an item's
    // text, select that item and report it as activated, as if the user had picked it.
    box->setCompleter(nullptr);
    QObject::disconnect(box->lineEdit(), &QLineEdit::editingFinished, box, nullptr);
    box->lineEdit()->setPlaceholderText(qtext(row.caption));
    box->setEditText(qtext(row.caption));
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(&wheelOnlyWithFocus());
    return box;
}

QWidget* makeList(QWidget* parent)
{
    auto* list = new QListView(parent);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    return list;
}

QWidget* makeTabStrip(QWidget* parent, const WindowLayout& layout)
{
    auto* strip = new QTabBar(parent);
    strip->setDrawBase(false);
    strip->setExpanding(false);
    for (const TabRow& tab : layout.tabs) {
        const int index = strip->addTab(qtext(tab.caption));
        strip->setTabData(index, qtext(tab.key));
        strip->setTabToolTip(index, qtext(tab.toolTip));
    }
    return strip;
}

QWidget* makeControl(QWidget* parent, const ControlRow& row, const WindowLayout& layout)
{
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::LinkLabel:
        return makeLabel(parent, row);
    case ControlKind::Picture:
        return makePicture(parent, row);
    case ControlKind::PushButton:
        return new QPushButton(qtext(row.caption), parent);
    case ControlKind::CheckBox:
        return new QCheckBox(qtext(row.caption), parent);
    case ControlKind::TextBox: {
        auto* text = new QLineEdit(qtext(row.caption), parent);
        text->setReadOnly(true);
        text->setFrame(false);
        return text;
    }
    case ControlKind::ComboBox:
        return makeComboBox(parent, row);
    case ControlKind::CheckList:
    case ControlKind::List:
        return makeList(parent);
    case ControlKind::TabStrip:
        return makeTabStrip(parent, layout);
    case ControlKind::Frame: {
        auto* frame = new QFrame(parent);
        frame->setFrameShape(QFrame::NoFrame);
        return frame;
    }
    }
    throw std::logic_error("unknown control kind");
}

// Labels, pictures and text boxes in colours of their own paint their own background and cover what lies
// under them; buttons, boxes and lists draw theirs as the style does.
bool paintsOwnBackground(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::Picture || kind == ControlKind::TextBox;
}

} // namespace

BuiltControls buildControls(QWidget* client, const WindowLayout& layout)
{
    BuiltControls built;
    for (const ControlRow& row : layout.controls) {
        QWidget* parent = row.parent.empty() ? client : built.get(row.parent);
        QWidget* widget = makeControl(parent, row, layout);
        widget->setObjectName(qtext(row.name));
        widget->setGeometry(twipsRect(row.rect));
        widget->setToolTip(qtext(row.toolTip));
        if (row.font != kWindowFont)
            widget->setFont(layoutFont(row.font));
        applyColours(widget, row.colours);
        widget->setAutoFillBackground(row.colours != Colours::Window && paintsOwnBackground(row.kind));
        if (!row.visible)
            widget->hide();
        built.add(widget->objectName(), widget);
    }

    std::vector<const ControlRow*> order;
    for (const ControlRow& row : layout.controls)
        if (row.tabIndex != kNoTab && takesFocus(row.kind))
            order.push_back(&row);
    std::ranges::stable_sort(order, {}, &ControlRow::tabIndex);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(built.get(order[i - 1]->name), built.get(order[i]->name));
    return built;
}

QHash<QString, QAction*> buildMenus(QMenuBar* bar, const WindowLayout& layout,
                                    const std::function<void(Command)>& onCommand)
{
    QHash<QString, QAction*> actions;
    QMenu* menu = nullptr;
    for (const MenuRow& row : layout.menu) {
        if (row.level == 0) {
            menu = bar->addMenu(qtext(row.caption));
            menu->setObjectName(qtext(row.name));
            actions.insert(menu->objectName(), menu->menuAction());
            continue;
        }
        if (!menu)
            throw std::logic_error("a menu item before the first menu");
        QAction* item = row.isSeparator() ? menu->addSeparator() : menu->addAction(qtext(row.caption));
        item->setObjectName(qtext(row.name));
        item->setCheckable(row.checkable);
        if (row.command != Command::None)
            QObject::connect(item, &QAction::triggered, bar,
                             [onCommand, command = row.command] { onCommand(command); });
        actions.insert(item->objectName(), item);
    }
    return actions;
}

} // namespace quorrin::ui
