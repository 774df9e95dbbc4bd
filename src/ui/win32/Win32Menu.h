#pragma once

#include "ui/Layout.h"

#include <windows.h>

namespace quorrin::win32 {

// Menu item identifiers are this plus the command's number: clear of IDOK and IDCANCEL, which the dialog
// manager sends for Enter and Escape, and of the controls' identifiers.
inline constexpr int kFirstMenuId = 100;

UINT menuId(Command command);
// The command of a menu item identifier; Command::None for any other identifier.
Command commandOf(int id);

// The menu bar of `layout`.
HMENU buildMenuBar(const ui::WindowLayout& layout);

// Sets or clears the check mark of the item of `command`.
void setChecked(HMENU bar, Command command, bool checked);

} // namespace quorrin::win32
