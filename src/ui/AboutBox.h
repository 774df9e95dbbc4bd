#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorrin {

class Settings;
class Shell;

namespace ui {

// A control's place and size in the front end's own units; the about logic only moves controls relative to
// one another, so it never converts.
struct ViewRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const ViewRect&) const = default;
};

// The about box's controls, reached by their names in the window's layout table.
class AboutView
{
public:
    virtual ~AboutView() = default;
    virtual ViewRect controlRect(std::string_view control) const = 0;
    virtual void setControlRect(std::string_view control, const ViewRect& rect) = 0;
    virtual void setControlVisible(std::string_view control, bool visible) = 0;
    virtual void setControlCaption(std::string_view control, const std::string& caption) = 0;
    // The width of `text` in the dialog's font.
    virtual int textWidth(const std::string& text) const = 0;
    virtual void closeWindow() = 0;
};

// The about box's logic: loading (the version line, the System Information button, the pages over one
// another), the page switch of the tab strip, and the buttons and links.
class AboutBox
{
public:
    AboutBox(Settings& settings, Shell& shell, AboutView& view);

    // Each step stands alone: one that fails is passed over and loading goes on with the next.
    void Form_Load();
    // `selected` is the position of the selected tab, 1 to 4.
    void tabStrip_Click(int selected);
    void cmdSysInfo_Click();
    void cmdOK_Click();
    void txtURL_Click();
    void txtMail_Click();

    // The position (1 to 4) of the page shown.
    std::int16_t currentFrame() const { return CurrentFrame; }

    // The page control of the tab at `position` (1 to 4).
    static std::string pageName(int position);

private:
    Settings& settings_;
    Shell& shell_;
    AboutView& view_;
    std::string sysInfoPath_; // empty: no System Information program to start
    std::int16_t CurrentFrame = 1;
};

} // namespace ui
} // namespace quorrin
