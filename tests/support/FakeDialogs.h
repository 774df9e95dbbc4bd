#pragma once

#include "platform/Dialogs.h"

#include <array>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace quorrin::test {

// Answers message boxes and the folder picker from queues the test fills. A box or pick that nobody expected,
// or an expected one that never came, fails the running test; `answerOthers` lets a test answer the boxes it
// cannot foresee and check `shown` instead.
class FakeDialogs : public Dialogs
{
public:
    ~FakeDialogs() override
    {
        EXPECT_TRUE(messages_.empty())
            << messages_.size() << " expected message box(es) never shown, first: \""
            << (messages_.empty() ? "" : messages_.front().first.text) << "\"";
        EXPECT_TRUE(folders_.empty()) << "an expected folder pick never happened";
    }

    // The next box must be exactly `request`; it is answered with `answer`.
    void expectMessage(MessageBoxRequest request, MessageResult answer = MessageResult::Ok)
    {
        messages_.emplace_back(std::move(request), answer);
    }
    // The next folder pick must have this initial folder and title; it returns `picked`.
    void expectFolderPick(std::string initialFolder, std::string title, std::string picked)
    {
        folders_.push_back({std::move(initialFolder), std::move(title), std::move(picked)});
    }

    MessageResult showMessage(const MessageBoxRequest& request) override
    {
        if (onMessage)
            onMessage(request);
        shown.push_back(request);
        if (messages_.empty() && answerOthers)
            return *answerOthers;
        if (messages_.empty()) {
            ADD_FAILURE() << "unexpected message box \"" << request.text << "\" titled \"" << request.title
                          << "\"";
            return MessageResult::Cancel;
        }
        const auto [expected, answer] = messages_.front();
        messages_.pop_front();
        EXPECT_EQ(request.text, expected.text);
        EXPECT_EQ(request.title, expected.title);
        EXPECT_TRUE(request.icon == expected.icon && request.buttons == expected.buttons)
            << "icon or buttons of \"" << request.text << "\"";
        return answer;
    }
    std::string BrowseForFolder(const std::string& initialFolder, const std::string& title) override
    {
        if (folders_.empty()) {
            ADD_FAILURE() << "unexpected folder picker \"" << title << "\"";
            return {};
        }
        const std::array<std::string, 3> expected = folders_.front();
        folders_.pop_front();
        EXPECT_EQ(initialFolder, expected[0]);
        EXPECT_EQ(title, expected[1]);
        return expected[2];
    }

    // Called on every box, before it is answered (to look at the world while the box is "open").
    std::function<void(const MessageBoxRequest&)> onMessage;
    // When set, a box beyond the expected ones gets this answer; the test then checks `shown`.
    std::optional<MessageResult> answerOthers;
    std::vector<MessageBoxRequest> shown; // every box, in order

private:
    std::deque<std::pair<MessageBoxRequest, MessageResult>> messages_;
    std::deque<std::array<std::string, 3>> folders_; // initial folder, title, answer
};

} // namespace quorrin::test
