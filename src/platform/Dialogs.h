#pragma once

#include <string>

namespace quorrin {

enum class MessageIcon
{
    None,
    Information, // style 64
    Critical,    // style 16
};

enum class MessageButtons
{
    Ok,       // style 0
    OkCancel, // style 1
};

enum class MessageResult
{
    Ok,
    Cancel, // also when the box is closed without pressing a button
};

struct MessageBoxRequest
{
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;

    bool operator==(const MessageBoxRequest&) const = default;
};

// Every message box and the folder picker of the program go through this interface, so tests can answer them.
// Texts are in the file system's encoding (see the implementations).
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // Shows a modal message box and waits for the user's answer.
    virtual MessageResult showMessage(const MessageBoxRequest& request) = 0;

    // Shows the folder picker owned by the main window, titled `title`, with `initialFolder` pre-selected
    // when there is one. Returns the full native path picked (a root keeps its trailing separator) or the
    // empty text.
    virtual std::string BrowseForFolder(const std::string& initialFolder, const std::string& title) = 0;
};

} // namespace quorrin
