#pragma once

#include "app/MainView.h"

#include <optional>
#include <QSize>

class QWidget;

namespace quorrin::ui {

// A top-level window's outer (frame) position and size in twips, as the settings and the mode switch use
// them. Qt places a window by its frame but sizes it by its client area; the frame margins bridge the two.
// They are 0 until a window manager has framed the window, which happens only after it is shown: an outer
// size asked for before then is applied again once the frame is known, so that a saved size comes back as
// the same size and does not grow by the frame at every start.
class FrameGeometry
{
public:
    explicit FrameGeometry(QWidget& window) : window_(window) {}

    double get(WindowProperty property) const;
    void set(WindowProperty property, double twips);

    // Call when the window may have been framed (it was shown, moved or resized).
    void frameMayHaveChanged();

private:
    QWidget& window_;
    std::optional<QSize> unframedOuterSize_;
};

} // namespace quorrin::ui
