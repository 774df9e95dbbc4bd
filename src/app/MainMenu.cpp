#include "app/MainMenu.h"

#include "base/Contacts.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"

#include <initializer_list>
#include <string>

namespace quorrin {

namespace {

struct GeometryStep
{
    WindowProperty property;
    double twips;
};

// The order of the writes is visible to the user (the window moves in steps), so it is kept as given.
void setGeometry(MainView& view, std::initializer_list<GeometryStep> steps)
{
    for (const GeometryStep& step : steps)
        view.setWindowProperty(step.property, step.twips);
}

} // namespace

MainMenu::MainMenu(MainState& state, MainView& view, Shell& shell, Dialogs& dialogs)
    : state_(state), view_(view), shell_(shell), dialogs_(dialogs)
{}

bool MainMenu::run(Command command)
{
    switch (command) {
    case Command::NormalMode:
        mnuNormal_Click();
        return true;
    case Command::DeveloperMode:
        mnuDeveloper_Click();
        return true;
    case Command::LinkVarlow:
        mnuLinksVarlow_Click();
        return true;
    case Command::Mail:
        mnuMail_Click();
        return true;
    case Command::LinkKestrel:
        mnuLinkKestrel_Click();
        return true;
    case Command::LinkZone:
        mnuLinkZone_Click();
        return true;
    case Command::HelpContents:
        mnuHelpContents_Click();
        return true;
    case Command::None:
    case Command::FileExit:
    case Command::TipOfTheDay:
    case Command::HelpAbout:
        return false;
    }
    return false;
}

void MainMenu::mnuDeveloper_Click()
{
    if (state_.mnuDeveloperChecked)
        return;
    state_.DebugList.add("Developer Mode Activated");
    state_.mnuNormalChecked = false;
    state_.mnuDeveloperChecked = true;
    view_.stateChanged(MainPart::Mode);
    setGeometry(view_, {{WindowProperty::Height, 8355},
                        {WindowProperty::Width, 8265},
                        {WindowProperty::Top, 120},
                        {WindowProperty::Left, 1575}});
    state_.DebugListVisible = true;
    view_.stateChanged(MainPart::Mode);
}

void MainMenu::mnuNormal_Click()
{
    if (state_.mnuNormalChecked)
        return;
    state_.DebugList.add("Normal Mode Activated");
    state_.DebugListVisible = false;
    view_.stateChanged(MainPart::Mode);
    state_.mnuDeveloperChecked = false;
    state_.mnuNormalChecked = true;
    view_.stateChanged(MainPart::Mode);
    setGeometry(view_, {{WindowProperty::Height, 7725},
                        {WindowProperty::Top, 420},
                        {WindowProperty::Width, 8265},
                        {WindowProperty::Left, 1575}});
}

void MainMenu::mnuLinksVarlow_Click()
{
    shell_.openAddress(std::string(contacts::authorSite));
}

void MainMenu::mnuMail_Click()
{
    shell_.openAddress("mailto:" + std::string(contacts::authorMail));
}

void MainMenu::mnuLinkKestrel_Click()
{
    shell_.openAddress(std::string(contacts::squadSite));
}

void MainMenu::mnuLinkZone_Click()
{
    shell_.openAddress(std::string(contacts::zoneHomePage));
}

void MainMenu::mnuHelpContents_Click()
{
    MessageBoxRequest request;
    request.text =
        "Unable to display Help Contents. Unfortunately there is no HELP file available for this tool. "
        "If you have questions, please mail " +
        std::string(contacts::authorMail) + " .";
    request.title = "Quorrin";
    request.icon = MessageIcon::Information;
    request.buttons = MessageButtons::Ok;
    dialogs_.showMessage(request);
}

} // namespace quorrin
