#include "platform/LargePages.h"

namespace quorrin {

// Large pages on Windows need a privilege users do not hold; the heap stays as it is.
void useLargePagesForHeap() {}

} // namespace quorrin
