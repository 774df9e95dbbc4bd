#include "ui/win32/Win32Style.h"

#include <cmath>

namespace quorrin::win32 {

namespace {

const wchar_t* faceName(ui::FontFace face)
{
    switch (face) {
    case ui::FontFace::Verdana:
        return L"Verdana";
    case ui::FontFace::Arial:
        return L"Arial";
    case ui::FontFace::MsSansSerif:
    case ui::FontFace::Window:
        break;
    }
    // MS Sans Serif is a bitmap font that does not scale with the DPI; its outline successor stands in.
    return L"Microsoft Sans Serif";
}

} // namespace

int dpiOf(HWND window)
{
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow && window) {
        if (const UINT dpi = getDpiForWindow(window))
            return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : ui::kStandardDpi;
}

int toPixels(int twips, int dpi)
{
    return ui::twipsToPixels(twips, dpi);
}

RECT toPixels(const ui::TwipsRect& twips, int dpi)
{
    const int left = toPixels(twips.left, dpi);
    const int top = toPixels(twips.top, dpi);
    return {left, top, left + toPixels(twips.width, dpi), top + toPixels(twips.height, dpi)};
}

FontCache::~FontCache()
{
    for (const auto& [key, font] : fonts_)
        DeleteObject(font);
}

HFONT FontCache::font(ui::ControlFont wanted, bool underlined)
{
    if (wanted.face == ui::FontFace::Window) {
        const bool bold = wanted.bold;
        wanted = windowFont_;
        wanted.bold = bold || windowFont_.bold;
    }
    const auto key = std::make_tuple(static_cast<int>(wanted.face), wanted.points, wanted.bold, underlined);
    if (const auto found = fonts_.find(key); found != fonts_.end())
        return found->second;
    const int height = -static_cast<int>(std::lround(wanted.points * dpi_ / 72.0));
    HFONT created = CreateFontW(height, 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, FALSE, underlined, FALSE,
                                DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                DEFAULT_PITCH | FF_SWISS, faceName(wanted.face));
    fonts_.emplace(key, created);
    return created;
}

COLORREF toColorRef(ui::Rgb rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

ColourTable::ColourTable()
    : grey_(CreateSolidBrush(toColorRef(ui::kGreyBackground))), white_(CreateSolidBrush(RGB(255, 255, 255)))
{}

ColourTable::~ColourTable()
{
    DeleteObject(grey_);
    DeleteObject(white_);
}

ui::Colours ColourTable::of(HWND control) const
{
    const auto found = colours_.find(control);
    const ui::Colours colours = found == colours_.end() ? ui::Colours::Window : found->second;
    return colours == ui::Colours::Window ? window_ : colours;
}

COLORREF ColourTable::background(ui::Colours colours) const
{
    switch (colours == ui::Colours::Window ? window_ : colours) {
    case ui::Colours::Grey:
        return toColorRef(ui::kGreyBackground);
    case ui::Colours::White:
        return RGB(255, 255, 255);
    case ui::Colours::Platform:
    case ui::Colours::Window:
        break;
    }
    return GetSysColor(COLOR_BTNFACE);
}

HBRUSH ColourTable::windowBrush() const
{
    switch (window_) {
    case ui::Colours::Grey:
        return grey_;
    case ui::Colours::White:
        return white_;
    case ui::Colours::Platform:
    case ui::Colours::Window:
        break;
    }
    return GetSysColorBrush(COLOR_BTNFACE);
}

HBRUSH ColourTable::answer(HDC dc, HWND control) const
{
    if (links_.contains(control)) {
        SetTextColor(dc, RGB(0, 0, 192));
        SetBkMode(dc, TRANSPARENT);
        return windowBrush();
    }
    switch (of(control)) {
    case ui::Colours::Grey:
        SetTextColor(dc, toColorRef(ui::kGreyText));
        SetBkColor(dc, toColorRef(ui::kGreyBackground));
        return grey_;
    case ui::Colours::White:
        SetBkColor(dc, RGB(255, 255, 255));
        return white_;
    case ui::Colours::Platform:
    case ui::Colours::Window:
        break;
    }
    return nullptr;
}

} // namespace quorrin::win32
