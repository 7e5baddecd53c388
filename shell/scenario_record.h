// Forwards to scenario/scenario_record.h, where the data layer lives now; include that header
// instead.
#pragma once

#include "scenario/scenario_record.h"
