#pragma once

#include "ui/Layout.h"

#include <map>
#include <tuple>
#include <windows.h>

namespace quorrin::win32 {

// The dots per inch of the screen `window` is on (96 at 100 %, 144 at 150 %).
int dpiOf(HWND window);

// Twips to pixels at `dpi`.
int toPixels(int twips, int dpi);
RECT toPixels(const ui::TwipsRect& twips, int dpi);

// The fonts of one window at one DPI, made once each and deleted with the window. The window's own font
// resolves against `windowFont`, so a row that only asks for bold gets the window's face in bold.
class FontCache
{
public:
    FontCache(ui::ControlFont windowFont, int dpi) : windowFont_(windowFont), dpi_(dpi) {}
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    HFONT font(ui::ControlFont wanted, bool underlined = false);
    HFONT windowFont() { return font(windowFont_); }

private:
    ui::ControlFont windowFont_;
    int dpi_;
    std::map<std::tuple<int, double, bool, bool>, HFONT> fonts_;
};

// The colours of a window's controls. A window procedure passes its WM_CTLCOLOR* messages to answer(); the
// controls of colours other than the window's get their text and background set there.
class ColourTable
{
public:
    ColourTable();
    ~ColourTable();
    ColourTable(const ColourTable&) = delete;
    ColourTable& operator=(const ColourTable&) = delete;

    void set(HWND control, ui::Colours colours) { colours_[control] = colours; }
    // A mail link: blue text on the background of the window.
    void setLink(HWND control) { links_[control] = true; }
    void setWindowColours(ui::Colours colours) { window_ = colours; }
    ui::Colours of(HWND control) const;

    // The brush of the window's own background.
    HBRUSH windowBrush() const;
    COLORREF background(ui::Colours colours) const;

    // The answer to WM_CTLCOLORSTATIC, _EDIT, _LISTBOX or _BTN for `control` drawing on `dc`; null where the
    // system's default is right.
    HBRUSH answer(HDC dc, HWND control) const;

private:
    std::map<HWND, ui::Colours> colours_;
    std::map<HWND, bool> links_;
    ui::Colours window_ = ui::Colours::Platform;
    HBRUSH grey_;
    HBRUSH white_;
};

COLORREF toColorRef(ui::Rgb rgb);

} // namespace quorrin::win32
