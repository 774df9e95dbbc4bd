#pragma once

#include "settings/RegKeys.h"

#include <string>
#include <string_view>

namespace quorrin {

// Keys and values read from regedit 4 export text. `complete` is false when anything in the text could not be
// understood: a missing header, a broken line, a value outside any key, a deletion entry.
struct RegFileContent
{
    RegKeyList keys;
    bool complete = true;
};

// Reads regedit 4 text byte for byte. Lines may end in CR LF or LF; blank lines and ";" comments are skipped.
// Strings escape only "\\" and "\""; hex values may continue over lines ending in "\". Never throws on bad
// input: what can be read is kept, the rest marks the content incomplete.
RegFileContent parseRegFile(std::string_view text);

// Writes the keys as regedit 4 text with CR LF line ends. A REG_SZ whose bytes end in their only NUL and hold
// no CR or LF is written as a quoted string, a REG_DWORD of 4 bytes as dword:, everything else as hex(N): so
// that every value reads back exactly.
std::string writeRegFile(const RegKeyList& keys);

} // namespace quorrin
