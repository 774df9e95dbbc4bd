#pragma once

#include <string>

namespace quorrin {

// Cuts `text` just before its first NUL character (a text without NUL stays whole) and returns the result.
std::string StripNulls(std::string& text);

} // namespace quorrin
