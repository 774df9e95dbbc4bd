#pragma once

#include <array>
#include <cstdint>
#include <QDialog>
#include <QPixmap>
#include <string>

class QFrame;
class QLabel;
class QPushButton;
class QTabBar;

namespace quorrin {

class Settings;
class Shell;

namespace ui {
class LinkLabel;
} // namespace ui

// The about box: the logo with the version line, a disclaimer, the credits and two mail links on four pages
// picked by a tab strip, and buttons for the System Information program and for closing. It loads when it is
// created, so each opening is a new dialog.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout(Settings& settings, Shell& shell, QWidget* owner);

    // The tab strip's click handler: shows the page of the selected tab.
    void tabStrip_Click();
    void cmdSysInfo_Click();
    void cmdOK_Click();
    void txtURL_Click();
    void txtMail_Click();

    // The position (1 to 4) of the page shown.
    std::int16_t currentFrame() const { return CurrentFrame; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildTabStrip();
    void buildVersionPage(QFrame* page);
    void buildDisclaimerPage(QFrame* page);
    void buildCreditsPage(QFrame* page);
    void buildContactPage(QFrame* page);
    QLabel* titel(QWidget* page, int index, const QRect& twips, const QString& text, bool bold = false);
    void Form_Load();

    Settings& settings_;
    Shell& shell_;
    std::string sysInfoPath_; // empty: no System Information program to start
    std::int16_t CurrentFrame = 1;
    QPixmap background_;

    QTabBar* tabStrip = nullptr;
    QFrame* tabPanel_ = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QPushButton* cmdOK = nullptr;
    std::array<QFrame*, 5> fraInfo{}; // indexes 1 to 4
    QLabel* picLogo = nullptr;
    QLabel* lblBuild = nullptr;
    std::array<QLabel*, 15> OpstartTitel{}; // indexes 0 to 14; the gaps stay empty
    ui::LinkLabel* txtURL = nullptr;
    ui::LinkLabel* txtMail = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
};

// Opens the about box modal over `owner` and destroys it when it closes.
void showAboutBox(Settings& settings, Shell& shell, QWidget* owner);

} // namespace quorrin
