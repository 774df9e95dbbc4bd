#pragma once

#include "ui/TipOfTheDay.h"
#include "ui/win32/Win32Window.h"

namespace quorrin {

class Settings;

namespace win32 {

// The tip-of-the-day dialog: modeless, without an owner, destroyed when it closes so that the next showing
// reads the store afresh. It remembers the next tip ("TipNr") and its check box ("Tip") in the settings
// store. The object lives as long as its window and deletes itself with it.
class frmTip final : public Win32Window, private ui::TipView
{
public:
    // OK saves and closes; Enter and Escape do the same.
    void cmdOK_Click();
    // A close by program code (the main window's close at exit): the dialog goes without saving.
    void unloadByProgram();

private:
    explicit frmTip(Settings& settings);
    ~frmTip() override = default;
    friend frmTip* showTipOfTheDay(Settings& settings);

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void destroyed() override;
    void onCommand(int id, int code);
    void showTip(const std::string& title, std::string_view text) override;
    void setShowAtStartup(bool checked) override;
    bool showAtStartup() const override;

    ui::TipOfTheDay tip_;
    bool closeBox_ = false;      // the close under way comes from the title bar
    bool sessionEnding_ = false; // the session is asked to end
};

// Shows the dialog, or brings the open one to the front without loading it again.
frmTip* showTipOfTheDay(Settings& settings);
// Closes the open dialog, if any, as program code does: nothing is saved.
void closeTipOfTheDay();

} // namespace win32
} // namespace quorrin
