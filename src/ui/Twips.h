#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

namespace quorrin::ui {

// Lengths are kept in twips; Qt works in logical pixels and scales those on high-DPI screens itself.
inline constexpr double kTwipsPerPixel = 15.0;

// Twips to logical pixels, rounded; out-of-range or undefined input is clamped so it never overflows.
int twipsToPixels(double twips);
double pixelsToTwips(int pixels);

// A control's rectangle, given in twips.
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
