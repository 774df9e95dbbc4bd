#include "ui/WindowLayouts.h"

#include <cctype>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <tuple>

namespace quorrin::ui {
namespace {

const WindowLayout* const kWindows[] = {&frmMainLayout(), &frmSplashLayout(), &frmTipLayout(),
                                        &frmAboutLayout()};

// The letter after "&", lower-cased; 0 for a caption without an access key.
char accessKey(std::string_view caption)
{
    const auto at = caption.find('&');
    return at == std::string_view::npos || at + 1 >= caption.size()
               ? 0
               : static_cast<char>(std::tolower(static_cast<unsigned char>(caption[at + 1])));
}

// What a front end relies on when it walks a table: names it can look up, parents built before their
// children, one control per tab place.
TEST(LayoutTables, NamesAreUniqueParentsComeFirstAndTabPlacesAreDistinct)
{
    for (const WindowLayout* layout : kWindows) {
        SCOPED_TRACE(std::string(layout->name));
        EXPECT_GT(layout->clientWidth, 0);
        EXPECT_GT(layout->clientHeight, 0);
        std::set<std::string_view> seen;
        std::set<int> tabs;
        for (const ControlRow& row : layout->controls) {
            EXPECT_TRUE(seen.insert(row.name).second) << row.name << " twice";
            if (!row.parent.empty()) {
                EXPECT_TRUE(seen.contains(row.parent)) << row.name << " before its parent " << row.parent;
            }
            if (row.tabIndex != kNoTab) {
                EXPECT_TRUE(tabs.insert(row.tabIndex).second) << row.name << " shares tab " << row.tabIndex;
            }
            EXPECT_GT(row.rect.width, 0) << row.name;
            EXPECT_GT(row.rect.height, 0) << row.name;
            EXPECT_EQ(&layout->control(row.name), &row);
        }
        EXPECT_THROW(layout->control("noSuchControl"), std::out_of_range);
    }
}

// Alt and a letter must reach one menu, and one item within the open menu; every command has one item.
TEST(LayoutTables, MenuAccessKeysAreUniqueAndEveryCommandHasOneItem)
{
    const WindowLayout& main = frmMainLayout();
    ASSERT_FALSE(main.menu.empty());
    EXPECT_EQ(main.menu.front().level, 0);
    std::set<char> barKeys;
    std::set<char> itemKeys;
    std::map<Command, int> items;
    for (const MenuRow& row : main.menu) {
        const char key = accessKey(row.caption);
        if (row.level == 0) {
            EXPECT_TRUE(barKeys.insert(key).second) << row.name;
            itemKeys.clear();
            continue;
        }
        if (key != 0) {
            EXPECT_TRUE(itemKeys.insert(key).second) << row.name;
        }
        EXPECT_EQ(row.isSeparator(), row.command == Command::None) << row.name;
        ++items[row.command];
    }
    for (int c = static_cast<int>(Command::FileExit); c <= static_cast<int>(Command::HelpAbout); ++c)
        EXPECT_EQ(items[static_cast<Command>(c)], 1) << "command " << c;
}

// The main window's places, written out once more: the windows' own tests build from the table, so only this
// notices a wrong number in it. The captions are the ones whose blanks are easy to lose.
TEST(LayoutTables, TheMainWindowKeepsItsPlacesAndBlanks)
{
    struct Place
    {
        std::string_view name;
        TwipsRect rect;
        int tab;
    };
    const Place expected[] = {
        {"Label2", {0, 240, 3735, 255}, 10},
        {"Label3", {3600, 240, 1335, 255}, 11},
        {"Label4", {0, 600, 4335, 255}, 12},
        {"Label5", {3600, 600, 975, 255}, 13},
        {"Picture1", {6000, 120, 1875, 1620}, 16},
        {"Label1(0)", {360, 1920, 2535, 255}, 2},
        {"Label1(1)", {5280, 1920, 2535, 255}, 3},
        {"BtnTransfer", {3240, 2280, 1695, 495}, 1},
        {"SourceList", {360, 2400, 2535, 315}, 14},
        {"TargetList", {5280, 2400, 2535, 315}, 15},
        {"Label1(2)", {0, 3480, 3855, 255}, 7},
        {"Label1(3)", {4440, 3480, 4455, 255}, 8},
        {"SourceListZoneNames", {360, 3840, 2535, 1185}, 5},
        {"TargetListZoneNames", {5280, 3840, 2535, 1230}, 6},
        {"Label6", {120, 5520, 7935, 975}, 17},
        {"DebugList", {1080, 6480, 5775, 840}, 4},
        {"TransferList", {120, 7560, 615, 255}, 9},
    };
    const WindowLayout& layout = frmMainLayout();
    EXPECT_EQ(layout.clientWidth, 8175);
    EXPECT_EQ(layout.clientHeight, 7710);
    ASSERT_EQ(layout.controls.size(), std::size(expected));
    std::map<std::string_view, std::string_view> captions;
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const ControlRow& row = layout.controls[i];
        EXPECT_EQ(row.name, expected[i].name);
        EXPECT_EQ(std::tie(row.rect.left, row.rect.top, row.rect.width, row.rect.height, row.tabIndex),
                  std::tie(expected[i].rect.left, expected[i].rect.top, expected[i].rect.width,
                           expected[i].rect.height, expected[i].tab))
            << row.name;
        captions[row.name] = row.caption;
    }
    EXPECT_EQ(captions["Label1(1)"], "Target Zone Name ");
    EXPECT_EQ(captions["Label1(2)"], "Friends Form Selected Source Zone Name ");
    EXPECT_EQ(captions["Label1(3)"], "Friends  Form Selected Target Zone Name ");
}

} // namespace
} // namespace quorrin::ui
