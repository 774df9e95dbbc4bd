#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin {

// Where Wine prefixes are looked for. Only these two folders are used, so a run with HOME set to a scratch
// folder (and WINEPREFIX unset) sees no prefix of the real user.
struct WinePrefixSearch
{
    std::string home;       // $HOME; ignored when empty or relative
    std::string winePrefix; // $WINEPREFIX; ignored when empty or relative, as Wine refuses those

    static WinePrefixSearch fromEnvironment();

    // The folders holding a system.reg, each once, in the order they are asked:
    //   $WINEPREFIX
    //   ~/.wine                                                  (Wine's default)
    //   ~/.var/app/com.usebottles.bottles/data/bottles/bottles/*  (Bottles, Flatpak)
    //   ~/.local/share/bottles/bottles/*                         (Bottles)
    //   ~/Games/*, ~/Games/*/prefix                              (Lutris: a game's folder is its prefix, or
    //                                                            holds it)
    //   ~/.PlayOnLinux/wineprefix/*                              (PlayOnLinux)
    // The folders of each "*" in byte order of their names.
    std::vector<std::filesystem::path> prefixes() const;
};

// The Unix path of a Windows path (UTF-16, as the registry holds it) inside `prefix`: the drive letter
// through the prefix's dosdevices/ links ("c:" -> ../drive_c, "z:" -> /), then each part matched on the disk
// without regard to case. Parts from the first that matches nothing on are kept as written. "." and ".." are
// taken as Windows takes them. Nothing for a path without a drive, a drive the prefix lacks, or text that is
// no valid UTF-16.
std::optional<std::string> unixPathInPrefix(const std::filesystem::path& prefix,
                                            std::u16string_view windowsPath);

} // namespace quorrin
