#include "platform/NativePath.h"

namespace quorrin {

std::filesystem::path nativePath(const std::string& bytes)
{
    return std::filesystem::path(bytes);
}

} // namespace quorrin
