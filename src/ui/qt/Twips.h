#pragma once

#include "ui/Twips.h"

#include <QRect>
#include <QString>
#include <QWidget>

namespace quorrin::ui {

// Qt works in logical pixels and scales those on high-DPI screens itself, so twips convert at 96 dpi here.
QRect twipsRect(double left, double top, double width, double height);

// A control of a window: created in `parent`, named (its object name is the control's name) and placed at its
// rectangle in twips. Controls keep their place whatever the window's size.
template<typename Widget>
Widget* placeControl(QWidget* parent, const QString& name, const QRect& twips)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    widget->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return widget;
}

} // namespace quorrin::ui
