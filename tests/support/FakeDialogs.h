#pragma once

#include "shell/Dialogs.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace quorrin::test {

// Answers message boxes and the folder picker from queues the test fills. A box that nobody expected fails
// the running test; every box shown is also recorded.
class FakeDialogs : public Dialogs
{
public:
    ~FakeDialogs() override;

    // The next box must be exactly `request`; it is answered with `answer`.
    void expectMessage(MessageBoxRequest request, MessageResult answer = MessageResult::Ok);
    // The next folder pick must have this title and initial folder; it returns `picked`.
    void expectFolderPick(std::string initialFolder, std::string title, std::string picked);

    MessageResult showMessage(const MessageBoxRequest& request) override;
    std::string BrowseForFolder(const std::string& initialFolder, const std::string& title) override;

    const std::vector<MessageBoxRequest>& shown() const { return shown_; }
    bool allAnswered() const { return messages_.empty() && folders_.empty(); }

    // Called on every box, before it is answered (to look at the world while the box is "open").
    std::function<void(const MessageBoxRequest&)> onMessage;

private:
    struct ExpectedMessage
    {
        MessageBoxRequest request;
        MessageResult answer;
    };
    struct ExpectedFolder
    {
        std::string initialFolder;
        std::string title;
        std::string picked;
    };
    std::deque<ExpectedMessage> messages_;
    std::deque<ExpectedFolder> folders_;
    std::vector<MessageBoxRequest> shown_;
};

} // namespace quorrin::test
