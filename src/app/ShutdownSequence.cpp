#include "app/ShutdownSequence.h"

#include "app/DebugLogWriter.h"
#include "app/ErrorReporter.h"
#include "app/MainState.h"
#include "app/MainView.h"
#include "base/DecimalText.h"
#include "base/RuntimeError.h"
#include "base/Version.h"
#include "settings/Settings.h"

#include <array>
#include <exception>
#include <string>

namespace quorrin {

namespace {

struct SavedWindowValue
{
    const schema::Value& stored;
    WindowProperty property;
};

// Saved in this order; the start-up reads them left, top, width, height.
constexpr std::array kSavedWindowValues{
    SavedWindowValue{schema::kMainTop, WindowProperty::Top},
    SavedWindowValue{schema::kMainLeft, WindowProperty::Left},
    SavedWindowValue{schema::kMainWidth, WindowProperty::Width},
    SavedWindowValue{schema::kMainHeight, WindowProperty::Height},
};

} // namespace

ShutdownSequence::ShutdownSequence(MainState& state, MainView& view, Settings& settings,
                                   DebugLogWriter& logWriter, ErrorReporter& errors)
    : state_(state), view_(view), settings_(settings), logWriter_(logWriter), errors_(errors)
{}

void ShutdownSequence::procTerminate()
{
    try {
        saveSteps();
    } catch (...) {
        // The rest is not saved and the run stays marked as not ended normally; the close goes ahead.
        errors_.procError(toRuntimeError(std::current_exception()));
    }
}

void ShutdownSequence::saveSteps()
{
    state_.DebugList.add("User Queried Unload");
    settings_.write(schema::kPath, state_.ZonePath);

    const auto& names = state_.SourceList.items;
    for (std::size_t i = 0; i < names.size(); ++i)
        settings_.saveZoneName(i, names[i]);
    state_.DebugList.add("Added " + std::to_string(names.size()) + " ZoneNames to registry");

    state_.DebugList.add("Saving user's Preferences");
    settings_.setDeveloperMode(!state_.mnuNormalChecked);
    state_.DebugList.add(state_.mnuNormalChecked ? "Normal Mode is Prefered By User"
                                                 : "Developer Mode is Prefered By User");

    settings_.write(schema::kTotalTransfers, std::to_string(state_.TotalTransfers));
    settings_.write(schema::kTotalNameMoves, std::to_string(state_.TotalNameMoves));
    for (const auto& value : kSavedWindowValues)
        settings_.write(value.stored, decimalText(view_.windowProperty(value.property)));
    settings_.write(schema::kVersion, version::text);

    logWriter_.WriteDebugLog("1");
}

} // namespace quorrin
