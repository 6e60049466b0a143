// Hands back a broken buffer, chosen by its first rule-data byte.
#include "cantivo/rule_module.h"

using namespace cantivo;

CANTIVO_RULE_EXPORT std::int32_t QV12Convert(HWND, void* ruleData, HGLOBAL* events, std::int32_t* capacity,
                                             std::int32_t* bytesInUse, SettingsRegion*, void*, std::uint16_t,
                                             std::uint16_t, std::uint16_t, std::uint8_t) {
    switch (*static_cast<const std::uint8_t*>(ruleData)) {
        case 1: {  // no end record: a note where it was
            auto* records = static_cast<EventRecord*>(GlobalLock(*events));
            records[*bytesInUse / sizeof(EventRecord) - 1].kind = 60;
            GlobalUnlock(*events);
            break;
        }
        case 2: *bytesInUse = *capacity + 8; break;
        case 3:  // no block
            GlobalFree(*events);
            *events = nullptr;
            break;
        case 4: *bytesInUse -= 3; break;  // part of a record
        case 5: *capacity = static_cast<std::int32_t>(GlobalSize(*events)) + 64; break;
        case 6: *bytesInUse = 0; break;
        case 7: GlobalFree(*events); break;  // and hands back the old handle
    }
    return 1;
}
