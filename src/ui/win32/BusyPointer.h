#pragma once

namespace quorrin::win32 {

// The application-wide busy pointer: every window of the program shows it while set.
void setBusyPointer(bool busy);
bool busyPointer();

} // namespace quorrin::win32
