#pragma once

#include "support/CoreWorld.h"

#include <set>
#include <string>

namespace quorrin::test {

inline const MessageBoxRequest kTransferDone{"Transfer Complete. FriendsList Updated", "Done",
                                             MessageIcon::Information, MessageButtons::Ok};

// The transfer's question before it writes `count` friends into Dst.
inline MessageBoxRequest transferQuestion(int count)
{
    return {"Are you sure you want to add " + std::to_string(count) +
                " Items (Duplicated items are filtered out) to Dst's Zone Friends List ? ",
            "Question", MessageIcon::None, MessageButtons::OkCancel};
}

// Source "Src" and target "Dst" picked, with these friends files; `unchecked` source entries cleared.
struct TransferWorld : CoreWorld
{
    TransferWorld(const std::string& source, const std::string& target, std::set<std::size_t> unchecked = {})
    {
        writeFriends("Src", source);
        writeFriends("Dst", target);
        core.state.SourceList.items = core.state.TargetList.items = {"Src", "Dst"};
        core.SourceList_Click(0);
        core.TargetList_Click(1);
        for (auto i : unchecked)
            core.state.SourceListZoneNames.checked.at(i) = false;
    }
    void expectQuestionAndDone(int count)
    {
        dialogs.expectMessage(transferQuestion(count), MessageResult::Ok);
        dialogs.expectMessage(kTransferDone);
    }
    // A transfer that may fail anywhere: every box is answered Ok and kept in `dialogs.shown`.
    void transferAnsweringOk()
    {
        dialogs.answerOthers = MessageResult::Ok;
        core.BtnTransfer_Click();
        dialogs.answerOthers.reset();
    }
    // Every friend of the old list `target` is kept, as the target or as its backup.
    bool keepsTheOldList(const std::string& target) const
    {
        return readFriends("Dst") == target || readFriends("Dst", "Backup") == target;
    }
    // Once the fault is gone, the next transfer of `count` friends writes `written`.
    void expectTheNextTransferToWrite(int count, const std::string& written)
    {
        expectQuestionAndDone(count);
        core.BtnTransfer_Click();
        EXPECT_EQ(readFriends("Dst"), written);
    }
};

} // namespace quorrin::test
