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
#include "settings/Global.h"
#include "settings/LeadingNumber.h"
#include "settings/Schema.h"

#include <array>
#include <cmath>
#include <exception>
#include <limits>
#include <string>

namespace quorrin {

namespace {

const std::string kSettings(schema::kSettingsKey);
const std::string kInfo(schema::kInfoKey);

constexpr const char* kFolderPickerTitle =
    "I could not detect your Zone Friends Folder. Please select the Zone Friends Folder  once.";

struct WindowValue
{
    std::string_view name;
    double defaultTwips;
    WindowProperty property;
    const char* logLabel;
};

constexpr std::array kWindowValues{
    WindowValue{schema::kMainLeft, schema::kDefaultMainLeft, WindowProperty::Left, "Main Left : "},
    WindowValue{schema::kMainTop, schema::kDefaultMainTop, WindowProperty::Top, "Main Top : "},
    WindowValue{schema::kMainWidth, schema::kDefaultMainWidth, WindowProperty::Width, "Width : "},
    WindowValue{schema::kMainHeight, schema::kDefaultMainHeight, WindowProperty::Height, "Height : "},
};

} // namespace

StartupSequence::StartupSequence(MainState& state, MainView& view, Global& store, Dialogs& dialogs,
                                 DebugLogWriter& logWriter, ErrorReporter& errors,
                                 ZoneNameDiscovery& discovery)
    : state_(state), view_(view), store_(store), dialogs_(dialogs), logWriter_(logWriter), errors_(errors),
      discovery_(discovery)
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
        store_.ReadRegValue(RegRoot::CurrentUser, kInfo, std::string(schema::kVersion));
        if (store_.RegResult != version::text)
            resetAfterVersionChange();

        // The crash check comes before the first write, while the previous run's log is still whole.
        store_.ReadRegValue(RegRoot::CurrentUser, kSettings, std::string(schema::kCleanExit));
        if (store_.RegResult == "False") {
            logWriter_.ShowCrashNotice(dialogs_);
            log("Prev. Instance Crashed. Created Crashed.txt");
        }
        writeLog();

        restoreMode();
        writeLog();
        restoreCounters();
        store_.writeText(kSettings, std::string(schema::kCleanExit), "False");
        log("Setting Window Coordinates");
        writeLog();
        restoreWindow();

        if (!findZoneFolder())
            return;
        writeLog();
        state_.DebugList.add("Found Value : " + store_.RegResult.toText());
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
    for (const auto name : schema::kResetToEmpty)
        store_.writeText(kSettings, std::string(name), "");
    store_.writeText(kInfo, std::string(schema::kVersion), version::text);
    store_.writeText(kSettings, std::string(schema::kCleanExit), "True");
}

void StartupSequence::restoreMode()
{
    store_.ReadRegValue(RegRoot::CurrentUser, kSettings, std::string(schema::kMode));
    const bool developer = store_.RegResult == schema::kModeDeveloper;
    log(developer ? "Starting in Developer Mode" : "Starting in Normal Mode");
    state_.DebugListVisible = developer;
    state_.mnuDeveloperChecked = developer;
    state_.mnuNormalChecked = !developer;
    view_.stateChanged(MainPart::Mode);
}

void StartupSequence::restoreCounters()
{
    store_.ReadRegValue(RegRoot::CurrentUser, kInfo, std::string(schema::kTotalTransfers));
    state_.TotalTransfers = counterFromText(store_.RegResult.toText());
    state_.Label3Caption = std::to_string(state_.TotalTransfers);
    view_.stateChanged(MainPart::Counters);
    state_.DebugList.add("TotalTransfers : " + state_.Label3Caption);
    writeLog();

    store_.ReadRegValue(RegRoot::CurrentUser, kInfo, std::string(schema::kTotalNameMoves));
    state_.TotalNameMoves = counterFromText(store_.RegResult.toText());
    state_.Label5Caption = std::to_string(state_.TotalNameMoves);
    view_.stateChanged(MainPart::Counters);
    state_.DebugList.add("Total Name Moves : " + state_.Label5Caption);
    writeLog();
}

void StartupSequence::restoreWindow()
{
    for (const auto& value : kWindowValues) {
        store_.ReadRegValue(RegRoot::CurrentUser, kSettings, std::string(value.name));
        const std::string text = store_.RegResult.toText();
        const double number = text.empty() ? value.defaultTwips : leadingNumber(text);
        // The window takes single precision: a number beyond its range is an overflow, not a window size.
        if (!(std::fabs(number) <= std::numeric_limits<float>::max()))
            throw RuntimeError(ErrorNumber::Overflow);
        const auto twips = static_cast<float>(number);
        view_.setWindowProperty(value.property, twips);
        state_.DebugList.add(value.logLabel + decimalText(view_.windowProperty(value.property)));
        writeLog();
    }
}

bool StartupSequence::findZoneFolder()
{
    store_.ReadRegValue(RegRoot::LocalMachine, std::string(schema::kZoneSetupKey),
                        std::string(schema::kOutsidePath));
    const std::string clientFolder = store_.RegResult.toText();
    state_.ZonePath = joinPath(clientFolder, "Favorites");
    if (!clientFolder.empty())
        return true;

    store_.ReadRegValue(RegRoot::CurrentUser, kSettings, std::string(schema::kPath));
    state_.ZonePath = store_.RegResult.toText();
    if (!state_.ZonePath.empty())
        return true;

    log("Asking User to Point out Dir");
    state_.ZonePath = dialogs_.BrowseForFolder("", kFolderPickerTitle);
    if (!state_.ZonePath.empty()) {
        state_.ZonePath = joinPath(state_.ZonePath, "Favorites");
        state_.DebugList.add("User pointed Dir : " + state_.ZonePath);
        log("Adding Key to registry");
        store_.writeText(kSettings, std::string(schema::kPath), state_.ZonePath);
    } else {
        view_.setBusyPointer(false);
    }
    // The Zone Names are listed at the next start, which finds the stored folder.
    return false;
}

} // namespace quorrin
