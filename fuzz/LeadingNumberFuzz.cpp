// On short texts leadingNumber and counterFromText agree with the plain reading below; on any text they
// raise nothing but Overflow.

#include "base/RuntimeError.h"
#include "FuzzCheck.h"
#include "settings/LeadingNumber.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

using quorrin::fuzz::check;

// Texts up to this long hold no number outside the range of a double, so strtod reads them exactly.
constexpr std::size_t kShortText = 24;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Blanks and tabs, a sign, digits with at most one point: that much read by strtod, which rounds correctly;
// no digit at all, or only zeros, is 0.
double plainLeadingNumber(std::string_view text)
{
    std::size_t at = text.find_first_not_of(" \t");
    if (at == std::string_view::npos)
        return 0;
    std::string number;
    if (text[at] == '+' || text[at] == '-')
        number += text[at++];
    bool point = false;
    bool digit = false;
    for (; at < text.size() && (isDigit(text[at]) || (text[at] == '.' && !point)); ++at) {
        point = point || text[at] == '.';
        digit = digit || isDigit(text[at]);
        number += text[at];
    }
    return digit ? std::strtod(number.c_str(), nullptr) : 0;
}

// The whole number nearest to `value`, halves to the even one (the default rounding mode); nothing outside
// the 16-bit range.
std::optional<std::int16_t> plainCounter(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -32768 && rounded <= 32767))
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<std::int16_t> counter(std::string_view text)
{
    try {
        return quorrin::counterFromText(text);
    } catch (const quorrin::RuntimeError& error) {
        check(error.number() == static_cast<int>(quorrin::ErrorNumber::Overflow), "only Overflow is raised");
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double number = quorrin::leadingNumber(text);
    check(!std::isnan(number), "the leading number is a number");
    const std::optional<std::int16_t> rounded = counter(text);
    if (size > kShortText)
        return 0;
    const double plainNumber = plainLeadingNumber(text);
    check(number == plainNumber, "leadingNumber reads as strtod does");
    check(rounded == plainCounter(plainNumber), "counterFromText rounds halves to even within 16 bits");
    return 0;
}
