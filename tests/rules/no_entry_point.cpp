// A library that loads but is no rule module.
#include "cantivo/rule_module.h"

CANTIVO_RULE_EXPORT std::int32_t NotTheEntryPoint() { return 1; }
