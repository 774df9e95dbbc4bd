#include "settings/DefaultRegistryBackend.h"
#include "settings/Win32RegistryBackend.h"

#include <cstdlib>

namespace quorrin {

std::string defaultSettingsFolder()
{
    // Only the settings files use it; on Windows the store is the registry itself.
    const char* appData = std::getenv("APPDATA");
    return std::string(appData ? appData : "") + "\\Quorrin";
}

std::unique_ptr<RegistryBackend> createDefaultRegistryBackend()
{
    return std::make_unique<Win32RegistryBackend>();
}

} // namespace quorrin
