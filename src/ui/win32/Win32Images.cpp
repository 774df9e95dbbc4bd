#include "ui/win32/Win32Images.h"

#include "ui/win32/resource.h"

#include <objidl.h>
#include <shlwapi.h>
// GDI+ needs the COM and GDI declarations above, and min/max of its own.
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus
#include <gdiplus.h>

namespace quorrin::win32 {

namespace {

int resourceOf(std::string_view image)
{
    struct Entry
    {
        std::string_view name;
        int id;
    };
    constexpr Entry entries[] = {
        {"picture1.png", IDR_PICTURE1_PNG},           {"logo.png", IDR_LOGO_PNG},
        {"tip-bulb.png", IDR_TIP_BULB_PNG},           {"about-background.png", IDR_ABOUT_BACKGROUND_PNG},
        {"about-contact.png", IDR_ABOUT_CONTACT_PNG},
    };
    for (const Entry& entry : entries)
        if (entry.name == image)
            return entry.id;
    return 0;
}

} // namespace

ImageSupport::ImageSupport()
{
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
}

ImageSupport::~ImageSupport()
{
    if (token_)
        Gdiplus::GdiplusShutdown(token_);
}

HBITMAP loadPicture(std::string_view image, COLORREF background, SIZE* size)
{
    const int id = resourceOf(image);
    if (!id)
        return nullptr;
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return nullptr;
    IStream* stream =
        SHCreateMemStream(static_cast<const BYTE*>(bytes), static_cast<UINT>(SizeofResource(module, found)));
    if (!stream)
        return nullptr;
    HBITMAP bitmap = nullptr;
    Gdiplus::GpBitmap* picture = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromStream(stream, &picture) == Gdiplus::Ok) {
        const Gdiplus::ARGB argb = 0xFF000000u | (GetRValue(background) << 16) |
                                   (GetGValue(background) << 8) | GetBValue(background);
        Gdiplus::DllExports::GdipCreateHBITMAPFromBitmap(picture, &bitmap, argb);
        if (size) {
            UINT width = 0;
            UINT height = 0;
            Gdiplus::DllExports::GdipGetImageWidth(picture, &width);
            Gdiplus::DllExports::GdipGetImageHeight(picture, &height);
            *size = {static_cast<LONG>(width), static_cast<LONG>(height)};
        }
        Gdiplus::DllExports::GdipDisposeImage(picture);
    }
    stream->Release();
    return bitmap;
}

} // namespace quorrin::win32
