#pragma once

namespace quorrin {

// The end of the user's session as the system announces it outside any window: on Linux SIGTERM or SIGHUP
// (and Ctrl+C as SIGINT). From the first call on, each such signal writes one byte to the descriptor
// returned, which the event loop can watch. Returns -1 where the system has no such signals (on Windows the
// session's end arrives as a window message) or the descriptor cannot be made.
int terminationSignalDescriptor();

// Takes one pending byte off the descriptor after it became readable.
void acknowledgeTerminationSignal(int descriptor);

} // namespace quorrin
