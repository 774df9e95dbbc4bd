#include "ui/qt/MousePointer.h"
#include "ui/qt/QtDialogs.h"

#include <QDir>
#include <QFileDialog>

namespace quorrin {

std::string QtDialogs::BrowseForFolder(const std::string& initialFolder, const std::string& title)
{
    const ui::ArrowPointerWhileOpen arrow;
    const QString picked = QFileDialog::getExistingDirectory(
        mainWindow_.data(), QString::fromLocal8Bit(title.data(), static_cast<qsizetype>(title.size())),
        QString::fromLocal8Bit(initialFolder.data(), static_cast<qsizetype>(initialFolder.size())));
    if (picked.isEmpty())
        return {};
    // Qt gives a root with its separator ("C:/", "/") and other folders without one, as the native picker
    // does.
    return QDir::toNativeSeparators(picked).toLocal8Bit().toStdString();
}

} // namespace quorrin
