#include "settings/Settings.h"

#include "base/RuntimeError.h"
#include "settings/LeadingNumber.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace quorrin {

namespace {

// A stored tip number: a REG_DWORD, or a text put there by hand that is a whole decimal number. Anything
// else, or a number beyond 16 bits, is no tip number.
std::optional<std::int16_t> tipNumber(const RegValue& stored)
{
    long long number = stored.toNumber();
    if (!stored.isNumber()) {
        const std::string text = stored.toText();
        const char* first = text.data();
        const char* last = first + text.size();
        if (first != last && *first == '+')
            ++first;
        const auto [end, error] = std::from_chars(first, last, number);
        if (error != std::errc() || end != last)
            return std::nullopt;
    }
    if (number < std::numeric_limits<std::int16_t>::min() ||
        number > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(number);
}

} // namespace

RegValue Settings::read(const schema::Value& value) const
{
    return store_.ReadRegValue(value.root, std::string(value.key), std::string(value.name));
}

std::string Settings::text(const schema::Value& value) const
{
    std::string stored = read(value).toText();
    return stored.empty() ? std::string(value.whenEmpty) : stored;
}

void Settings::write(const schema::Value& value, const RegValue& content) const
{
    store_.writeValue(value.root, std::string(value.key), std::string(value.name), content, value.type);
}

bool Settings::developerMode() const
{
    return text(schema::kMode) == schema::kModeDeveloper;
}

void Settings::setDeveloperMode(bool developer) const
{
    write(schema::kMode, std::string(developer ? schema::kModeDeveloper : schema::kModeNormal));
}

bool Settings::lastRunEndedAbnormally() const
{
    return text(schema::kCleanExit) == "False";
}

void Settings::setCleanExit(bool clean) const
{
    write(schema::kCleanExit, clean ? "True" : "False");
}

std::int16_t Settings::counter(const schema::Value& value) const
{
    return counterFromText(text(value));
}

float Settings::windowValue(const schema::Value& value) const
{
    const double number = leadingNumber(text(value));
    // The window takes single precision: a number beyond its range is an overflow, not a window size.
    if (!(std::fabs(number) <= std::numeric_limits<float>::max()))
        throw RuntimeError(ErrorNumber::Overflow);
    return static_cast<float>(number);
}

bool Settings::showTips() const
{
    return text(schema::kTip) == "1";
}

std::int16_t Settings::nextTip() const
{
    const RegValue stored = read(schema::kTipNrRead);
    // The number 0 counts as empty, as a missing value does.
    if (stored == "" || (stored.isNumber() && stored.toNumber() == 0))
        return 1;
    return tipNumber(stored).value_or(1);
}

void Settings::saveTipSettings(std::int32_t nextTip, bool showTips) const
{
    write(schema::kTipNrWrite, RegValue(nextTip));
    write(schema::kTip, showTips ? "1" : "0");
}

void Settings::saveZoneName(std::size_t index, const std::string& name) const
{
    store_.writeText(std::string(schema::kZoneNamesKey),
                     std::string(schema::kZoneNamePrefix) + std::to_string(index), name);
}

} // namespace quorrin
