#pragma once

#include <string>

namespace quorrin {

// A number as the program writes it into texts: decimal, no leading blank, no decimals when it is whole.
std::string decimalText(double value);

} // namespace quorrin
