#include "ui/qt/LinkLabel.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPixmap>

namespace quorrin::ui {

namespace {

const QColor kLinkColour(0, 0, 192);

} // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, kLinkColour);
    setPalette(palette);
    setCursor(handCursor());
    // Only the underline is the label's own; family and size still come from the window.
    QFont underlined;
    underlined.setUnderline(true);
    setFont(underlined);
}

QCursor LinkLabel::handCursor()
{
    const QPixmap hand(QStringLiteral(":/images/about-hand-cursor.png"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, 11, 1);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // Like a button: a press that is dragged off the label before the release does not count.
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace quorrin::ui
