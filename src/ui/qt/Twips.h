#pragma once

#include "ui/Twips.h"

#include <QRect>

namespace quorrin::ui {

// Qt works in logical pixels and scales those on high-DPI screens itself, so twips convert at 96 dpi here.
QRect twipsRect(double left, double top, double width, double height);
QRect twipsRect(const TwipsRect& twips);

} // namespace quorrin::ui
