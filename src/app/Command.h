#pragma once

namespace quorrin {

// The main window's menu items that do something. A front end maps its own menu events to these; the
// numbers are stable, so a native menu can use them as its item identifiers.
enum class Command
{
    None = 0, // a menu of the bar, or a separator
    FileExit,
    NormalMode,
    DeveloperMode,
    LinkVarlow,
    Mail,
    LinkKestrel,
    LinkZone,
    TipOfTheDay,
    HelpContents,
    HelpAbout,
};

} // namespace quorrin
