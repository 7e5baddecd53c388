// Forwards to scenario/lookups_facility.h, where the data layer lives now; include that header
// instead.
#pragma once

#include "scenario/lookups_facility.h"
