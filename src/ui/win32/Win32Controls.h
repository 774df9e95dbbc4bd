#pragma once

#include "ui/Layout.h"
#include "ui/win32/Win32Style.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace quorrin::win32 {

// The first control identifier; a control's identifier is this plus its row's place in the table.
inline constexpr int kFirstControlId = 1000;

struct BuiltControl
{
    const ui::ControlRow* row = nullptr;
    HWND hwnd = nullptr;
    int id = 0;
};

// The child windows built from a window's layout table.
class Win32Controls
{
public:
    void add(BuiltControl control) { controls_.push_back(control); }

    // The control `name`; throws std::out_of_range when the table has none of that name.
    HWND get(std::string_view name) const;
    // The control `name`, or null while it is not made yet (a control may notify its window while it is being
    // made, before it is added here).
    HWND find(std::string_view name) const;
    int idOf(std::string_view name) const;
    // The row of the control with identifier `id`, or null.
    const ui::ControlRow* rowOf(int id) const;
    const std::vector<BuiltControl>& all() const { return controls_; }
    // The controls Tab goes round, in the order of their tab indexes, those inside picture boxes and frames
    // among them.
    std::vector<HWND> tabOrder() const;
    HWND toolTips() const { return toolTips_; }
    void setToolTips(HWND toolTips) { toolTips_ = toolTips; }

private:
    std::vector<BuiltControl> controls_;
    HWND toolTips_ = nullptr;
};

// Makes a row's control in place of the builder's default for its kind (the main window's lists, say);
// returns null to leave it to the builder.
using CustomControl = std::function<HWND(const ui::ControlRow& row, HWND parent, const RECT& pixels, int id)>;

// The window classes of the picture boxes and page frames; registered once per process.
void registerControlClasses();

// Builds every control of `layout` as a child of `window` (or of the control its row names as parent): the
// window class of its kind, its place at `dpi`, caption, tooltip, font and colours, hidden where the row
// says so, and the keyboard order of the tab indexes.
Win32Controls buildControls(HWND window, const ui::WindowLayout& layout, int dpi, FontCache& fonts,
                            ColourTable& colours, const CustomControl& custom = {});

// The text of a control, as its window text.
std::wstring windowText(HWND control);

} // namespace quorrin::win32
