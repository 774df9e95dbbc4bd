#include "ui/WindowLayouts.h"

namespace quorrin::ui {

namespace {

using enum ControlKind;

constexpr ControlRow kControls[] = {
    {.name = "cmdOK", .kind = PushButton, .rect = {4080, 120, 1215, 375}, .tabIndex = 0, .caption = "OK"},
    {.name = "Picture1",
     .kind = Picture,
     .rect = {120, 120, 3735, 2715},
     .tabIndex = 1,
     .colours = Colours::White,
     .image = "tip-bulb.png"},
    {.name = "cmdNextTip",
     .kind = PushButton,
     .rect = {4080, 600, 1215, 375},
     .tabIndex = 2,
     .caption = "&Next Tip"},
    {.name = "chkTip",
     .kind = CheckBox,
     .rect = {120, 2940, 2055, 315},
     .tabIndex = 3,
     .caption = "&Show Tips at Startup"},
    {.name = "txtTip",
     .kind = Label,
     .rect = {180, 600, 3255, 1875},
     .tabIndex = 4,
     .colours = Colours::White,
     .parent = "Picture1",
     .wordWrap = true},
    {.name = "txtTitle",
     .kind = TextBox,
     .rect = {480, 120, 3135, 375},
     .tabIndex = 5,
     .font = kMsSansSerifBold,
     .colours = Colours::White,
     .parent = "Picture1"},
};

constexpr WindowLayout kLayout{"frmTip", "Tip of the Day", WindowFrame::Dialog, 5415,
                               3285,     kMsSansSerif,     Colours::Platform,   kControls};

} // namespace

const WindowLayout& frmTipLayout()
{
    return kLayout;
}

} // namespace quorrin::ui
