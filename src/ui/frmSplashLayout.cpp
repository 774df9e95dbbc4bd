#include "ui/WindowLayouts.h"

namespace quorrin::ui {

// The splash window has no controls: its picture is drawn on the window itself.
const WindowLayout& frmSplashLayout()
{
    static constexpr WindowLayout layout{.name = "frmSplash",
                                         .caption = "",
                                         .frame = WindowFrame::NoTitleBar,
                                         .clientWidth = 3585,
                                         .clientHeight = 2805,
                                         .controls = {}};
    return layout;
}

} // namespace quorrin::ui
