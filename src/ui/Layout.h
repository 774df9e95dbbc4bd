#pragma once

#include "app/Command.h"
#include "ui/Twips.h"

#include <span>
#include <string_view>

namespace quorrin::ui {

// What a control is; each front end maps a kind to its own widget or window class.
enum class ControlKind
{
    Label,   // static text, or a picture's caption area
    Picture, // an image, drawn at its top-left corner or centred
    PushButton,
    CheckBox,
    TextBox,   // one line of text, read-only where the window only shows it
    ComboBox,  // editable text with a drop-down list
    CheckList, // a list with a check box in front of every entry
    List,      // a plain list
    TabStrip,
    Frame,     // a borderless container: the pages of a tab strip
    LinkLabel, // underlined text that opens an address when clicked
};

enum class FontFace
{
    Window, // the window's own font
    Verdana,
    MsSansSerif,
    Arial,
};

struct ControlFont
{
    FontFace face = FontFace::Window;
    double points = 8.25;
    bool bold = false;

    bool operator==(const ControlFont&) const = default;
};

inline constexpr ControlFont kWindowFont{};
inline constexpr ControlFont kVerdana{FontFace::Verdana, 8.25, false};
inline constexpr ControlFont kVerdanaBold{FontFace::Verdana, 8.25, true};
inline constexpr ControlFont kMsSansSerif{FontFace::MsSansSerif, 8.25, false};
inline constexpr ControlFont kMsSansSerifBold{FontFace::MsSansSerif, 8.25, true};
inline constexpr ControlFont kWindowFontBold{FontFace::Window, 8.25, true};

enum class Colours
{
    Window,   // whatever the window around it has
    Grey,     // the main window's greys: background (104, 104, 104), text (230, 230, 230)
    Platform, // the platform's own colours, whatever the window around it has
    White,    // a white background
};

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kGreyBackground{104, 104, 104};
inline constexpr Rgb kGreyText{230, 230, 230};

// Controls without a place in the keyboard order.
inline constexpr int kNoTab = -1;

// One control of a window. The name is the control's name, with the index in brackets for a member of a
// control array ("Label1(2)"); front ends give it to the control as its object name.
struct ControlRow
{
    std::string_view name;
    ControlKind kind = ControlKind::Label;
    TwipsRect rect;
    int tabIndex = kNoTab; // labels and frames keep their index but never take the focus
    std::string_view caption = {};
    std::string_view toolTip = {};
    ControlFont font = kWindowFont;
    Colours colours = Colours::Window;
    std::string_view parent = {}; // a frame or picture of the same window; empty: the window itself
    bool visible = true;
    std::string_view image = {}; // a picture's image, by its file name among the program's images
    bool imageCentred = false;   // otherwise drawn at the top-left corner
    bool wordWrap = false;       // a label's text wrapped inside its rectangle
};

// The same row with its text wrapped inside its rectangle.
constexpr ControlRow wrapped(ControlRow row)
{
    row.wordWrap = true;
    return row;
}

// True for the kinds that take the keyboard focus when their tab place comes.
bool takesFocus(ControlKind kind);

// One entry of a window's menu bar: a menu (level 0) or an item of the menu above it (level 1). An item
// without a caption is a separator.
struct MenuRow
{
    std::string_view name;
    std::string_view caption;
    int level = 1;
    Command command = Command::None;
    bool checkable = false;

    bool isSeparator() const { return level > 0 && caption.empty(); }
};

// One tab of a tab strip.
struct TabRow
{
    std::string_view caption;
    std::string_view key;
    std::string_view toolTip;
};

enum class WindowFrame
{
    Sizable,    // a sizable border with minimise and maximise buttons
    Dialog,     // a fixed dialog border with a close box and nothing else
    NoTitleBar, // a fixed dialog frame with no caption, no control box and no task bar entry
};

struct WindowLayout
{
    std::string_view name;
    std::string_view caption;
    WindowFrame frame = WindowFrame::Dialog;
    int clientWidth = 0; // twips, the client area as laid out
    int clientHeight = 0;
    ControlFont font = kMsSansSerif;
    Colours colours = Colours::Platform;
    std::span<const ControlRow> controls;
    std::span<const MenuRow> menu = {};
    std::span<const TabRow> tabs = {};

    // The row of the control `name`; throws std::out_of_range when the window has none of that name.
    const ControlRow& control(std::string_view controlName) const;
};

} // namespace quorrin::ui
