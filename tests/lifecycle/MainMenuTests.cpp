#include "lifecycle/MainMenu.h"
#include "support/FakeDialogs.h"
#include "support/FakeMainView.h"
#include "support/FakeShell.h"

#include <gtest/gtest.h>

namespace quorrin {
namespace {

using P = WindowProperty;

struct MainMenuTest : ::testing::Test
{
    MainState state;
    test::FakeMainView view;
    test::FakeShell shell;
    test::FakeDialogs dialogs;
    MainMenu menu{state, view, shell, dialogs};
};

TEST_F(MainMenuTest, ModeSwitchesLogCheckShowAndPlaceTheWindowInOrder)
{
    view.geometry = {10, 20, 300, 400}; // wherever the user left the window
    menu.mnuDeveloper_Click();
    EXPECT_EQ(state.DebugList.entries(), std::vector<std::string>{"Developer Mode Activated"});
    EXPECT_TRUE(state.mnuDeveloperChecked);
    EXPECT_FALSE(state.mnuNormalChecked);
    EXPECT_TRUE(state.DebugListVisible);
    EXPECT_EQ(view.geometryWrites, (std::vector<P>{P::Height, P::Width, P::Top, P::Left}));
    EXPECT_EQ(view.geometry, (std::array<double, 4>{1575, 120, 8265, 8355}));

    view.geometryWrites.clear();
    menu.mnuNormal_Click();
    EXPECT_EQ(state.DebugList.entries(),
              (std::vector<std::string>{"Developer Mode Activated", "Normal Mode Activated"}));
    EXPECT_TRUE(state.mnuNormalChecked);
    EXPECT_FALSE(state.mnuDeveloperChecked);
    EXPECT_FALSE(state.DebugListVisible);
    EXPECT_EQ(view.geometryWrites, (std::vector<P>{P::Height, P::Top, P::Width, P::Left}));
    EXPECT_EQ(view.geometry, (std::array<double, 4>{1575, 420, 8265, 7725}));
    EXPECT_FALSE(view.changes.empty());
    EXPECT_EQ(view.changes.back(), MainPart::Mode);
}

TEST_F(MainMenuTest, ChoosingTheCheckedModeDoesNothingAtAll)
{
    menu.mnuNormal_Click();
    state.mnuNormalChecked = false;
    state.mnuDeveloperChecked = true;
    state.DebugListVisible = true;
    menu.mnuDeveloper_Click();
    EXPECT_EQ(state.DebugList.size(), 0u);
    EXPECT_TRUE(view.geometryWrites.empty());
    EXPECT_TRUE(view.changes.empty());
    EXPECT_TRUE(state.DebugListVisible);
}

TEST_F(MainMenuTest, LinkItemsHandTheirAddressToTheShellOnly)
{
    const std::pair<void (MainMenu::*)(), std::string> cases[] = {
        {&MainMenu::mnuLinksVarlow_Click, "http://www.varlow.example.net/"},
        {&MainMenu::mnuMail_Click, "mailto:varlow@quorrin.example.net"},
        {&MainMenu::mnuLinkKestrel_Click, "http://www.kestrel-squad.example.org/"},
        {&MainMenu::mnuLinkZone_Click, "http://zone.example.com/"},
    };
    for (const auto& [handler, address] : cases) {
        shell.opened.clear();
        (menu.*handler)();
        EXPECT_EQ(shell.opened, std::vector<std::string>{address});
    }
    EXPECT_EQ(state.DebugList.size(), 0u);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(MainMenuTest, HelpTellsThereIsNoHelpFile)
{
    dialogs.expectMessage(
        {"Unable to display Help Contents. Unfortunately there is no HELP file available for "
         "this tool. If you have questions, please mail varlow@quorrin.example.net .",
         "Quorrin", MessageIcon::Information, MessageButtons::Ok});
    menu.mnuHelpContents_Click();
    EXPECT_EQ(state.DebugList.size(), 0u);
    EXPECT_TRUE(shell.opened.empty());
}

} // namespace
} // namespace quorrin
