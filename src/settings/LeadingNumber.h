#pragma once

#include <cstdint>
#include <string_view>

namespace quorrin {

// The number a stored text starts with: leading blanks skipped, an optional sign, digits with "." as the
// decimal point. A text that does not start with a number gives 0.
double leadingNumber(std::string_view text);

// A stored counter: the leading number rounded to the nearest whole number (halves to the even one). Raises
// RuntimeError Overflow outside -32768..32767.
std::int16_t counterFromText(std::string_view text);

} // namespace quorrin
