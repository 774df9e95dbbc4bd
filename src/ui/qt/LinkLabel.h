#pragma once

#include <QLabel>

namespace quorrin::ui {

// A label that acts as a link: blue, underlined, a pointing hand over it, and a click when the left button is
// pressed and released on it.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

    // The pointing hand shown over links; the tip of its index finger is the hot spot.
    static QCursor handCursor();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace quorrin::ui
