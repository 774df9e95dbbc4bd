#include "ui/WindowLayouts.h"

#include <cctype>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

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

} // namespace
} // namespace quorrin::ui
