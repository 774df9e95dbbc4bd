#include "ui/qt/frmAbout.h"

#include "ui/qt/LayoutStyle.h"
#include "ui/qt/LinkLabel.h"
#include "ui/qt/TextCodec.h"
#include "ui/qt/Twips.h"
#include "ui/WindowLayouts.h"

#include <algorithm>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>

// Resources of a static library are only linked when something asks for them.
static void initAboutImages()
{
    Q_INIT_RESOURCE(about);
}

namespace quorrin {

namespace {

// The layout was drawn for a font whose lines are 13 pixels apart. Where another font stands in, a label
// grows downwards until its lines fit, so that no line or descender is cut off; it never shrinks below its
// size.
void growToFit(QLabel* label)
{
    const int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
    const int room = std::max(label->height(), label->parentWidget()->height() - label->y());
    label->resize(label->width(), std::clamp(needed, label->height(), room));
}

} // namespace

frmAbout::frmAbout(Settings& settings, Shell& shell, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      about_(settings, shell, *this)
{
    initAboutImages();
    const ui::WindowLayout& layout = ui::frmAboutLayout();
    setObjectName(ui::layoutText(layout.name));
    setWindowTitle(ui::layoutText(layout.caption));
    setFont(ui::layoutFont(layout.font));
    setFixedSize(ui::twipsToPixels(layout.clientWidth), ui::twipsToPixels(layout.clientHeight));
    background_.load(QStringLiteral(":/images/about-background.png"));

    // The raised panel of the tab strip is made first, so that the tabs and the pages lie over it.
    tabPanel_ = new QFrame(this);
    tabPanel_->setObjectName(QStringLiteral("tabPanel"));
    tabPanel_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    tabPanel_->setAutoFillBackground(true);

    controls_ = ui::buildControls(this, layout);
    placeTabPanel();
    // The version line keeps its height: loading places it one such height below the logo.
    for (const ui::ControlRow& row : layout.controls)
        if ((row.kind == ui::ControlKind::Label || row.kind == ui::ControlKind::LinkLabel) &&
            row.name != "lblBuild")
            growToFit(controls_.get<QLabel>(row.name));

    auto* cmdOK = controls_.get<QPushButton>("cmdOK");
    cmdOK->setDefault(true); // Enter closes; Escape does too, through QDialog's reject()
    cmdOK->setFocus();
    connect(controls_.get<QPushButton>("cmdSysInfo"), &QPushButton::clicked, this,
            [this] { about_.cmdSysInfo_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { about_.cmdOK_Click(); });
    connect(controls_.get<ui::LinkLabel>("txtURL"), &ui::LinkLabel::clicked, this,
            [this] { about_.txtURL_Click(); });
    connect(controls_.get<ui::LinkLabel>("txtMail"), &ui::LinkLabel::clicked, this,
            [this] { about_.txtMail_Click(); });
    connect(controls_.get<QTabBar>("tabStrip"), &QTabBar::currentChanged, this, &frmAbout::tabStrip_Click);

    about_.Form_Load();
}

void frmAbout::tabStrip_Click()
{
    about_.tabStrip_Click(controls_.get<QTabBar>("tabStrip")->currentIndex() + 1);
}

// A classic tab strip: the tabs along the top of its area and a raised panel below them, on which the pages
// are laid. The selected tab is drawn over the panel's top edge, so that it joins its page.
void frmAbout::placeTabPanel()
{
    const auto* tabStrip = controls_.get<QTabBar>("tabStrip");
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, tabStrip);
    const int top = tabStrip->y() + tabStrip->sizeHint().height() - overlap;
    tabPanel_->setGeometry(tabStrip->x(), top, tabStrip->width(), tabStrip->geometry().bottom() + 1 - top);
}

ui::ViewRect frmAbout::controlRect(std::string_view control) const
{
    const QRect r = controls_.get(control)->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void frmAbout::setControlRect(std::string_view control, const ui::ViewRect& r)
{
    controls_.get(control)->setGeometry(r.left, r.top, r.width, r.height);
}

void frmAbout::setControlVisible(std::string_view control, bool visible)
{
    controls_.get(control)->setVisible(visible);
}

void frmAbout::setControlCaption(std::string_view control, const std::string& caption)
{
    controls_.get<QLabel>(control)->setText(ui::layoutText(caption));
}

int frmAbout::textWidth(const std::string& text) const
{
    return QFontMetrics(font()).horizontalAdvance(ui::layoutText(text));
}

void frmAbout::closeWindow()
{
    QDialog::close();
}

void frmAbout::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
    QDialog::paintEvent(event);
}

void showAboutBox(Settings& settings, Shell& shell, QWidget* owner)
{
    // Made afresh for each opening, so that it loads every time; guarded, as the owner may take it along.
    QPointer<frmAbout> box = new frmAbout(settings, shell, owner);
    box->exec();
    delete box;
}

} // namespace quorrin
