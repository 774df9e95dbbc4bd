#pragma once

#include <string_view>

// Addresses and names the program shows or opens. They are kept here, in one place, so that changing one
// address changes it everywhere.
namespace quorrin::contacts {

inline constexpr std::string_view authorSite = "http://www.varlow.example.net/";
inline constexpr std::string_view authorMail = "varlow@quorrin.example.net";
inline constexpr std::string_view maintainerMail = "bugs@quorrin.example.net";
inline constexpr std::string_view squadSite = "http://www.kestrel-squad.example.org/";
inline constexpr std::string_view squadMail = "squad@kestrel-squad.example.org";
inline constexpr std::string_view squadName = "Kestrel Combat FS Virtual Squad";
inline constexpr std::string_view zoneHomePage = "http://zone.example.com/";
inline constexpr std::string_view technicalAdviserHeading = "Technical Adviser:";
inline constexpr std::string_view technicalAdviser = "Merlin";
inline constexpr std::string_view betaTesters = "Hawk, Tern, Osprey";

} // namespace quorrin::contacts
