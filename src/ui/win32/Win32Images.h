#pragma once

#include <string_view>
#include <windows.h>

namespace quorrin::win32 {

// Starts GDI+ for the program's pictures for as long as it lives.
class ImageSupport
{
public:
    ImageSupport();
    ~ImageSupport();
    ImageSupport(const ImageSupport&) = delete;
    ImageSupport& operator=(const ImageSupport&) = delete;

private:
    ULONG_PTR token_ = 0;
};

// The picture of that file name among the program's images (a PNG resource), drawn over `background` so that
// its transparent parts take the colour behind it; null when there is no such picture. The caller deletes it.
HBITMAP loadPicture(std::string_view image, COLORREF background, SIZE* size = nullptr);

} // namespace quorrin::win32
