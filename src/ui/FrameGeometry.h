#pragma once

#include "lifecycle/MainView.h"

class QWidget;

namespace quorrin::ui {

// A top-level window's outer (frame) position and size in twips, as the settings and the mode switch use
// them. Qt places a window by its frame but sizes it by its client area; the frame margins bridge the two
// (they are 0 until a window manager has framed the window).
double frameProperty(const QWidget& window, WindowProperty property);
void setFrameProperty(QWidget& window, WindowProperty property, double twips);

} // namespace quorrin::ui
