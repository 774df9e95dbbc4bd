#pragma once

namespace quorrin {

// How a file written through a stream ends: where the writes left its old content, or right after the last
// byte written (a file written over in place, which may have been longer before).
enum class FileEnd
{
    AsWritten,
    CutAfterLastWrite,
};

} // namespace quorrin
