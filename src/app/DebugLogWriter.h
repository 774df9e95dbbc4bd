#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorrin {

class DiagnosticLog;
class Dialogs;
class FileSystem;
class Settings;

// Writes the diagnostic log to Debuglog.txt in the working folder, and keeps the crashed run's log.
class DebugLogWriter
{
public:
    DebugLogWriter(DiagnosticLog& log, FileSystem& files, Settings& settings, std::string workingFolder);

    // Mode "2": silent write; "1": the final write of a normal exit, which also sets the clean-exit flag; any
    // other mode is the timer's write. Raises a RuntimeError when the file cannot be written.
    void WriteDebugLog(std::string_view mode);

    // The timer's tick: writes when the log has grown since the last write. Never raises: a failed write is
    // tried again at the next tick.
    void Timer1_Timer();

    // Keeps the previous run's log as Crashed.txt and tells the user. Raises when there is no log to copy.
    void ShowCrashNotice(Dialogs& dialogs);

    std::size_t LoggedLineCount() const { return loggedLineCount_; }

    std::string debugLogPath() const;
    std::string crashedLogPath() const;

private:
    DiagnosticLog& log_;
    FileSystem& files_;
    Settings& settings_;
    std::string workingFolder_;
    std::size_t loggedLineCount_ = 0;
};

} // namespace quorrin
