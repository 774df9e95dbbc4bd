#pragma once

// Planted: the bottom layer reaching up to the composition.
#include "app/MainState.h"
