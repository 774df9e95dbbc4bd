#include "ui/AboutBox.h"

#include "base/Contacts.h"
#include "base/Version.h"
#include "platform/Shell.h"
#include "settings/Schema.h"
#include "settings/Settings.h"

#include <functional>

namespace quorrin::ui {

AboutBox::AboutBox(Settings& settings, Shell& shell, AboutView& view)
    : settings_(settings), shell_(shell), view_(view)
{}

std::string AboutBox::pageName(int position)
{
    return "fraInfo(" + std::to_string(position) + ")";
}

void AboutBox::Form_Load()
{
    std::string systemInfoPath;
    const std::string versionLine = "Quorrin Tool Version:  V" + std::to_string(version::major) + "." +
                                    std::to_string(version::minor) + std::to_string(version::revision);
    const std::function<void()> steps[] = {
        [this] { CurrentFrame = 1; },
        [&] { systemInfoPath = settings_.text(schema::kSystemInfoPath); },
        [&] {
            if (!systemInfoPath.empty())
                sysInfoPath_ = systemInfoPath;
            else
                view_.setControlVisible("cmdSysInfo", false);
        },
        [this] {
            const ViewRect first = view_.controlRect(pageName(1));
            for (int i = 2; i <= 4; ++i)
                view_.setControlRect(pageName(i), first);
        },
        [this] {
            const ViewRect logo = view_.controlRect("picLogo");
            ViewRect build = view_.controlRect("lblBuild");
            build.top = logo.top + logo.height + build.height;
            view_.setControlRect("lblBuild", build);
        },
        [&] { view_.setControlCaption("lblBuild", versionLine); },
        [&] {
            ViewRect build = view_.controlRect("lblBuild");
            build.width = view_.textWidth(versionLine);
            view_.setControlRect("lblBuild", build);
        },
        [this] {
            ViewRect build = view_.controlRect("lblBuild");
            build.left = view_.controlRect("picLogo").left;
            view_.setControlRect("lblBuild", build);
        },
    };
    for (const auto& step : steps) {
        try {
            step();
        } catch (...) {
        }
    }
}

void AboutBox::tabStrip_Click(int selected)
{
    if (selected < 1 || selected > 4 || selected == CurrentFrame)
        return;
    view_.setControlVisible(pageName(selected), true);
    view_.setControlVisible(pageName(CurrentFrame), false);
    CurrentFrame = static_cast<std::int16_t>(selected);
}

void AboutBox::cmdSysInfo_Click()
{
    // Whether the program started is not looked at: a stale path simply starts nothing.
    if (!sysInfoPath_.empty())
        shell_.startProgram(sysInfoPath_);
}

void AboutBox::cmdOK_Click()
{
    view_.closeWindow();
}

void AboutBox::txtURL_Click()
{
    shell_.openAddress("mailto:" + std::string(contacts::authorMail));
}

void AboutBox::txtMail_Click()
{
    shell_.openAddress("mailto:" + std::string(contacts::squadMail));
}

} // namespace quorrin::ui
