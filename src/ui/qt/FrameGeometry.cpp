#include "ui/qt/FrameGeometry.h"

#include "ui/qt/Twips.h"

#include <algorithm>
#include <QWidget>

namespace quorrin::ui {

namespace {

QMargins frameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

} // namespace

double FrameGeometry::get(WindowProperty property) const
{
    const QRect frame = window_.frameGeometry();
    switch (property) {
    case WindowProperty::Left:
        return pixelsToTwips(frame.x());
    case WindowProperty::Top:
        return pixelsToTwips(frame.y());
    case WindowProperty::Width:
        return pixelsToTwips(frame.width());
    case WindowProperty::Height:
        return pixelsToTwips(frame.height());
    }
    return 0;
}

void FrameGeometry::set(WindowProperty property, double twips)
{
    // A maximised or minimised window has no place or size of its own to set.
    if (window_.isMaximized() || window_.isMinimized() || window_.isFullScreen())
        window_.showNormal();
    const int pixels = twipsToPixels(twips);
    const QMargins margins = frameMargins(window_);
    const QPoint framePos = window_.frameGeometry().topLeft();
    switch (property) {
    case WindowProperty::Left:
        window_.move(pixels, framePos.y()); // move() places the frame
        return;
    case WindowProperty::Top:
        window_.move(framePos.x(), pixels);
        return;
    case WindowProperty::Width:
        window_.resize(std::max(0, pixels - margins.left() - margins.right()), window_.height());
        break;
    case WindowProperty::Height:
        window_.resize(window_.width(), std::max(0, pixels - margins.top() - margins.bottom()));
        break;
    }
    if (margins.isNull() && !window_.isVisible())
        unframedOuterSize_ = window_.size();
    else
        unframedOuterSize_.reset();
}

void FrameGeometry::frameMayHaveChanged()
{
    if (!unframedOuterSize_)
        return;
    const QMargins margins = frameMargins(window_);
    if (margins.isNull())
        return;
    const QSize outer = *unframedOuterSize_;
    unframedOuterSize_.reset();
    window_.resize(std::max(0, outer.width() - margins.left() - margins.right()),
                   std::max(0, outer.height() - margins.top() - margins.bottom()));
}

} // namespace quorrin::ui
