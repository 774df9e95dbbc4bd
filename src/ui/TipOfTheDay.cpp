#include "ui/TipOfTheDay.h"

#include "settings/Settings.h"

#include <array>

namespace quorrin::ui {

namespace {

struct Tip
{
    std::string_view title;
    std::string_view text;
};

constexpr std::array<Tip, TipOfTheDay::kTipCount> kTips{{
    {"Welcome", ""},
    {"Safe and quick Tranfering",
     "The fastest way to copy your friends list is : Select a Source Zone Name, Select a Target Zone Name "
     "and "
     "press the 'Transfer' button. Your Friends List will be copied now, and all duplicated Friends will be "
     "filtered out, so you will not gett double names on your list. All this will happen in less than a "
     "second !!"},
    {"Viewing your Friends List",
     "Selecting a Source, or a Target zone name, will display it's friends list. So just select a name, and "
     "you are able to see all the friends that are in the list !"},
    {"Make Your Own Selection",
     "After Selecting a Source Zone Name, you can make a selection from your friends list. Simply un-check "
     "every one you DO NOT want to be copied, the program will do the rest !"},
}};

} // namespace

TipOfTheDay::TipOfTheDay(Settings& settings, TipView& view) : settings_(settings), view_(view) {}

void TipOfTheDay::Form_Load()
{
    view_.setShowAtStartup(settings_.showTips());
    CurrentTip = settings_.nextTip();
    ShowTip();
}

void TipOfTheDay::ShowTip()
{
    if (CurrentTip < 1 || CurrentTip > kTipCount)
        return;
    const Tip& tip = kTips[static_cast<std::size_t>(CurrentTip - 1)];
    view_.showTip("Tip " + std::to_string(CurrentTip) + ". " + std::string(tip.title), tip.text);
}

void TipOfTheDay::cmdNextTip_Click()
{
    if (CurrentTip >= kTipCount)
        CurrentTip = 0;
    // Below 4 here, so the step never leaves the 16-bit range.
    ++CurrentTip;
    ShowTip();
}

void TipOfTheDay::SaveTipSettings()
{
    if (CurrentTip >= kTipCount)
        CurrentTip = 0;
    settings_.saveTipSettings(std::int32_t{CurrentTip + 1}, view_.showAtStartup());
}

} // namespace quorrin::ui
