// The one export every module of ours has.
#include "rules/kit/transform.h"

using namespace cantivo;
using namespace cantivo::rules;

CANTIVO_RULE_EXPORT std::int32_t QV12Convert(HWND, void* ruleData, HGLOBAL* events, std::int32_t* capacity,
                                             std::int32_t* bytesInUse, SettingsRegion* settings, void*,
                                             std::uint16_t meter, std::uint16_t, std::uint16_t timeBase,
                                             std::uint8_t expressionController) {
    if (!ruleData || !events || !*events || !capacity || !bytesInUse || !settings) return 0;
    if (*bytesInUse < 0 || *bytesInUse > *capacity) return 0;
    const ParamSettings& params = settings->params;
    const ParamEntry row = kModuleParameter == kVariableParameter ? ParamEntry{params.wVariableDepth, 0}
                                                                  : params.aEntry[kModuleParameter];
    if (row.wDepth == 0) return 1;
    ModuleContext context(ruleData, row, RuleBuffer(events, capacity, bytesInUse), meter, timeBase,
                          expressionController);
    Transform(context);
    return context.buffer.Commit() ? 1 : 0;
}
