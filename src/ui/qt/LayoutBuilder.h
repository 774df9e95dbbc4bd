#pragma once

#include "ui/Layout.h"

#include <functional>
#include <QHash>
#include <QString>
#include <QWidget>
#include <stdexcept>

class QAction;
class QMenuBar;

namespace quorrin::ui {

// The widgets built from a window's layout table, by control name.
class BuiltControls
{
public:
    void add(const QString& name, QWidget* widget) { widgets_.insert(name, widget); }

    // The control `name` as a `Widget`; throws when the table has no such control or it is of another class.
    template<typename Widget = QWidget>
    Widget* get(std::string_view name) const
    {
        auto* widget = qobject_cast<Widget*>(
            widgets_.value(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))));
        if (!widget)
            throw std::logic_error("no control " + std::string(name) + " of that class");
        return widget;
    }

private:
    QHash<QString, QWidget*> widgets_;
};

// Builds every control of `layout` in `client` (or in the control its row names as parent), names, places,
// labels, styles and shows or hides it as its row says, and chains the keyboard order by the tab indexes.
BuiltControls buildControls(QWidget* client, const WindowLayout& layout);

// Puts the menus of `layout` on `bar`; choosing an item that has a command calls `onCommand` with it.
QHash<QString, QAction*> buildMenus(QMenuBar* bar, const WindowLayout& layout,
                                    const std::function<void(Command)>& onCommand);

} // namespace quorrin::ui
