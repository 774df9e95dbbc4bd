#include "platform/BrowseForFolder_win.h"
#include "ui/qt/MousePointer.h"
#include "ui/qt/QtDialogs.h"

namespace quorrin {

// The shell's own folder-browse dialog, owned by the main window's native window. Texts are ANSI bytes both
// ways, as the program keeps them on Windows.
std::string QtDialogs::BrowseForFolder(const std::string& initialFolder, const std::string& title)
{
    const ui::ArrowPointerWhileOpen arrow;
    const HWND owner = mainWindow_ ? reinterpret_cast<HWND>(mainWindow_->winId()) : nullptr;
    return quorrin::BrowseForFolder(owner, initialFolder, title);
}

} // namespace quorrin
