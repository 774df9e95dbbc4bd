#pragma once

#include "settings/Global.h"
#include "settings/Schema.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace quorrin {

// The stored values as the program uses them. Every read is one ReadRegValue and every write one OpenRegKey
// and WriteRegValue pair, on the value's own root and key, so the store sees exactly one open and close per
// value. Conversions that leave the 16-bit or single-precision range raise RuntimeError Overflow; the store
// itself never raises.
class Settings
{
public:
    explicit Settings(Global& store) : store_(store) {}

    // The value as stored: text, number or empty.
    RegValue read(const schema::Value& value) const;
    // The value's text; the value's `whenEmpty` text when it is missing or empty.
    std::string text(const schema::Value& value) const;
    void write(const schema::Value& value, const RegValue& content) const;

    // "Mode" is exactly "Developer".
    bool developerMode() const;
    void setDeveloperMode(bool developer) const;
    // "CleanExit" is exactly "False": the last run did not end normally.
    bool lastRunEndedAbnormally() const;
    void setCleanExit(bool clean) const;
    // A counter of Info: the leading number of its text, rounded to the nearest whole number.
    std::int16_t counter(const schema::Value& value) const;
    // A window value of Settings: the leading number of its text, in single precision.
    float windowValue(const schema::Value& value) const;
    // The tip dialog's check box: "Tip" missing, empty or "1".
    bool showTips() const;
    // The tip to show next; 1 when nothing usable is stored.
    std::int16_t nextTip() const;
    void saveTipSettings(std::int32_t nextTip, bool showTips) const;
    // "Name" + index under ZoneNames.
    void saveZoneName(std::size_t index, const std::string& name) const;

private:
    Global& store_;
};

} // namespace quorrin
