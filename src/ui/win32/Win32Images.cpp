#include "ui/win32/Win32Images.h"

#include "ui/win32/resource.h"

#include <cstdint>
#include <cstring>

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
        {"picture1.png", IDB_PICTURE1},           {"logo.png", IDB_LOGO},
        {"tip-bulb.png", IDB_TIP_BULB},           {"about-background.png", IDB_ABOUT_BACKGROUND},
        {"about-contact.png", IDB_ABOUT_CONTACT},
    };
    for (const Entry& entry : entries)
        if (entry.name == image)
            return entry.id;
    return 0;
}

std::uint8_t over(std::uint8_t colour, std::uint8_t behind, std::uint8_t alpha)
{
    return static_cast<std::uint8_t>((colour * alpha + behind * (255 - alpha) + 127) / 255);
}

} // namespace

HBITMAP loadPicture(std::string_view image, COLORREF background, SIZE* size)
{
    const int id = resourceOf(image);
    if (!id)
        return nullptr;
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2) /* RT_BITMAP */);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* bytes = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    const std::size_t length = found ? SizeofResource(module, found) : 0;
    BITMAPINFOHEADER header{};
    if (!bytes || length < sizeof(header))
        return nullptr;
    std::memcpy(&header, bytes, sizeof(header));
    const int depth = header.biBitCount;
    if (header.biSize < sizeof(header) || header.biSize > length || header.biWidth <= 0 ||
        header.biHeight == 0 || header.biPlanes != 1 || (depth != 24 && depth != 32) ||
        header.biCompression != BI_RGB)
        return nullptr;
    const LONG width = header.biWidth;
    const LONG height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    const std::size_t stride =
        (static_cast<std::size_t>(width) * static_cast<std::size_t>(depth / 8) + 3) & ~std::size_t{3};
    if ((length - header.biSize) / stride < static_cast<std::size_t>(height))
        return nullptr;

    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits)
        return bitmap ? (DeleteObject(bitmap), nullptr) : nullptr;
    const std::uint8_t behind[3] = {GetBValue(background), GetGValue(background), GetRValue(background)};
    auto* to = static_cast<std::uint8_t*>(bits);
    for (LONG y = 0; y < height; ++y) {
        // Rows are stored bottom-up unless the height says otherwise.
        const LONG row = header.biHeight > 0 ? height - 1 - y : y;
        const std::uint8_t* from = bytes + header.biSize + stride * static_cast<std::size_t>(row);
        for (LONG x = 0; x < width; ++x, from += depth / 8, to += 4) {
            const std::uint8_t alpha = depth == 32 ? from[3] : 255;
            for (int channel = 0; channel < 3; ++channel)
                to[channel] = over(from[channel], behind[channel], alpha);
            to[3] = 0;
        }
    }
    if (size)
        *size = {width, height};
    return bitmap;
}

} // namespace quorrin::win32
