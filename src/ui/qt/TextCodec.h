#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quorrin::ui {

// The core keeps texts as bytes; only the window decodes them, one rule per kind, and never encodes them
// back.

// Friend entries, the contents of Friends.txt: the 8-bit code page windows-1252.
QString decodeFriendEntry(std::string_view bytes);

// Zone Names, paths and log lines: the file system's encoding.
QString decodeLocal(const std::string& bytes);

// The program's own texts: captions, tooltips and names from the layout tables, all plain ASCII.
QString layoutText(std::string_view text);

} // namespace quorrin::ui
