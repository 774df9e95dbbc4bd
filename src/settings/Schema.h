#pragma once

#include "settings/RegistryBackend.h"

#include <array>
#include <string_view>

// Every key and value the program reads or writes: each written once, with its root, key, name and type.
namespace quorrin::schema {

// Keys under HKEY_CURRENT_USER.
inline constexpr std::string_view kSettingsKey = "Software\\Quorrin\\Settings";
inline constexpr std::string_view kInfoKey = "Software\\Quorrin\\Info";
inline constexpr std::string_view kZoneNamesKey = "Software\\Quorrin\\ZoneNames";

// Keys under HKEY_LOCAL_MACHINE, kept by other software and only read.
inline constexpr std::string_view kZoneSetupKey = "Software\\Microsoft\\Internet Gaming Zone\\Setup";
inline constexpr std::string_view kSystemInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSinfo";

// One stored value. `whenEmpty` is the text a missing or empty value stands for.
struct Value
{
    RegRoot root;
    std::string_view key;
    std::string_view name;
    RegType type;
    std::string_view whenEmpty = {};
};

constexpr Value userText(std::string_view key, std::string_view name, std::string_view whenEmpty = {})
{
    return {RegRoot::CurrentUser, key, name, RegType::Sz, whenEmpty};
}

// Settings.
inline constexpr Value kMode = userText(kSettingsKey, "Mode"); // "Developer"; anything else is Normal Mode
// The main window's outer place and size in twips, as decimal text.
inline constexpr Value kMainLeft = userText(kSettingsKey, "MainLeft", "1575");
inline constexpr Value kMainTop = userText(kSettingsKey, "MainTop", "420");
inline constexpr Value kMainWidth = userText(kSettingsKey, "MainWidth", "8265");
inline constexpr Value kMainHeight = userText(kSettingsKey, "MainHeight", "7725");
inline constexpr Value kCleanExit = userText(kSettingsKey, "CleanExit"); // "True" or "False"
inline constexpr Value kPath = userText(kSettingsKey, "Path");    // the Zone folder, ending in Favorites
inline constexpr Value kTip = userText(kSettingsKey, "Tip", "1"); // "1" checked, anything else not
// The next tip, a REG_DWORD: written as "TipNr" and read as "TipNR", one value as names ignore case.
inline constexpr Value kTipNrWrite{RegRoot::CurrentUser, kSettingsKey, "TipNr", RegType::Dword};
inline constexpr Value kTipNrRead{RegRoot::CurrentUser, kSettingsKey, "TipNR", RegType::Dword};

// Info.
inline constexpr Value kVersion = userText(kInfoKey, "Version");
inline constexpr Value kTotalTransfers = userText(kInfoKey, "TotalTransfers", "0");
inline constexpr Value kTotalNameMoves = userText(kInfoKey, "TotalNameMoves", "0");

// ZoneNames: "Name0", "Name1", ...
inline constexpr std::string_view kZoneNamePrefix = "Name";

// Kept by other software.
inline constexpr Value kZoneClientPath{RegRoot::LocalMachine, kZoneSetupKey, "Path", RegType::Sz};
inline constexpr Value kSystemInfoPath{RegRoot::LocalMachine, kSystemInfoKey, "Path", RegType::Sz};

inline constexpr std::string_view kModeDeveloper = "Developer";
inline constexpr std::string_view kModeNormal = "Normal";

// What the reset after a version change writes, in order: the empty text to each of these, then the running
// version to Version, then "True" to CleanExit.
inline constexpr std::array kResetToEmpty{kMode, kMainTop, kMainLeft, kMainWidth, kMainHeight};

} // namespace quorrin::schema
