#include "base/Contacts.h"
#include "ui/WindowLayouts.h"

namespace quorrin::ui {

namespace {

using enum ControlKind;

constexpr std::string_view kDisclaimer =
    "The Developer tried to keep this software as bug-free as possible. Hours and hours of testing proceeded "
    "this release. But it's a general rule (Murphy's), that no software ever is error free, and the number "
    "of "
    "errors increases with the complexity of the program. That's why we cannot guarantee that this software "
    "will run in every environment, on any Windows compatible machine, together with any other application, "
    "without producing errors. Any liability for damage of any sort is hereby denied.";

constexpr ControlFont kArialBold{FontFace::Arial, 11.25, true};
constexpr TwipsRect kPage{0, 0, 3825, 3735};

// The plain text labels of the pages, one control array with gaps in its indexes.
constexpr ControlRow titel(std::string_view name, std::string_view page, TwipsRect rect,
                           std::string_view caption, bool bold = false)
{
    return {.name = name,
            .kind = Label,
            .rect = rect,
            .caption = caption,
            .font = bold ? kWindowFontBold : kWindowFont,
            .parent = page,
            .wordWrap = true};
}

constexpr ControlRow kControls[] = {
    {.name = "tabStrip", .kind = TabStrip, .rect = {150, 135, 4155, 4215}, .tabIndex = 2},
    // The pages lie over the tab strip's area: the first where it was designed, the others moved there when
    // the box loads.
    {.name = "fraInfo(1)", .kind = Frame, .rect = {300, 570, 3825, 3735}},
    {.name = "fraInfo(2)", .kind = Frame, .rect = kPage, .visible = false},
    {.name = "fraInfo(3)", .kind = Frame, .rect = kPage, .visible = false},
    {.name = "fraInfo(4)", .kind = Frame, .rect = kPage, .visible = false},
    {.name = "cmdSysInfo",
     .kind = PushButton,
     .rect = {2010, 4530, 1110, 330},
     .tabIndex = 1,
     .caption = "&System Info"},
    {.name = "cmdOK",
     .kind = PushButton,
     .rect = {3195, 4530, 1110, 330},
     .tabIndex = 0,
     .caption = "&Close"},

    // Version
    {.name = "picLogo",
     .kind = Picture,
     .rect = {0, 0, 3660, 2910},
     .parent = "fraInfo(1)",
     .image = "logo.png",
     .imageCentred = true},
    {.name = "lblBuild",
     .kind = Label,
     .rect = {30, 2505, 645, 195},
     .caption = "build:",
     .parent = "fraInfo(1)"},

    // Disclaimer
    titel("OpstartTitel(7)", "fraInfo(2)", {15, 120, 3765, 1935}, kDisclaimer),
    titel("OpstartTitel(8)", "fraInfo(2)", {0, 2280, 3795, 585}, ""),

    // Credits
    titel("OpstartTitel(0)", "fraInfo(3)", {0, 120, 3795, 195}, "The Kestrel Developers Team;", true),
    titel("OpstartTitel(1)", "fraInfo(3)", {0, 480, 3795, 195},
          "Main Developer / Driving Software Engineer:"),
    titel("OpstartTitel(2)", "fraInfo(3)", {0, 840, 3795, 195}, "Varlow", true),
    titel("OpstartTitel(3)", "fraInfo(3)", {0, 1320, 3795, 195}, contacts::technicalAdviserHeading),
    titel("OpstartTitel(4)", "fraInfo(3)", {0, 1680, 3795, 195}, contacts::technicalAdviser, true),
    titel("OpstartTitel(5)", "fraInfo(3)", {0, 2160, 3795, 195}, "Beta Testers, Improvement Contributers:"),
    titel("OpstartTitel(6)", "fraInfo(3)", {0, 2520, 3795, 195}, contacts::betaTesters, true),

    // Contact
    titel("OpstartTitel(9)", "fraInfo(4)", {15, 120, 3765, 195}, "You can contact me by mail at :"),
    {.name = "txtURL",
     .kind = LinkLabel,
     .rect = {15, 345, 3780, 195},
     .caption = contacts::authorMail,
     .toolTip = "Click to email me",
     .parent = "fraInfo(4)"},
    titel("OpstartTitel(10)", "fraInfo(4)", {15, 885, 3765, 195},
          "Or contact the Kestrel squadron by email;"),
    {.name = "txtMail",
     .kind = LinkLabel,
     .rect = {15, 1110, 3840, 195},
     .caption = contacts::squadMail,
     .toolTip = "Click to email",
     .parent = "fraInfo(4)"},
    titel("OpstartTitel(12)", "fraInfo(4)", {15, 1560, 3765, 390},
          "Bug reports and improvement suggestions are very welcome."),
    {.name = "Picture1",
     .kind = Picture,
     .rect = {0, 2280, 1005, 870},
     .parent = "fraInfo(4)",
     .image = "about-contact.png",
     .imageCentred = true},
    titel("OpstartTitel(14)", "fraInfo(4)", {1200, 2205, 2775, 390},
          "Developed by Varlow in close association with"),
    {.name = "Label1",
     .kind = Label,
     .rect = {1200, 2640, 2655, 615},
     .caption = contacts::squadName,
     .font = kArialBold,
     .parent = "fraInfo(4)",
     .wordWrap = true},
};

constexpr TabRow kTabs[] = {
    {"Version", "version", "Version information"},
    {"Disclaimer", "disclaimer", "Disclaimer"},
    {"Credits", "credits", "Credits"},
    {"Contact", "contact", "Contact Me"},
};

constexpr WindowLayout kLayout{.name = "frmAbout",
                               .caption = "About Quorrin Tool",
                               .frame = WindowFrame::Dialog,
                               .clientWidth = 4425,
                               .clientHeight = 4995,
                               .font = kMsSansSerif,
                               .colours = Colours::Platform,
                               .controls = kControls,
                               .tabs = kTabs};

} // namespace

const WindowLayout& frmAboutLayout()
{
    return kLayout;
}

} // namespace quorrin::ui
