// Forwards to scenario/table_set.h, where the data layer lives now; include that header instead.
#pragma once

#include "scenario/table_set.h"
