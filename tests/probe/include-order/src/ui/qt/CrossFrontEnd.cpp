// Planted: one front end including the other.
#include "ui/win32/frmMain.h"
// Allowed: Qt and the layers below, here.
#include "app/MainState.h"
#include <QWidget>
