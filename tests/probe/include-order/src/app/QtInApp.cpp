// Planted: a Qt header below the Qt front end.
#include <QString>
// Allowed: the own layer and those below.
#include "app/MainView.h"
#include "base/LogSink.h"
#include "friends/Side.h"
#include <string>
