#pragma once

#include <iosfwd>

namespace quorrin {

// Copies the rest of `in` to `out` in large chunks. A failed read raises RuntimeError DeviceIoError; a failed
// write leaves `out` failed for the caller to see when it flushes.
void copyStream(std::istream& in, std::ostream& out);

} // namespace quorrin
