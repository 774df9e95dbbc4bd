#include "platform/TerminationSignal.h"

namespace quorrin {

int terminationSignalDescriptor()
{
    return -1;
}

void acknowledgeTerminationSignal(int) {}

} // namespace quorrin
