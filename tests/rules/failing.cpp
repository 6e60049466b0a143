// Reports failure without touching anything.
#include "cantivo/rule_module.h"

using namespace cantivo;

CANTIVO_RULE_EXPORT std::int32_t QV12Convert(HWND, void*, HGLOBAL*, std::int32_t*, std::int32_t*, SettingsRegion*,
                                             void*, std::uint16_t, std::uint16_t, std::uint16_t, std::uint8_t) {
    return 0;
}
