#pragma once

#include <string_view>

namespace quorrin {

// The two sides of the main window: the Zone Name whose friends are copied, and the one that receives them.
enum class Side
{
    Source,
    Target,
};

// The side's name as the log and the messages give it.
constexpr std::string_view sideText(Side side)
{
    return side == Side::Source ? "SourceList" : "TargetList";
}

} // namespace quorrin
