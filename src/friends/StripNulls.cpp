#include "friends/StripNulls.h"

namespace quorrin {

std::string StripNulls(std::string& text)
{
    const std::size_t nul = text.find('\0');
    if (nul != std::string::npos)
        text.erase(nul);
    return text;
}

} // namespace quorrin
