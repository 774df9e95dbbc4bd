#include "app/DebugLogWriter.h"

#include "base/Contacts.h"
#include "base/DiagnosticLog.h"
#include "base/Paths.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "settings/LeadingNumber.h"
#include "settings/Settings.h"

#include <ostream>

namespace quorrin {

namespace {

constexpr std::string_view kDebugLogName = "Debuglog.txt";
constexpr std::string_view kCrashedLogName = "Crashed.txt";

std::string inWorkingFolder(const std::string& folder, std::string_view name)
{
    return folder.empty() ? std::string(name) : joinPath(folder, name);
}

} // namespace

DebugLogWriter::DebugLogWriter(DiagnosticLog& log, FileSystem& files, Settings& settings,
                               std::string workingFolder)
    : log_(log), files_(files), settings_(settings), workingFolder_(std::move(workingFolder))
{}

std::string DebugLogWriter::debugLogPath() const
{
    return inWorkingFolder(workingFolder_, kDebugLogName);
}

std::string DebugLogWriter::crashedLogPath() const
{
    return inWorkingFolder(workingFolder_, kCrashedLogName);
}

void DebugLogWriter::WriteDebugLog(std::string_view mode)
{
    // The mode is a number given as text; a text without one reads as 0.
    const double number = leadingNumber(mode);
    const bool silent = number == 2;
    const bool finalWrite = number == 1;

    std::size_t count = log_.size() + 1;
    // The entries are added only once the file is open: a write that cannot even open leaves the log as it
    // was. The log is written after nearly every step, so it does not wait for the disk each time: a crash of
    // the program still leaves a whole log, and only a power cut could bring an earlier one back.
    files_.replaceFileWith(
        debugLogPath(),
        [&](std::ostream& out) {
            if (!silent)
                log_.add(std::to_string(count - 1) + " Records Written To DebugLog.txt");
            if (finalWrite) {
                ++count;
                log_.add("Normal Program Exit");
            }
            for (const std::string& entry : log_.entries()) {
                out.write(entry.data(), static_cast<std::streamsize>(entry.size()));
                out.write("\r\n", 2);
            }
        },
        Durability::AtomicOnly);
    loggedLineCount_ = count;

    if (finalWrite) {
        // Added after the file is closed: this entry is in the log but not in the file.
        log_.add("Setting 'Clean Exit Flag' in Registry");
        settings_.setCleanExit(true);
    }
}

void DebugLogWriter::Timer1_Timer()
{
    if (log_.size() == loggedLineCount_)
        return;
    try {
        WriteDebugLog("0");
    } catch (...) {
        // The tick has no error trap: a file that cannot be written now is written at a later tick.
    }
}

void DebugLogWriter::ShowCrashNotice(Dialogs& dialogs)
{
    files_.copyFile(debugLogPath(), crashedLogPath());
    dialogs.showMessage(
        {"The Last time you run Quorrin, the program did not exit the right way. This is most likely "
         "caused by a bug in the software. The program has maked a debuglog called Crashed.txt "
         "Please send this file to " +
             std::string(contacts::authorMail),
         "Abnormal Program Exit", MessageIcon::Critical, MessageButtons::Ok});
}

} // namespace quorrin
