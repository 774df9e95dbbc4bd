#pragma once

#include "platform/Dialogs.h"

#include <QPointer>
#include <QWidget>

namespace quorrin {

// Message boxes and the folder picker as Qt dialogs. Texts are bytes in the file system's encoding.
class QtDialogs : public Dialogs
{
public:
    // The owner of the folder picker; until it is set the picker has no owner.
    void setMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }

    MessageResult showMessage(const MessageBoxRequest& request) override;
    std::string BrowseForFolder(const std::string& initialFolder, const std::string& title) override;

private:
    QPointer<QWidget> mainWindow_;
};

} // namespace quorrin
