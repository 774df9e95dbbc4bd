#include "platform/NativePath.h"

#include <windows.h>

namespace quorrin {

std::filesystem::path nativePath(const std::string& bytes)
{
    if (bytes.empty())
        return {};
    const int length =
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), length);
    return std::filesystem::path(wide);
}

} // namespace quorrin
