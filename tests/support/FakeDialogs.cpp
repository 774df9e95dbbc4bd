#include "support/FakeDialogs.h"

#include <gtest/gtest.h>

namespace quorrin::test {

FakeDialogs::~FakeDialogs()
{
    EXPECT_TRUE(messages_.empty()) << messages_.size() << " expected message box(es) never shown, first: \""
                                   << (messages_.empty() ? "" : messages_.front().request.text) << "\"";
    EXPECT_TRUE(folders_.empty()) << "an expected folder pick never happened";
}

void FakeDialogs::expectMessage(MessageBoxRequest request, MessageResult answer)
{
    messages_.push_back({std::move(request), answer});
}

void FakeDialogs::expectFolderPick(std::string initialFolder, std::string title, std::string picked)
{
    folders_.push_back({std::move(initialFolder), std::move(title), std::move(picked)});
}

MessageResult FakeDialogs::showMessage(const MessageBoxRequest& request)
{
    shown_.push_back(request);
    if (onMessage)
        onMessage(request);
    if (messages_.empty()) {
        ADD_FAILURE() << "unexpected message box \"" << request.text << "\" titled \"" << request.title
                      << "\"";
        return MessageResult::Cancel;
    }
    ExpectedMessage expected = messages_.front();
    messages_.pop_front();
    EXPECT_EQ(request.text, expected.request.text);
    EXPECT_EQ(request.title, expected.request.title);
    EXPECT_EQ(request.icon, expected.request.icon) << "icon of \"" << request.text << "\"";
    EXPECT_EQ(request.buttons, expected.request.buttons) << "buttons of \"" << request.text << "\"";
    return expected.answer;
}

std::string FakeDialogs::BrowseForFolder(const std::string& initialFolder, const std::string& title)
{
    if (folders_.empty()) {
        ADD_FAILURE() << "unexpected folder picker \"" << title << "\"";
        return {};
    }
    ExpectedFolder expected = folders_.front();
    folders_.pop_front();
    EXPECT_EQ(initialFolder, expected.initialFolder);
    EXPECT_EQ(title, expected.title);
    return expected.picked;
}

} // namespace quorrin::test
