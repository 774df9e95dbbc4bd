#pragma once

#include "ui/qt/ProgramClosable.h"
#include "ui/TipOfTheDay.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorrin {

class Settings;

// The tip-of-the-day dialog: modeless, without an owner, destroyed when it closes so that the next showing
// reads the store afresh. It remembers the next tip ("TipNr") and its check box ("Tip") in the settings
// store.
class frmTip : public QDialog, public ProgramClosable, private ui::TipView
{
    Q_OBJECT

public:
    explicit frmTip(Settings& settings);

    // The main window's close at exit: the dialog goes without saving.
    void unloadByProgram() override;

    void cmdOK_Click();

    QPushButton* cmdOK = nullptr;
    QLabel* Picture1 = nullptr;
    QPushButton* cmdNextTip = nullptr;
    QCheckBox* chkTip = nullptr;
    QLabel* txtTip = nullptr;
    QLineEdit* txtTitle = nullptr;

public slots:
    // Escape belongs to OK, which saves; QDialog's own reject() would only hide the dialog.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void showTip(const std::string& title, std::string_view text) override;
    void setShowAtStartup(bool checked) override;
    bool showAtStartup() const override;
    // Closes the dialog as program code does, without saving.
    void unload();

    ui::TipOfTheDay tip_;
    bool unloadingByCode_ = false;
};

// Shows the dialog, or brings the open one to the front without loading it again.
frmTip* showTipOfTheDay(Settings& settings);

} // namespace quorrin
