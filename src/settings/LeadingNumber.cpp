#include "settings/LeadingNumber.h"

#include "base/Int16.h"

#include <charconv>
#include <cmath>
#include <string>

namespace quorrin {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

double leadingNumber(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    // The number proper: digits, then at most one point and more digits.
    const std::size_t start = at;
    bool significant = false;
    for (; at < text.size() && isDigit(text[at]); ++at)
        significant = significant || text[at] != '0';
    const bool wholeSignificant = significant;
    if (at < text.size() && text[at] == '.')
        ++at;
    for (; at < text.size() && isDigit(text[at]); ++at)
        significant = significant || text[at] != '0';
    const std::string_view digits = text.substr(start, at - start);
    if (!significant)
        return 0;
    double value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range)
        value = wholeSignificant ? HUGE_VAL : 0;
    else if (error != std::errc())
        value = 0;
    return negative ? -value : value;
}

std::int16_t counterFromText(std::string_view text)
{
    const double value = leadingNumber(text);
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = fraction < 0.5 ? below : below + 1;
    if (fraction == 0.5 && std::fmod(below, 2) == 0)
        rounded = below;
    if (!(rounded >= -32768 && rounded <= 32767))
        throw RuntimeError(ErrorNumber::Overflow);
    return toInt16(static_cast<long long>(rounded));
}

} // namespace quorrin
