#include "ui/qt/frmTip.h"

#include "settings/Settings.h"
#include "settings/Schema.h"
#include "ui/qt/Twips.h"

#include <array>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

// Resources of a static library are registered by hand, outside any namespace.
static void initTipImages()
{
    Q_INIT_RESOURCE(tip);
}

namespace quorrin {

namespace {

struct Tip
{
    const char* title;
    const char* text;
};

const std::array<Tip, 4> kTips{{
    {"Welcome", ""},
    {"Safe and quick Tranfering",
     "The fastest way to copy your friends list is : Select a Source Zone Name, Select a Target Zone Name "
     "and press the 'Transfer' button. Your Friends List will be copied now, and all duplicated Friends "
     "will be filtered out, so you will not gett double names on your list. All this will happen in less "
     "than a second !!"},
    {"Viewing your Friends List",
     "Selecting a Source, or a Target zone name, will display it's friends list. So just select a name, "
     "and you are able to see all the friends that are in the list !"},
    {"Make Your Own Selection",
     "After Selecting a Source Zone Name, you can make a selection from your friends list. Simply "
     "un-check every one you DO NOT want to be copied, the program will do the rest !"},
}};

QFont msSansSerif(bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

void paintWhite(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

frmTip::frmTip(Settings& settings) : QDialog(nullptr), settings_(settings)
{
    initTipImages();
    setObjectName(QStringLiteral("frmTip"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Tip of the Day"));
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/images/tip-icon-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    setFont(msSansSerif());
    setFixedSize(ui::twipsToPixels(5415), ui::twipsToPixels(3285));

    buildControls();
    Form_Load();
}

void frmTip::buildControls()
{
    cmdOK = ui::placeControl<QPushButton>(this, QStringLiteral("cmdOK"), {4080, 120, 1215, 375});
    cmdOK->setText(QStringLiteral("OK"));
    cmdOK->setDefault(true);

    Picture1 = ui::placeControl<QLabel>(this, QStringLiteral("Picture1"), {120, 120, 3735, 2715});
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setPixmap(QPixmap(QStringLiteral(":/images/tip-bulb.png")));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paintWhite(Picture1);

    cmdNextTip = ui::placeControl<QPushButton>(this, QStringLiteral("cmdNextTip"), {4080, 600, 1215, 375});
    cmdNextTip->setText(QStringLiteral("&Next Tip"));

    chkTip = ui::placeControl<QCheckBox>(this, QStringLiteral("chkTip"), {120, 2940, 2055, 315});
    chkTip->setText(QStringLiteral("&Show Tips at Startup"));

    txtTip = ui::placeControl<QLabel>(Picture1, QStringLiteral("txtTip"), {180, 600, 3255, 1875});
    txtTip->setWordWrap(true);
    txtTip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paintWhite(txtTip);

    txtTitle = ui::placeControl<QLineEdit>(Picture1, QStringLiteral("txtTitle"), {480, 120, 3135, 375});
    txtTitle->setReadOnly(true);
    txtTitle->setFrame(false);
    txtTitle->setFont(msSansSerif(true));
    paintWhite(txtTitle);

    connect(cmdOK, &QPushButton::clicked, this, &frmTip::cmdOK_Click);
    connect(cmdNextTip, &QPushButton::clicked, this, &frmTip::cmdNextTip_Click);

    // The labels take no focus; the rest follow their tab indexes.
    Picture1->setFocusPolicy(Qt::TabFocus);
    setTabOrder(cmdOK, Picture1);
    setTabOrder(Picture1, cmdNextTip);
    setTabOrder(cmdNextTip, chkTip);
    setTabOrder(chkTip, txtTitle);
    cmdOK->setFocus();
}

void frmTip::Form_Load()
{
    chkTip->setChecked(settings_.showTips());
    CurrentTip = settings_.nextTip();

    ShowTip();
}

void frmTip::ShowTip()
{
    if (CurrentTip < 1 || CurrentTip > static_cast<int>(kTips.size()))
        return;
    const Tip& tip = kTips[static_cast<std::size_t>(CurrentTip - 1)];
    txtTitle->setText(QStringLiteral("Tip %1. %2").arg(CurrentTip).arg(QLatin1String(tip.title)));
    txtTip->setText(QLatin1String(tip.text));
}

void frmTip::cmdNextTip_Click()
{
    if (CurrentTip >= 4)
        CurrentTip = 0;
    // Below 4 here, so the step never leaves the 16-bit range.
    ++CurrentTip;
    ShowTip();
}

void frmTip::SaveTipSettings()
{
    if (CurrentTip >= 4)
        CurrentTip = 0;
    settings_.saveTipSettings(std::int32_t{CurrentTip + 1}, chkTip->isChecked());
}

void frmTip::cmdOK_Click()
{
    SaveTipSettings();
    unload();
}

void frmTip::reject()
{
    cmdOK_Click();
}

void frmTip::unloadByProgram()
{
    unload();
}

void frmTip::unload()
{
    unloadingByCode_ = true;
    close();
}

void frmTip::closeEvent(QCloseEvent* event)
{
    // The user's close from the title bar saves like OK; a close by program code or by the ending session
    // does not.
    if (!unloadingByCode_ && !qApp->isSavingSession())
        SaveTipSettings();
    event->accept();
}

frmTip* showTipOfTheDay(Settings& settings)
{
    // A closed dialog may still wait for its deletion; it is hidden by then and does not count as open.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        auto* open = qobject_cast<frmTip*>(window);
        if (open && open->isVisible()) {
            open->raise();
            open->activateWindow();
            return open;
        }
    }
    auto* tip = new frmTip(settings);
    tip->show();
    return tip;
}

} // namespace quorrin
