#include "ui/win32/Win32Images.h"
#include "ui/WindowLayouts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string_view>
#include <utility>
#include <vector>
#include <windows.h>

namespace quorrin::win32 {
namespace {

constexpr COLORREF kTransparent = 0xFFFFFFFF; // no colour of its own: the background's

struct Pixel
{
    int x;
    int y;
    COLORREF colour;
};

struct Picture
{
    std::string_view image;
    SIZE size;
    std::vector<Pixel> pixels;
};

// Every picture the windows show, at the size of its source image, with a few pixels of known colour.
const Picture kPictures[] = {
    {"picture1.png",
     {125, 108},
     {{24, 80, RGB(31, 59, 115)},
      {42, 85, RGB(242, 242, 242)},
      {42, 90, RGB(31, 59, 115)},
      {124, 107, RGB(212, 208, 200)}}},
    {"logo.png", {240, 190}, {{0, 0, kTransparent}, {120, 95, RGB(49, 81, 132)}}},
    {"tip-bulb.png", {32, 32}, {{0, 0, kTransparent}, {16, 16, RGB(255, 255, 0)}}},
    {"about-background.png", {360, 352}, {}},
    {"about-contact.png", {63, 54}, {}},
};

COLORREF pixelAt(HBITMAP bitmap, int x, int y)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return colour;
}

// A transparent pixel takes the colour behind the picture, an opaque one keeps its own, on any row and
// column: rows of 24-bit pictures are padded to four bytes and stored bottom row first.
TEST(Pictures, EveryPictureTheLayoutsNameLoadsAtItsSizeOverAnyBackground)
{
    for (const ui::WindowLayout* layout :
         {&ui::frmMainLayout(), &ui::frmSplashLayout(), &ui::frmTipLayout(), &ui::frmAboutLayout()})
        for (const ui::ControlRow& row : layout->controls) {
            if (!row.image.empty()) {
                EXPECT_TRUE(
                    std::ranges::any_of(kPictures, [&](const Picture& p) { return p.image == row.image; }))
                    << row.image << " of " << layout->name;
            }
        }
    for (const COLORREF background : {RGB(255, 0, 255), RGB(0, 128, 0)})
        for (const auto& [image, expectedSize, pixels] : kPictures) {
            SIZE size{};
            HBITMAP bitmap = loadPicture(image, background, &size);
            ASSERT_NE(bitmap, nullptr) << image;
            EXPECT_EQ(std::pair(size.cx, size.cy), std::pair(expectedSize.cx, expectedSize.cy)) << image;
            for (const auto& [x, y, colour] : pixels)
                EXPECT_EQ(pixelAt(bitmap, x, y), colour == kTransparent ? background : colour)
                    << image << " at " << x << "," << y;
            DeleteObject(bitmap);
        }
    EXPECT_EQ(loadPicture("no-such-picture.png", RGB(1, 2, 3)), nullptr);
}

} // namespace
} // namespace quorrin::win32
