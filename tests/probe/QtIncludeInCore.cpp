// Compiled with the core's settings only; it must not build, because the core has no Qt.
#include <QString>

int probe()
{
    return QString().size();
}
