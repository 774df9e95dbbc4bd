#include "platform/LockFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace quorrin {

LockFile::LockFile(const std::string& path)
{
    const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return;
    handle_ = descriptor;
    int status = 0;
    do
        status = ::flock(descriptor, LOCK_EX);
    while (status != 0 && errno == EINTR);
    locked_ = status == 0;
}

LockFile::~LockFile()
{
    // Closing the descriptor releases the lock.
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_));
}

} // namespace quorrin
