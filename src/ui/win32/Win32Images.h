#pragma once

#include <string_view>
#include <windows.h>

namespace quorrin::win32 {

// The picture of that file name among the program's images (a bitmap resource: 24-bit, or 32-bit with an
// alpha channel), drawn over `background` so that its transparent parts take the colour behind it; null when
// there is no such picture. The caller deletes it.
HBITMAP loadPicture(std::string_view image, COLORREF background, SIZE* size = nullptr);

} // namespace quorrin::win32
