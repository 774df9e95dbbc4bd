#include "ui/win32/Win32Images.h"
#include "ui/WindowLayouts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string_view>
#include <vector>
#include <windows.h>

namespace quorrin::win32 {
namespace {

struct Picture
{
    std::string_view image;
    SIZE size;
};

// Every picture the windows show, at the size of its source image.
constexpr Picture kPictures[] = {
    {"picture1.png", {125, 108}},         {"logo.png", {240, 190}},        {"tip-bulb.png", {32, 32}},
    {"about-background.png", {360, 352}}, {"about-contact.png", {63, 54}},
};

// The bitmap's pixels as 0x00RRGGBB, top row first.
std::vector<COLORREF> pixelsOf(HBITMAP bitmap, SIZE size)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<COLORREF> pixels(static_cast<std::size_t>(size.cx * size.cy));
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    for (COLORREF& pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
}

COLORREF at(const std::vector<COLORREF>& pixels, SIZE size, int x, int y)
{
    return pixels[static_cast<std::size_t>(y * size.cx + x)];
}

TEST(Pictures, EveryPictureTheLayoutsNameIsInTheProgramAtItsSize)
{
    for (const ui::WindowLayout* layout :
         {&ui::frmMainLayout(), &ui::frmSplashLayout(), &ui::frmTipLayout(), &ui::frmAboutLayout()})
        for (const ui::ControlRow& row : layout->controls) {
            if (!row.image.empty())
                EXPECT_TRUE(
                    std::ranges::any_of(kPictures, [&](const Picture& p) { return p.image == row.image; }))
                    << row.image << " of " << layout->name;
        }
    for (const Picture& picture : kPictures) {
        SIZE size{};
        HBITMAP bitmap = loadPicture(picture.image, RGB(1, 2, 3), &size);
        ASSERT_NE(bitmap, nullptr) << picture.image;
        EXPECT_EQ(size.cx, picture.size.cx) << picture.image;
        EXPECT_EQ(size.cy, picture.size.cy) << picture.image;
        DeleteObject(bitmap);
    }
    EXPECT_EQ(loadPicture("no-such-picture.png", RGB(1, 2, 3)), nullptr);
}

// A transparent pixel takes the colour behind the picture, an opaque one keeps its own, on any row and
// column: rows of 24-bit pictures are padded to four bytes and stored bottom row first.
TEST(Pictures, TransparentPartsTakeTheBackgroundAndOpaqueOnesKeepTheirColour)
{
    struct Pixel
    {
        std::string_view image;
        int x;
        int y;
        bool transparent;
        COLORREF colour = 0; // an opaque pixel's
    };
    constexpr Pixel pixels[] = {
        {"tip-bulb.png", 0, 0, true},
        {"tip-bulb.png", 16, 16, false, RGB(255, 255, 0)},
        {"logo.png", 0, 0, true},
        {"logo.png", 120, 95, false, RGB(49, 81, 132)},
        {"picture1.png", 24, 80, false, RGB(31, 59, 115)},
        {"picture1.png", 42, 85, false, RGB(242, 242, 242)},
        {"picture1.png", 42, 90, false, RGB(31, 59, 115)},
        {"picture1.png", 124, 107, false, RGB(212, 208, 200)},
    };
    for (const COLORREF background : {RGB(255, 0, 255), RGB(0, 128, 0)}) {
        for (const Pixel& pixel : pixels) {
            SIZE size{};
            HBITMAP bitmap = loadPicture(pixel.image, background, &size);
            ASSERT_NE(bitmap, nullptr) << pixel.image;
            const COLORREF expected = pixel.transparent ? background : pixel.colour;
            // GetDIBits hands out BGR order, which reads as 0x00RRGGBB; RGB() is 0x00BBGGRR.
            const COLORREF shown = at(pixelsOf(bitmap, size), size, pixel.x, pixel.y);
            EXPECT_EQ(RGB(GetBValue(shown), GetGValue(shown), GetRValue(shown)), expected)
                << pixel.image << " at " << pixel.x << "," << pixel.y;
            DeleteObject(bitmap);
        }
    }
}

} // namespace
} // namespace quorrin::win32
