#include "ui/FrameGeometry.h"

#include "ui/Twips.h"

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

double frameProperty(const QWidget& window, WindowProperty property)
{
    const QRect frame = window.frameGeometry();
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

void setFrameProperty(QWidget& window, WindowProperty property, double twips)
{
    const int pixels = twipsToPixels(twips);
    const QMargins margins = frameMargins(window);
    const QPoint framePos = window.frameGeometry().topLeft();
    switch (property) {
    case WindowProperty::Left:
        window.move(pixels, framePos.y()); // move() places the frame
        break;
    case WindowProperty::Top:
        window.move(framePos.x(), pixels);
        break;
    case WindowProperty::Width:
        window.resize(std::max(0, pixels - margins.left() - margins.right()), window.height());
        break;
    case WindowProperty::Height:
        window.resize(window.width(), std::max(0, pixels - margins.top() - margins.bottom()));
        break;
    }
}

} // namespace quorrin::ui
