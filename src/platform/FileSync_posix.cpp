#include "platform/FileSync.h"

#include <fcntl.h>
#include <unistd.h>

namespace quorrin {

void flushToDisk(const std::filesystem::path& path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

} // namespace quorrin
