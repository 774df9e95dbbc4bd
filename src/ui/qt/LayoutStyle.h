#pragma once

#include "ui/Layout.h"

#include <QFont>

class QWidget;

namespace quorrin::ui {

// The font of a layout row. Where a face is missing, the nearest installed one stands in: the metric-
// compatible free fonts first, then the sans-serif every desktop has. The window's own font resolves only
// the weight, so the rest comes from the window.
QFont layoutFont(const ControlFont& font);

// Gives `widget` the colours of a layout row; whether it paints its own background is the caller's choice.
void applyColours(QWidget* widget, Colours colours);

} // namespace quorrin::ui
