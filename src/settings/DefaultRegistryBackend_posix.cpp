#include "settings/DefaultRegistryBackend.h"
#include "settings/FileRegistryBackend.h"
#include "settings/WinePrefixRegistryBackend.h"

#include <cstdlib>

namespace quorrin {

std::string defaultSettingsFolder()
{
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base directory rules say.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return std::string(config) + "/Quorrin";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config/Quorrin";
}

std::unique_ptr<RegistryBackend> createDefaultRegistryBackend()
{
    // A Zone client installed under Wine is found before the settings folder's machine file is asked.
    return std::make_unique<WinePrefixRegistryBackend>(
        WinePrefixSearch::fromEnvironment(), std::make_unique<FileRegistryBackend>(defaultSettingsFolder()));
}

} // namespace quorrin
