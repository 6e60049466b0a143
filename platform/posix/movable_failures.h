// Failure injection for the movable-memory calls, for tests: compiled in
// always, inert until armed. Once armed with n, the allocations,
// reallocations and locks are counted from 0 and call n fails as it would
// for want of memory on Windows.
#pragma once

#include "cantivo/movable_memory.h"

// n < 0 disarms. Arming starts the count again.
CANTIVO_MOVABLE_API void CantivoFailMovableCall(long n);
// The calls counted since the last arming.
CANTIVO_MOVABLE_API long CantivoMovableCallsCounted();
