#pragma once

#include <array>
#include <string_view>

// Every key and value the program reads or writes, with their defaults.
namespace quorrin::schema {

// Keys under HKEY_CURRENT_USER.
inline constexpr std::string_view kSettingsKey = "Software\\Quorrin\\Settings";
inline constexpr std::string_view kInfoKey = "Software\\Quorrin\\Info";
inline constexpr std::string_view kZoneNamesKey = "Software\\Quorrin\\ZoneNames";

// Keys under HKEY_LOCAL_MACHINE, kept by other software and only read.
inline constexpr std::string_view kZoneSetupKey = "Software\\Microsoft\\Internet Gaming Zone\\Setup";
inline constexpr std::string_view kSystemInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSinfo";

// Settings (REG_SZ unless said otherwise).
inline constexpr std::string_view kMode = "Mode"; // "Developer" or "Normal"; anything else is Normal Mode
inline constexpr std::string_view kModeDeveloper = "Developer";
inline constexpr std::string_view kModeNormal = "Normal";
inline constexpr std::string_view kMainLeft = "MainLeft";
inline constexpr std::string_view kMainTop = "MainTop";
inline constexpr std::string_view kMainWidth = "MainWidth";
inline constexpr std::string_view kMainHeight = "MainHeight";
inline constexpr double kDefaultMainLeft = 1575;
inline constexpr double kDefaultMainTop = 420;
inline constexpr double kDefaultMainWidth = 8265;
inline constexpr double kDefaultMainHeight = 7725;
inline constexpr std::string_view kCleanExit = "CleanExit"; // "True" or "False"
inline constexpr std::string_view kPath = "Path";           // the Zone folder, ending in "Favorites"
inline constexpr std::string_view kTip = "Tip";             // "1" checked (the default), "0" unchecked
inline constexpr std::string_view kTipNrWrite = "TipNr";    // REG_DWORD, the next tip; default 1
inline constexpr std::string_view kTipNrRead = "TipNR";     // the same value: names match ignoring case

// Info.
inline constexpr std::string_view kVersion = "Version";
inline constexpr std::string_view kTotalTransfers = "TotalTransfers"; // default 0
inline constexpr std::string_view kTotalNameMoves = "TotalNameMoves"; // default 0

// ZoneNames: "Name0", "Name1", ...
inline constexpr std::string_view kZoneNamePrefix = "Name";

// The outside keys' value.
inline constexpr std::string_view kOutsidePath = "Path";

// What the reset after a version change writes, in order: the empty text to each of these under Settings,
// then the running version to Version under Info, then "True" to CleanExit under Settings.
inline constexpr std::array<std::string_view, 5> kResetToEmpty{kMode, kMainTop, kMainLeft, kMainWidth,
                                                               kMainHeight};

} // namespace quorrin::schema
