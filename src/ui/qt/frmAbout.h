#pragma once

#include "ui/AboutBox.h"
#include "ui/qt/LayoutBuilder.h"

#include <cstdint>
#include <QDialog>
#include <QPixmap>

class QFrame;
class QTabBar;

namespace quorrin {

class Settings;
class Shell;

// The about box: the logo with the version line, a disclaimer, the credits and two mail links on four pages
// picked by a tab strip, and buttons for the System Information program and for closing. It loads when it is
// created, so each opening is a new dialog.
class frmAbout : public QDialog, private ui::AboutView
{
    Q_OBJECT

public:
    frmAbout(Settings& settings, Shell& shell, QWidget* owner);

    // The tab strip's click handler: shows the page of the selected tab.
    void tabStrip_Click();

    // The position (1 to 4) of the page shown.
    std::int16_t currentFrame() const { return about_.currentFrame(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void placeTabPanel();
    ui::ViewRect controlRect(std::string_view control) const override;
    void setControlRect(std::string_view control, const ui::ViewRect& rect) override;
    void setControlVisible(std::string_view control, bool visible) override;
    void setControlCaption(std::string_view control, const std::string& caption) override;
    int textWidth(const std::string& text) const override;
    void closeWindow() override;

    ui::AboutBox about_;
    ui::BuiltControls controls_;
    QPixmap background_;
    QFrame* tabPanel_ = nullptr;
};

// Opens the about box modal over `owner` and destroys it when it closes.
void showAboutBox(Settings& settings, Shell& shell, QWidget* owner);

} // namespace quorrin
