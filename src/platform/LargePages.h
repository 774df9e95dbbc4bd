#pragma once

namespace quorrin {

// Lets the main heap's first megabytes be backed by 2 MB pages where the system allows it. Reading two full
// friends lists touches some 700 fresh 4 KB pages, and on virtual machines each first touch can cost as much
// as the work done in the page; one large page takes 512 of those faults at once. Call it once, early in
// main, before other threads start. Does nothing where large pages cannot be asked for.
void useLargePagesForHeap();

} // namespace quorrin
