#include "ui/qt/MousePointer.h"
#include "ui/qt/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace quorrin {

namespace {

QString fromBytes(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

// Message texts break lines with a lone CR, as the platform's message boxes do; Qt breaks them at LF.
QString messageText(const std::string& text)
{
    QString shown = fromBytes(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The box stands over the active window, unless that window is out of view (the splash window moves out of
// view before an error is reported); then it stands in the middle of the screen.
QWidget* boxOwner()
{
    QWidget* active = QApplication::activeWindow();
    if (active && active->screen() && !active->screen()->geometry().intersects(active->frameGeometry()))
        return nullptr;
    return active;
}

} // namespace

MessageResult QtDialogs::showMessage(const MessageBoxRequest& request)
{
    const ui::ArrowPointerWhileOpen arrow;
    QMessageBox box(toQtIcon(request.icon), fromBytes(request.title), messageText(request.text),
                    QMessageBox::NoButton, boxOwner());
    // Texts are shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    if (request.buttons == MessageButtons::OkCancel)
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    box.setDefaultButton(ok);
    box.exec();
    // Closing the box without a button leaves no OK click behind: that is Cancel.
    return box.clickedButton() == ok ? MessageResult::Ok : MessageResult::Cancel;
}

// BrowseForFolder is per system: QtFolderPicker_posix.cpp and QtFolderPicker_win.cpp.

} // namespace quorrin
