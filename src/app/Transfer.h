#pragma once

#include <string>

namespace quorrin {

class DebugLogWriter;
class Dialogs;
class ErrorReporter;
class FileSystem;
class FriendsReader;
class MainView;
struct MainState;

// The transfer: adds the checked source friends that the target lacks to the target's Friends.txt, ahead of
// the target's own entries, with all three section tags, after keeping the old file as Friends.txtBackup.
class Transfer
{
public:
    Transfer(MainState& state, MainView& view, Dialogs& dialogs, FileSystem& files, DebugLogWriter& logWriter,
             ErrorReporter& errors, FriendsReader& reader);

    void BtnTransfer_Click();
    void TransferFriends();

private:
    enum class Outcome
    {
        Ended,
        GoOn,
    };

    Outcome checkInput(int sourcePosition, int targetPosition);
    Outcome testTargetFile(const std::string& targetPath);
    void fillTransferList();
    void writeTarget(const std::string& targetPath);
    void log(std::string entry);

    MainState& state_;
    MainView& view_;
    Dialogs& dialogs_;
    FileSystem& files_;
    DebugLogWriter& logWriter_;
    ErrorReporter& errors_;
    FriendsReader& reader_;
};

} // namespace quorrin
