#include "ui/qt/MainStatusBar.h"

#include "ui/qt/LayoutStyle.h"
#include "ui/qt/TextCodec.h"
#include "ui/Twips.h"
#include "ui/WindowLayouts.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTimer>

namespace quorrin::ui {

namespace {

QLabel* panel(QStatusBar* bar)
{
    auto* created = new QLabel(bar);
    created->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    created->setMinimumWidth(twipsToPixels(kStatusPanelMinWidth));
    return created;
}

} // namespace

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("sbStatusBar"));
    setFixedHeight(twipsToPixels(kStatusBarHeight));
    setFont(layoutFont(frmMainLayout().font));

    QLabel* status = panel(this);
    status->setText(layoutText(kStatusText));
    datePanel_ = panel(this);
    timePanel_ = panel(this);
    addWidget(status, 1);
    addPermanentWidget(datePanel_);
    addPermanentWidget(timePanel_);

    // Once a second, so that the minute changes on time.
    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &MainStatusBar::updateClock);
    clock_->start();
    updateClock();
}

void MainStatusBar::updateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    datePanel_->setText(locale.toString(now.date(), QLocale::ShortFormat));
    timePanel_->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

} // namespace quorrin::ui
