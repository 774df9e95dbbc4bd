#pragma once

#include <string>
#include <string_view>

namespace quorrin::win32 {

// The core keeps texts as bytes in the system's ANSI code page; Windows shows them decoded with that code
// page, so a name looks here as it does in the Explorer.
std::wstring fromAnsi(std::string_view bytes);

// The text of a window or control, encoded back to the ANSI code page.
std::string toAnsi(std::wstring_view text);

} // namespace quorrin::win32
