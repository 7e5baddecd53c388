// Forwards to scenario/lookups_flows.h, where the data layer lives now; include that header
// instead.
#pragma once

#include "scenario/lookups_flows.h"
