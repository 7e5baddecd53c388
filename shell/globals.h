// Forwards to scenario/globals.h, where the data layer lives now; include that header instead.
#pragma once

#include "scenario/globals.h"
