#pragma once

#include "ui/AboutBox.h"
#include "ui/win32/Win32Window.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorrin {

class Settings;
class Shell;

namespace win32 {

// The about box: the logo with the version line, a disclaimer, the credits and two mail links on four pages
// picked by a tab strip, and buttons for the System Information program and for closing. It loads when it is
// created, so each opening is a new window.
class frmAbout final : public Win32Window, private ui::AboutView
{
public:
    frmAbout(Settings& settings, Shell& shell, HWND owner);
    ~frmAbout() override;

    // The position (1 to 4) of the page shown.
    std::int16_t currentFrame() const { return about_.currentFrame(); }
    // Asked to close (Close, Escape, the close box), or gone with its owner.
    bool closing() const { return closing_; }

private:
    friend void showAboutBox(Settings& settings, Shell& shell, HWND owner);

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void destroyed() override { closing_ = true; }
    void onCommand(int id, int code);
    bool onNotify(NMHDR& header);
    bool isLink(HWND window) const;
    void paintBackground(HDC dc) const;

    ui::ViewRect controlRect(std::string_view control) const override;
    void setControlRect(std::string_view control, const ui::ViewRect& rect) override;
    void setControlVisible(std::string_view control, bool visible) override;
    void setControlCaption(std::string_view control, const std::string& caption) override;
    int textWidth(const std::string& text) const override;
    void closeWindow() override { closing_ = true; }

    ui::AboutBox about_;
    HBITMAP background_ = nullptr;
    SIZE backgroundSize_{};
    std::vector<std::wstring> tabToolTips_; // the tab strip's tooltips ask for their text when they show
    bool closing_ = false;
};

// Opens the about box modal over `owner` and destroys it when it closes.
void showAboutBox(Settings& settings, Shell& shell, HWND owner);

} // namespace win32
} // namespace quorrin
