#pragma once

#include "app/Command.h"
#include "app/MainState.h"
#include "app/MainView.h"

namespace quorrin {

class Dialogs;
class Shell;

// The main window's own menu handlers: the mode switch, the link items and the help item.
class MainMenu
{
public:
    MainMenu(MainState& state, MainView& view, Shell& shell, Dialogs& dialogs);

    // Runs the handler of `command`. The window's own items (exit, tip, about) open or close windows and are
    // the front end's to run: this returns false for them and does nothing.
    bool run(Command command);

    // The mode switch. Choosing the mode that is already checked does nothing at all; an effective switch
    // puts the window back to that mode's fixed position and size.
    void mnuDeveloper_Click();
    void mnuNormal_Click();

    // Each hands one fixed address to the shell; whether anything opened is not examined.
    void mnuLinksVarlow_Click();
    void mnuMail_Click();
    void mnuLinkKestrel_Click();
    void mnuLinkZone_Click();

    // There is no help file: tells the user so.
    void mnuHelpContents_Click();

private:
    MainState& state_;
    MainView& view_;
    Shell& shell_;
    Dialogs& dialogs_;
};

} // namespace quorrin
