#include "platform/StreamCopy.h"

#include "base/RuntimeError.h"

#include <array>
#include <istream>
#include <ostream>

namespace quorrin {

void copyStream(std::istream& in, std::ostream& out)
{
    std::array<char, 64 * 1024> chunk;
    while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0)
        out.write(chunk.data(), in.gcount());
    if (in.bad())
        throw RuntimeError(ErrorNumber::DeviceIoError);
}

} // namespace quorrin
