#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorrin {

class Settings;

namespace ui {

// What the tip dialog shows, as the tip logic sees it.
class TipView
{
public:
    virtual ~TipView() = default;
    virtual void showTip(const std::string& title, std::string_view text) = 0;
    virtual void setShowAtStartup(bool checked) = 0;
    virtual bool showAtStartup() const = 0;
};

// The tip of the day: which tip is on screen, stepping to the next, and remembering the next tip ("TipNr")
// and the check box ("Tip") in the settings store.
class TipOfTheDay
{
public:
    TipOfTheDay(Settings& settings, TipView& view);

    // Reads the check box and the tip to show from the store and shows that tip.
    void Form_Load();
    // Shows the tip numbered CurrentTip; for a number that is no tip the view keeps what it shows.
    void ShowTip();
    void cmdNextTip_Click();
    // Stores the tip after the one on screen and the check box.
    void SaveTipSettings();

    // The tip on screen; 1 to 4 are tips, other values (read from the store) show nothing.
    std::int16_t CurrentTip = 1;

    static constexpr int kTipCount = 4;

private:
    Settings& settings_;
    TipView& view_;
};

} // namespace ui
} // namespace quorrin
