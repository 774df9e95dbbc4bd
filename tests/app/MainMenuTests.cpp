#include "app/MainMenu.h"
#include "support/FakeDialogs.h"
#include "support/FakeMainView.h"
#include "support/FakeShell.h"

#include <gtest/gtest.h>

namespace quorrin {
namespace {

using P = WindowProperty;

// The window moves in steps the user can see, so the order of the geometry writes matters; the window test
// sees only where the window ends up.
TEST(MainMenuTest, ModeSwitchesPlaceTheWindowInTheirOwnOrder)
{
    MainState state;
    test::FakeMainView view;
    test::FakeShell shell;
    test::FakeDialogs dialogs;
    MainMenu menu{state, view, shell, dialogs};
    menu.mnuDeveloper_Click();
    EXPECT_EQ(view.geometryWrites, (std::vector<P>{P::Height, P::Width, P::Top, P::Left}));
    view.geometryWrites.clear();
    menu.mnuNormal_Click();
    EXPECT_EQ(view.geometryWrites, (std::vector<P>{P::Height, P::Top, P::Width, P::Left}));
}

} // namespace
} // namespace quorrin
