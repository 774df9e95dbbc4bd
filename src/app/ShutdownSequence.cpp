#include "app/ShutdownSequence.h"

#include "app/DebugLogWriter.h"
#include "app/ErrorReporter.h"
#include "app/MainState.h"
#include "app/MainView.h"
#include "base/DecimalText.h"
#include "base/RuntimeError.h"
#include "base/Version.h"
#include "settings/Global.h"
#include "settings/Schema.h"

#include <array>
#include <exception>
#include <string>

namespace quorrin {

namespace {

const std::string kSettings(schema::kSettingsKey);
const std::string kInfo(schema::kInfoKey);

struct SavedWindowValue
{
    std::string_view name;
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

ShutdownSequence::ShutdownSequence(MainState& state, MainView& view, Global& store, DebugLogWriter& logWriter,
                                   ErrorReporter& errors)
    : state_(state), view_(view), store_(store), logWriter_(logWriter), errors_(errors)
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
    store_.writeText(kSettings, std::string(schema::kPath), state_.ZonePath);

    const auto& names = state_.SourceList.items;
    for (std::size_t i = 0; i < names.size(); ++i)
        store_.writeText(std::string(schema::kZoneNamesKey),
                         std::string(schema::kZoneNamePrefix) + std::to_string(i), names[i]);
    state_.DebugList.add("Added " + std::to_string(names.size()) + " ZoneNames to registry");

    state_.DebugList.add("Saving user's Preferences");
    if (state_.mnuNormalChecked) {
        store_.writeText(kSettings, std::string(schema::kMode), std::string(schema::kModeNormal));
        state_.DebugList.add("Normal Mode is Prefered By User");
    } else {
        store_.writeText(kSettings, std::string(schema::kMode), std::string(schema::kModeDeveloper));
        state_.DebugList.add("Developer Mode is Prefered By User");
    }

    store_.writeText(kInfo, std::string(schema::kTotalTransfers), std::to_string(state_.TotalTransfers));
    store_.writeText(kInfo, std::string(schema::kTotalNameMoves), std::to_string(state_.TotalNameMoves));
    for (const auto& value : kSavedWindowValues)
        store_.writeText(kSettings, std::string(value.name),
                         decimalText(view_.windowProperty(value.property)));
    store_.writeText(kInfo, std::string(schema::kVersion), version::text);

    logWriter_.WriteDebugLog("1");
}

} // namespace quorrin
