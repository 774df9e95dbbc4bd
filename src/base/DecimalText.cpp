#include "base/DecimalText.h"

#include <cmath>
#include <cstdio>

namespace quorrin {

std::string decimalText(double value)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    char buffer[32];
    // Window values are single precision: seven significant digits say all they hold.
    std::snprintf(buffer, sizeof buffer, "%.7g", value);
    return buffer;
}

} // namespace quorrin
