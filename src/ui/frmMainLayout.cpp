#include "ui/WindowLayouts.h"

namespace quorrin::ui {

namespace {

using enum ControlKind;

constexpr std::string_view kTransfers = "Number of transfers this program has performed yet";
constexpr std::string_view kMoved = "Number of Zone Names this program has transfered for you";

constexpr ControlRow kControls[] = {
    // clang-format off
    {"Label2", Label, {0, 240, 3735, 255}, 10, "Total Transfers Done With This program :", kTransfers, kWindowFont, Colours::Grey},
    {"Label3", Label, {3600, 240, 1335, 255}, 11, "", kTransfers, kMsSansSerif, Colours::Grey},
    {"Label4", Label, {0, 600, 4335, 255}, 12, "Total Friends Moved With This program :", kMoved, kWindowFont, Colours::Grey},
    {"Label5", Label, {3600, 600, 975, 255}, 13, "", kMoved, kMsSansSerif, Colours::Grey},
    {"Picture1", Picture, {6000, 120, 1875, 1620}, 16, "", "Kestrel combat FS Virtual Squad", kMsSansSerif, Colours::Platform, {}, true, "picture1.png"},
    {"Label1(0)", Label, {360, 1920, 2535, 255}, 2, "Source Zone Name", "", kWindowFont, Colours::Grey},
    {"Label1(1)", Label, {5280, 1920, 2535, 255}, 3, "Target Zone Name ", "", kWindowFont, Colours::Grey},
    {"BtnTransfer", PushButton, {3240, 2280, 1695, 495}, 1, "Transfer ----->", "Press this button to start the transfer", kVerdanaBold, Colours::Platform},
    {"SourceList", ComboBox, {360, 2400, 2535, 315}, 14, kSourcePrompt, "Select the source Zone Name", kWindowFont, Colours::Grey},
    {"TargetList", ComboBox, {5280, 2400, 2535, 315}, 15, kTargetPrompt, "Select the target Zone Name", kWindowFont, Colours::Grey},
    {"Label1(2)", Label, {0, 3480, 3855, 255}, 7, "Friends Form Selected Source Zone Name ", "", kWindowFont, Colours::Grey},
    {"Label1(3)", Label, {4440, 3480, 4455, 255}, 8, "Friends  Form Selected Target Zone Name ", "", kWindowFont, Colours::Grey},
    {"SourceListZoneNames", CheckList, {360, 3840, 2535, 1185}, 5, "", "Friends From Selected Source Zone Name", kWindowFont, Colours::Grey},
    {"TargetListZoneNames", List, {5280, 3840, 2535, 1230}, 6, "", "Friends From Selected Target Zone Name", kWindowFont, Colours::Grey},
    wrapped({"Label6", Label, {120, 5520, 7935, 975}, 17,
     "You can make your own selection by un-checking everyone you DO NOT want to be copied to the Selected "
     "Target Name. Leaving everythin checked will copy all the friends from the selected Source Name to the "
     "Selected Target Name (Duplicated names  will be filtered out automatically, so you will not gett double "
     "names on your friends lists)", "", kWindowFont, Colours::Grey}),
    {"DebugList", List, {1080, 6480, 5775, 840}, 4, "", "Extended Debug information (EDI)", kWindowFont, Colours::Platform},
    // The transfer's working list lives in the core; the control only keeps its place, behind the status bar
    // and never shown.
    {"TransferList", List, {120, 7560, 615, 255}, 9, "", "", kMsSansSerif, Colours::Platform, {}, false},
    // clang-format on
};

constexpr MenuRow kMenu[] = {
    {"mnuFile", "&File", 0},
    {"mnuFileExit", "E&xit", 1, Command::FileExit},
    {"mnuOption", "&Options", 0},
    {"mnuNormal", "&Normal Mode", 1, Command::NormalMode, true},
    {"mnuDeveloper", "&Developer Mode", 1, Command::DeveloperMode, true},
    {"mnuLinkS", "&Usefull Links", 0},
    {"mnuLinksVarlow", "&Varlows Site", 1, Command::LinkVarlow},
    {"mnuMail", "&Send me a Mail", 1, Command::Mail},
    {"mnuDiv2", "", 1},
    {"mnuLinkKestrel", "&Kestrel Squads Homepage", 1, Command::LinkKestrel},
    {"mnuDiv4", "", 1},
    {"mnuLinkZone", "Microsoft Internet Gaming Zone", 1, Command::LinkZone},
    {"mnuHelp", "&Help", 0},
    {"mnuTip", "&Tip of the Day ...", 1, Command::TipOfTheDay},
    {"mnudiv1", "", 1},
    {"mnuHelpContents", "&Help Topics...", 1, Command::HelpContents},
    {"mnuHelpBar0", "", 1},
    {"mnuHelpAbout", "&About", 1, Command::HelpAbout},
};

constexpr WindowLayout kLayout{
    "frmMain", "Quorrin", WindowFrame::Sizable, 8175, 7710, kVerdana, Colours::Grey, kControls, kMenu};

} // namespace

const WindowLayout& frmMainLayout()
{
    return kLayout;
}

} // namespace quorrin::ui
