#include "ui/win32/Win32Menu.h"

#include "ui/win32/Win32Text.h"

namespace quorrin::win32 {

UINT menuId(Command command)
{
    return static_cast<UINT>(kFirstMenuId + static_cast<int>(command));
}

Command commandOf(int id)
{
    const int number = id - kFirstMenuId;
    if (number <= static_cast<int>(Command::None) || number > static_cast<int>(Command::HelpAbout))
        return Command::None;
    return static_cast<Command>(number);
}

HMENU buildMenuBar(const ui::WindowLayout& layout)
{
    HMENU bar = CreateMenu();
    HMENU menu = nullptr;
    for (const ui::MenuRow& row : layout.menu) {
        const std::wstring caption = fromAnsi(row.caption);
        if (row.level == 0) {
            menu = CreatePopupMenu();
            AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu), caption.c_str());
        } else if (row.isSeparator()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(menu, MF_STRING, menuId(row.command), caption.c_str());
        }
    }
    return bar;
}

void setChecked(HMENU bar, Command command, bool checked)
{
    CheckMenuItem(bar, menuId(command), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

} // namespace quorrin::win32
