#pragma once

#include "ui/Layout.h"

namespace quorrin::ui {

// The windows of the program as laid out: every control's place, size, tab place, caption, tooltip, font and
// colours, and the menus. Both front ends build their windows from these and nothing else.
const WindowLayout& frmMainLayout();
const WindowLayout& frmSplashLayout();
const WindowLayout& frmTipLayout();
const WindowLayout& frmAboutLayout();

// The main window's status bar: docked along the bottom, full width, this high, with three panels of at least
// this width (the text "Status", the date, the time).
inline constexpr int kStatusBarHeight = 270;
inline constexpr int kStatusPanelMinWidth = 1440;
inline constexpr std::string_view kStatusText = "Status";

// What the Zone Name boxes show until a name is picked.
inline constexpr std::string_view kSourcePrompt = "Select Source Name";
inline constexpr std::string_view kTargetPrompt = "Select Target Name";

// The main window's timer for the periodic log save, and the tip and splash timers.
inline constexpr int kTimer1Interval = 5000;
inline constexpr int kSplashInterval = 3000;

} // namespace quorrin::ui
