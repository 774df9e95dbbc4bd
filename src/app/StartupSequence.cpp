#include "app/StartupSequence.h"

#include "app/DebugLogWriter.h"
#include "app/ErrorReporter.h"
#include "app/MainState.h"
#include "app/MainView.h"
#include "app/ZoneNameDiscovery.h"
#include "base/DecimalText.h"
#include "base/Paths.h"
#include "base/RuntimeError.h"
#include "base/Version.h"
#include "platform/Dialogs.h"
#include "settings/Settings.h"

#include <array>
#include <exception>
#include <string>

namespace quorrin {

namespace {

constexpr const char* kFolderPickerTitle =
    "I could not detect your Zone Friends Folder. Please select the Zone Friends Folder  once.";

struct WindowValue
{
    const schema::Value& stored;
    WindowProperty property;
    const char* logLabel;
};

constexpr std::array kWindowValues{
    WindowValue{schema::kMainLeft, WindowProperty::Left, "Main Left : "},
    WindowValue{schema::kMainTop, WindowProperty::Top, "Main Top : "},
    WindowValue{schema::kMainWidth, WindowProperty::Width, "Width : "},
    WindowValue{schema::kMainHeight, WindowProperty::Height, "Height : "},
};

} // namespace

StartupSequence::StartupSequence(MainState& state, MainView& view, Settings& settings, Dialogs& dialogs,
                                 DebugLogWriter& logWriter, ErrorReporter& errors,
                                 ZoneNameDiscovery& discovery)
    : state_(state), view_(view), settings_(settings), dialogs_(dialogs), logWriter_(logWriter),
      errors_(errors), discovery_(discovery)
{}

void StartupSequence::log(const char* entry)
{
    state_.DebugList.add(entry);
}

void StartupSequence::writeLog()
{
    logWriter_.WriteDebugLog("2");
}

void StartupSequence::Form_Load()
{
    try {
        log("Querying Registry");
        if (settings_.read(schema::kVersion) != version::text)
            resetAfterVersionChange();

        // The crash check comes before the first write, while the previous run's log is still whole.
        if (settings_.lastRunEndedAbnormally()) {
            logWriter_.ShowCrashNotice(dialogs_);
            log("Prev. Instance Crashed. Created Crashed.txt");
        }
        writeLog();

        restoreMode();
        writeLog();
        restoreCounters();
        settings_.setCleanExit(false);
        log("Setting Window Coordinates");
        writeLog();
        restoreWindow();

        std::string foundValue;
        if (!findZoneFolder(foundValue))
            return;
        writeLog();
        state_.DebugList.add("Found Value : " + foundValue);
        log("Registry Query Complete");
        writeLog();
        state_.DebugList.add("Changing Working Path to : " + state_.ZonePath);
        writeLog();
        discovery_.FindFilesAPI(state_.ZonePath);
        writeLog();
        view_.redraw(MainPart::SourceList);
        writeLog();
        view_.redraw(MainPart::DebugList);
        writeLog();
    } catch (...) {
        errors_.procError(toRuntimeError(std::current_exception()));
    }
}

void StartupSequence::resetAfterVersionChange()
{
    log("Resetting all values to default");
    for (const auto& value : schema::kResetToEmpty)
        settings_.write(value, "");
    settings_.write(schema::kVersion, version::text);
    settings_.setCleanExit(true);
}

void StartupSequence::restoreMode()
{
    const bool developer = settings_.developerMode();
    log(developer ? "Starting in Developer Mode" : "Starting in Normal Mode");
    state_.DebugListVisible = developer;
    state_.mnuDeveloperChecked = developer;
    state_.mnuNormalChecked = !developer;
    view_.stateChanged(MainPart::Mode);
}

void StartupSequence::restoreCounters()
{
    state_.TotalTransfers = settings_.counter(schema::kTotalTransfers);
    state_.Label3Caption = std::to_string(state_.TotalTransfers);
    view_.stateChanged(MainPart::Counters);
    state_.DebugList.add("TotalTransfers : " + state_.Label3Caption);
    writeLog();

    state_.TotalNameMoves = settings_.counter(schema::kTotalNameMoves);
    state_.Label5Caption = std::to_string(state_.TotalNameMoves);
    view_.stateChanged(MainPart::Counters);
    state_.DebugList.add("Total Name Moves : " + state_.Label5Caption);
    writeLog();
}

void StartupSequence::restoreWindow()
{
    for (const auto& value : kWindowValues) {
        view_.setWindowProperty(value.property, settings_.windowValue(value.stored));
        state_.DebugList.add(value.logLabel + decimalText(view_.windowProperty(value.property)));
        writeLog();
    }
}

bool StartupSequence::findZoneFolder(std::string& foundValue)
{
    const std::string clientFolder = settings_.text(schema::kZoneClientPath);
    state_.ZonePath = joinPath(clientFolder, "Favorites");
    foundValue = clientFolder;
    if (!clientFolder.empty())
        return true;

    state_.ZonePath = settings_.text(schema::kPath);
    foundValue = state_.ZonePath;
    if (!state_.ZonePath.empty())
        return true;

    log("Asking User to Point out Dir");
    state_.ZonePath = dialogs_.BrowseForFolder("", kFolderPickerTitle);
    if (!state_.ZonePath.empty()) {
        state_.ZonePath = joinPath(state_.ZonePath, "Favorites");
        state_.DebugList.add("User pointed Dir : " + state_.ZonePath);
        log("Adding Key to registry");
        settings_.write(schema::kPath, state_.ZonePath);
    } else {
        view_.setBusyPointer(false);
    }
    // The Zone Names are listed at the next start, which finds the stored folder.
    return false;
}

} // namespace quorrin
