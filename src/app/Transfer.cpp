#include "app/Transfer.h"

#include "app/DebugLogWriter.h"
#include "app/ErrorReporter.h"
#include "app/FriendsReader.h"
#include "app/MainState.h"
#include "app/MainView.h"
#include "base/Int16.h"
#include "base/Paths.h"
#include "base/RuntimeError.h"
#include "friends/FriendsListFormat.h"
#include "friends/TransferLines.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"

#include <exception>

namespace quorrin {

namespace {

MessageBoxRequest inputError(std::string text)
{
    return {std::move(text), "Error", MessageIcon::Information, MessageButtons::Ok};
}

} // namespace

Transfer::Transfer(MainState& state, MainView& view, Dialogs& dialogs, FileSystem& files,
                   DebugLogWriter& logWriter, ErrorReporter& errors, FriendsReader& reader)
    : state_(state), view_(view), dialogs_(dialogs), files_(files), logWriter_(logWriter), errors_(errors),
      reader_(reader)
{}

void Transfer::log(std::string entry)
{
    state_.DebugList.add(std::move(entry));
}

void Transfer::BtnTransfer_Click()
{
    log("Transfer Button Clicked");
    TransferFriends();
}

void Transfer::TransferFriends()
{
    view_.setTimer1Enabled(false);
    try {
        log("Transfer Sub Entered");
        const int sourcePosition = state_.SourceList.selected;
        log("Souce_Item_Id = " + std::to_string(sourcePosition));
        log("Source Object: " + state_.SourceList.selectedName());
        const int targetPosition = state_.TargetList.selected;
        log("Target_Item_Id = " + std::to_string(targetPosition));
        log("Target Object: " + state_.TargetList.selectedName());
        if (checkInput(sourcePosition, targetPosition) == Outcome::GoOn) {
            logWriter_.WriteDebugLog("2");
            log("Input Looks Fine, Starting to test File Integrity");
            const std::string targetPath =
                joinPath(joinPath(state_.ZonePath, state_.TargetList.selectedName()), kFriendsFileName);
            if (testTargetFile(targetPath) == Outcome::GoOn) {
                fillTransferList();
                writeTarget(targetPath);
            }
        }
    } catch (...) {
        errors_.procError(toRuntimeError(std::current_exception()));
    }
    // Nothing reads the lines once they are written, and they view the friends lists: none outlives the
    // transfer.
    state_.TransferList.clear();
    view_.setTimer1Enabled(true);
}

Transfer::Outcome Transfer::checkInput(int sourcePosition, int targetPosition)
{
    if (sourcePosition == -1) {
        dialogs_.showMessage(inputError("Please Select a source Zone Name Before Pressing Transfer"));
        log("Error : No Source Selected");
        return Outcome::Ended;
    }
    if (targetPosition == -1) {
        dialogs_.showMessage(inputError("Please Select a target Zone Name Before Pressing Transfer"));
        log("Error : No Target Selected");
        return Outcome::Ended;
    }
    if (sourcePosition == targetPosition) {
        dialogs_.showMessage(inputError("The Source Zone Name can't be the same as the Target Zone Name"));
        log("Error: TargetName is Same as Source Name");
        return Outcome::Ended;
    }
    return Outcome::GoOn;
}

Transfer::Outcome Transfer::testTargetFile(const std::string& targetPath)
{
    log("Trying to open : " + targetPath);
    try {
        files_.openForReading(targetPath);
    } catch (...) {
        view_.setTimer1Enabled(true);
        log("Fatal Error: Unnable to open Target File");
        dialogs_.showMessage({"Fatal Error: Unnable to open Target File. Stopping Transfer", "Fatal Error",
                              MessageIcon::Critical, MessageButtons::Ok});
        return Outcome::Ended;
    }
    log("Succes !");

    // A target list that could not be read ends in the damaged-file notice lines and may miss friends:
    // merging it would write the notice into the user's file as friends, or drop the friends that were not
    // read.
    if (state_.TargetListZoneNames.lastReadFailed) {
        log("Transfer Refused: Target Friends List could not be read");
        dialogs_.showMessage({"The friends list of " + state_.TargetList.selectedName() +
                                  " could not be read completely, so friends cannot be added to it safely. "
                                  "Nothing was changed.",
                              "Error", MessageIcon::Critical, MessageButtons::Ok});
        return Outcome::Ended;
    }
    return Outcome::GoOn;
}

void Transfer::fillTransferList()
{
    log("Gonna Add Items to TransferList");
    const auto& source = state_.SourceListZoneNames;
    TransferLines(state_.TransferList)
        .addChosen(source.entries, source.checked, state_.TargetListZoneNames.entries, state_.DebugList);
}

void Transfer::writeTarget(const std::string& targetPath)
{
    const std::int16_t chosen = toInt16(static_cast<long long>(state_.TransferList.size()) - 1);
    log("Transfer List is Ready to Rock, added : " + std::to_string(chosen) + " Items");
    log("Everything Looks fine, Asking User For Action");

    const std::string targetName = state_.TargetList.selectedName();
    const MessageResult answer = dialogs_.showMessage(
        {"Are you sure you want to add " + std::to_string(chosen) +
             " Items (Duplicated items are filtered out)" + " to " + targetName + "'s Zone Friends List ? ",
         "Question", MessageIcon::None, MessageButtons::OkCancel});
    if (answer != MessageResult::Ok) {
        log("User Disagreed. All work done for nothing ;-) Exiting Sub");
        return;
    }
    log("User Pressed Agreed");

    state_.TotalNameMoves = addInt16(state_.TotalNameMoves, chosen);
    state_.TotalTransfers = addInt16(state_.TotalTransfers, 1);
    state_.Label5Caption = std::to_string(state_.TotalNameMoves);
    view_.stateChanged(MainPart::Counters);

    TransferLines(state_.TransferList).addTargetAndTags(state_.TargetListZoneNames.entries, state_.DebugList);
    writeWithBackup(files_, targetPath, state_.TransferList, state_.DebugList);

    dialogs_.showMessage(
        {"Transfer Complete. FriendsList Updated", "Done", MessageIcon::Information, MessageButtons::Ok});
    state_.TargetListZoneNames.clear();
    view_.stateChanged(MainPart::TargetListZoneNames);
    reader_.ReadFriendsList(targetName, Side::Target);
    log("Mission Completed, Returning to Base");
    state_.Label3Caption = std::to_string(state_.TotalTransfers);
    view_.stateChanged(MainPart::Counters);
}

} // namespace quorrin
