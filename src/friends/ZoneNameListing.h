#pragma once

#include <cstdint>
#include <string>

namespace quorrin {

struct FindData;

// What a folder listing says about Zone Names: every folder directly inside the Zone folder is one.

// The folder with exactly one separator at its end, as a listing pattern and its entries' paths need it.
std::string withTrailingSeparator(std::string folder);
// The entry's name: the listing's fixed-size name field, up to its first NUL.
std::string entryName(const FindData& data);
// "." and "..": the folder itself and its parent, never a Zone Name.
bool isDotEntry(const std::string& name);
// Attributes that could not be read (the failure value, whose folder bit is set) count as a folder, so such
// an entry is listed.
bool isFolder(std::uint32_t attributes);

} // namespace quorrin
