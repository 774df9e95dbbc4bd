#pragma once

#include "settings/RegistryBackend.h"

#include <memory>
#include <string>

namespace quorrin {

// The store the program uses on this system: the registry on Windows; elsewhere the settings files, with the
// Zone client's folder looked up first in the Wine prefixes of $WINEPREFIX and $HOME.
std::unique_ptr<RegistryBackend> createDefaultRegistryBackend();

// Where the settings files live away from Windows: $XDG_CONFIG_HOME/Quorrin, or $HOME/.config/Quorrin when
// that is not set.
std::string defaultSettingsFolder();

} // namespace quorrin
