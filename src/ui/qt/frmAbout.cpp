#include "ui/qt/frmAbout.h"

#include "base/Contacts.h"
#include "base/Version.h"
#include "platform/Shell.h"
#include "settings/Settings.h"
#include "settings/Schema.h"
#include "ui/qt/LinkLabel.h"
#include "ui/qt/Twips.h"

#include <algorithm>
#include <functional>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <string_view>

// Resources of a static library are only linked when something asks for them.
static void initAboutImages()
{
    Q_INIT_RESOURCE(about);
}

namespace quorrin {

namespace {

QFont msSansSerif()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(8.25);
    return font;
}

QFont arialBold()
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(11.25);
    font.setBold(true);
    return font;
}

QString text(std::string_view value)
{
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

QString arrayName(const char* array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

// A picture box: the picture in the middle of its box.
QLabel* picture(QWidget* parent, const char* name, const QRect& twips, const QString& resource)
{
    auto* box = ui::placeControl<QLabel>(parent, QLatin1String(name), twips);
    box->setAlignment(Qt::AlignCenter);
    box->setPixmap(QPixmap(resource));
    return box;
}

// The layout was drawn for a font whose lines are 13 pixels apart. Where another font stands in, a label
// grows downwards until its lines fit, so that no line or descender is cut off; it never shrinks below its
// size.
void growToFit(QLabel* label)
{
    const int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
    const int room = std::max(label->height(), label->parentWidget()->height() - label->y());
    label->resize(label->width(), std::clamp(needed, label->height(), room));
}

struct TabInfo
{
    const char* caption;
    const char* key;
    const char* toolTip;
};

constexpr TabInfo kTabs[] = {
    {"Version", "version", "Version information"},
    {"Disclaimer", "disclaimer", "Disclaimer"},
    {"Credits", "credits", "Credits"},
    {"Contact", "contact", "Contact Me"},
};

constexpr const char* kDisclaimer =
    "The Developer tried to keep this software as bug-free as possible. Hours and hours of testing "
    "proceeded this release. But it's a general rule (Murphy's), that no software ever is error free, and "
    "the number of errors increases with the complexity of the program. That's why we cannot guarantee that "
    "this software will run in every environment, on any Windows compatible machine, together with any other "
    "application, without producing errors. Any liability for damage of any sort is hereby denied.";

} // namespace

frmAbout::frmAbout(Settings& settings, Shell& shell, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      settings_(settings), shell_(shell)
{
    initAboutImages();
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Quorrin Tool"));
    setFont(msSansSerif());
    setFixedSize(ui::twipsToPixels(4425), ui::twipsToPixels(4995));
    background_.load(QStringLiteral(":/images/about-background.png"));

    buildTabStrip();

    // The pages lie over the tab strip's area, the first where it was designed, the others moved there on
    // load.
    for (int i = 1; i <= 4; ++i) {
        const QRect design = i == 1 ? QRect(300, 570, 3825, 3735) : QRect(0, 0, 3825, 3735);
        fraInfo[i] = ui::placeControl<QFrame>(this, arrayName("fraInfo", i), design);
        fraInfo[i]->setFrameShape(QFrame::NoFrame);
        fraInfo[i]->setVisible(i == 1);
    }
    buildVersionPage(fraInfo[1]);
    buildDisclaimerPage(fraInfo[2]);
    buildCreditsPage(fraInfo[3]);
    buildContactPage(fraInfo[4]);

    cmdSysInfo = ui::placeControl<QPushButton>(this, QStringLiteral("cmdSysInfo"), {2010, 4530, 1110, 330});
    cmdSysInfo->setText(QStringLiteral("&System Info"));
    cmdOK = ui::placeControl<QPushButton>(this, QStringLiteral("cmdOK"), {3195, 4530, 1110, 330});
    cmdOK->setText(QStringLiteral("&Close"));
    cmdOK->setDefault(true); // Enter closes; Escape does too, through QDialog's reject()
    setTabOrder(cmdOK, cmdSysInfo);
    setTabOrder(cmdSysInfo, tabStrip);
    cmdOK->setFocus();

    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(txtURL, &ui::LinkLabel::clicked, this, &frmAbout::txtURL_Click);
    connect(txtMail, &ui::LinkLabel::clicked, this, &frmAbout::txtMail_Click);
    connect(tabStrip, &QTabBar::currentChanged, this, &frmAbout::tabStrip_Click);

    Form_Load();
}

void frmAbout::buildTabStrip()
{
    // A classic tab strip: the tabs along the top of its area and a raised panel below them, on which the
    // pages are laid. The panel is made first so that the tab bar and the pages lie over it.
    tabPanel_ = new QFrame(this);
    tabPanel_->setObjectName(QStringLiteral("tabPanel"));
    tabPanel_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    tabPanel_->setAutoFillBackground(true);

    tabStrip = ui::placeControl<QTabBar>(this, QStringLiteral("tabStrip"), {150, 135, 4155, 4215});
    tabStrip->setDrawBase(false);
    tabStrip->setExpanding(false);
    for (const TabInfo& tab : kTabs) {
        const int index = tabStrip->addTab(QLatin1String(tab.caption));
        tabStrip->setTabData(index, QLatin1String(tab.key));
        tabStrip->setTabToolTip(index, QLatin1String(tab.toolTip));
    }

    // The selected tab is drawn over the panel's top edge, so that it joins its page.
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, tabStrip);
    const int top = tabStrip->y() + tabStrip->sizeHint().height() - overlap;
    tabPanel_->setGeometry(tabStrip->x(), top, tabStrip->width(), tabStrip->geometry().bottom() + 1 - top);
}

void frmAbout::buildVersionPage(QFrame* page)
{
    picLogo = picture(page, "picLogo", {0, 0, 3660, 2910}, QStringLiteral(":/images/logo.png"));
    lblBuild = ui::placeControl<QLabel>(page, QStringLiteral("lblBuild"), {30, 2505, 645, 195});
    lblBuild->setText(QStringLiteral("build:"));
    lblBuild->setTextFormat(Qt::PlainText);
}

void frmAbout::buildDisclaimerPage(QFrame* page)
{
    titel(page, 7, {15, 120, 3765, 1935}, QLatin1String(kDisclaimer));
    titel(page, 8, {0, 2280, 3795, 585}, QString());
}

void frmAbout::buildCreditsPage(QFrame* page)
{
    const struct
    {
        int top;
        QString text;
        bool bold;
    } lines[] = {
        {120, QStringLiteral("The Kestrel Developers Team;"), true},
        {480, QStringLiteral("Main Developer / Driving Software Engineer:"), false},
        {840, QStringLiteral("Varlow"), true},
        {1320, text(contacts::technicalAdviserHeading), false},
        {1680, text(contacts::technicalAdviser), true},
        {2160, QStringLiteral("Beta Testers, Improvement Contributers:"), false},
        {2520, text(contacts::betaTesters), true},
    };
    int index = 0;
    for (const auto& line : lines)
        titel(page, index++, {0, line.top, 3795, 195}, line.text, line.bold);
}

void frmAbout::buildContactPage(QFrame* page)
{
    titel(page, 9, {15, 120, 3765, 195}, QStringLiteral("You can contact me by mail at :"));
    txtURL = ui::placeControl<ui::LinkLabel>(page, QStringLiteral("txtURL"), {15, 345, 3780, 195});
    txtURL->setText(text(contacts::authorMail));
    txtURL->setToolTip(QStringLiteral("Click to email me"));
    growToFit(txtURL);
    titel(page, 10, {15, 885, 3765, 195}, QStringLiteral("Or contact the Kestrel squadron by email;"));
    txtMail = ui::placeControl<ui::LinkLabel>(page, QStringLiteral("txtMail"), {15, 1110, 3840, 195});
    txtMail->setText(text(contacts::squadMail));
    txtMail->setToolTip(QStringLiteral("Click to email"));
    growToFit(txtMail);
    titel(page, 12, {15, 1560, 3765, 390},
          QStringLiteral("Bug reports and improvement suggestions are very welcome."));
    Picture1 = picture(page, "Picture1", {0, 2280, 1005, 870}, QStringLiteral(":/images/about-contact.png"));
    titel(page, 14, {1200, 2205, 2775, 390}, QStringLiteral("Developed by Varlow in close association with"));
    Label1 = ui::placeControl<QLabel>(page, QStringLiteral("Label1"), {1200, 2640, 2655, 615});
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFont(arialBold());
    Label1->setText(text(contacts::squadName));
    growToFit(Label1);
}

QLabel* frmAbout::titel(QWidget* page, int index, const QRect& twips, const QString& caption, bool bold)
{
    auto* label = ui::placeControl<QLabel>(page, arrayName("OpstartTitel", index), twips);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(caption);
    if (bold) {
        QFont font;
        font.setBold(true); // only the weight is the label's own; the rest is the window's font
        label->setFont(font);
    }
    growToFit(label);
    OpstartTitel[static_cast<std::size_t>(index)] = label;
    return label;
}

void frmAbout::Form_Load()
{
    // Each step stands alone: one that fails is passed over and loading goes on with the next.
    std::string systemInfoPath;
    const std::function<void()> steps[] = {
        [this] { CurrentFrame = 1; },
        [&] { systemInfoPath = settings_.text(schema::kSystemInfoPath); },
        [&] {
            if (!systemInfoPath.empty())
                sysInfoPath_ = systemInfoPath;
            else
                cmdSysInfo->hide();
        },
        [this] {
            for (int i = 2; i <= 4; ++i) {
                fraInfo[i]->move(fraInfo[1]->pos());
                fraInfo[i]->resize(fraInfo[1]->size());
            }
        },
        [this] { lblBuild->move(lblBuild->x(), picLogo->y() + picLogo->height() + lblBuild->height()); },
        [this] {
            lblBuild->setText(QStringLiteral("Quorrin Tool Version:  V%1.%2%3")
                                  .arg(version::major)
                                  .arg(version::minor)
                                  .arg(version::revision));
        },
        [this] {
            lblBuild->resize(QFontMetrics(font()).horizontalAdvance(lblBuild->text()), lblBuild->height());
        },
        [this] { lblBuild->move(picLogo->x(), lblBuild->y()); },
    };
    for (const auto& step : steps) {
        try {
            step();
        } catch (...) {
        }
    }
}

void frmAbout::tabStrip_Click()
{
    const int selected = tabStrip->currentIndex() + 1;
    if (selected < 1 || selected > 4 || selected == CurrentFrame)
        return;
    fraInfo[static_cast<std::size_t>(selected)]->show();
    fraInfo[static_cast<std::size_t>(CurrentFrame)]->hide();
    CurrentFrame = static_cast<std::int16_t>(selected);
}

void frmAbout::cmdSysInfo_Click()
{
    // Whether the program started is not looked at: a stale path simply starts nothing.
    if (!sysInfoPath_.empty())
        shell_.startProgram(sysInfoPath_);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::txtURL_Click()
{
    shell_.openAddress("mailto:" + std::string(contacts::authorMail));
}

void frmAbout::txtMail_Click()
{
    shell_.openAddress("mailto:" + std::string(contacts::squadMail));
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
