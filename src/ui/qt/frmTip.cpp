#include "ui/qt/frmTip.h"

#include "ui/qt/LayoutBuilder.h"
#include "ui/qt/LayoutStyle.h"
#include "ui/qt/TextCodec.h"
#include "ui/qt/Twips.h"
#include "ui/WindowLayouts.h"

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

frmTip::frmTip(Settings& settings) : QDialog(nullptr), tip_(settings, *this)
{
    initTipImages();
    const ui::WindowLayout& layout = ui::frmTipLayout();
    setObjectName(ui::layoutText(layout.name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(ui::layoutText(layout.caption));
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/images/tip-icon-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    setFont(ui::layoutFont(layout.font));
    setFixedSize(ui::twipsToPixels(layout.clientWidth), ui::twipsToPixels(layout.clientHeight));

    buildControls();
    tip_.Form_Load();
}

void frmTip::buildControls()
{
    const ui::BuiltControls controls = ui::buildControls(this, ui::frmTipLayout());
    cmdOK = controls.get<QPushButton>("cmdOK");
    Picture1 = controls.get<QLabel>("Picture1");
    cmdNextTip = controls.get<QPushButton>("cmdNextTip");
    chkTip = controls.get<QCheckBox>("chkTip");
    txtTip = controls.get<QLabel>("txtTip");
    txtTitle = controls.get<QLineEdit>("txtTitle");

    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmTip::cmdOK_Click);
    connect(cmdNextTip, &QPushButton::clicked, this, [this] { tip_.cmdNextTip_Click(); });
    cmdOK->setFocus();
}

void frmTip::showTip(const std::string& title, std::string_view text)
{
    txtTitle->setText(ui::layoutText(title));
    txtTip->setText(ui::layoutText(text));
}

void frmTip::setShowAtStartup(bool checked)
{
    chkTip->setChecked(checked);
}

bool frmTip::showAtStartup() const
{
    return chkTip->isChecked();
}

void frmTip::cmdOK_Click()
{
    tip_.SaveTipSettings();
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
        tip_.SaveTipSettings();
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
