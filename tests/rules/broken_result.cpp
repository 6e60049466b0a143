// Hands back a broken buffer, chosen by its first rule-data byte.
#include "cantivo/rule_module.h"

using namespace cantivo;

namespace {
enum Breakage : std::uint8_t {
    kNoEndRecord = 1,
    kBytesAboveCapacity = 2,
    kNullHandle = 3,
    kPartRecord = 4,
    kCapacityAboveBlock = 5,
    kNothingInUse = 6,
    kFreedBlock = 7,
};
}

CANTIVO_RULE_EXPORT std::int32_t QV12Convert(HWND, void* ruleData, HGLOBAL* events, std::int32_t* capacity,
                                             std::int32_t* bytesInUse, SettingsRegion*, void*, std::uint16_t,
                                             std::uint16_t, std::uint16_t, std::uint8_t) {
    switch (*static_cast<const std::uint8_t*>(ruleData)) {
        case kNoEndRecord: {
            auto* records = static_cast<EventRecord*>(GlobalLock(*events));
            EventRecord& last = records[*bytesInUse / sizeof(EventRecord) - 1];
            last.kind = 60;  // a note where the end record was
            GlobalUnlock(*events);
            break;
        }
        case kBytesAboveCapacity: *bytesInUse = *capacity + 8; break;
        case kNullHandle:
            GlobalFree(*events);
            *events = nullptr;
            break;
        case kPartRecord: *bytesInUse -= 3; break;
        case kCapacityAboveBlock: *capacity = static_cast<std::int32_t>(GlobalSize(*events)) + 64; break;
        case kNothingInUse: *bytesInUse = 0; break;
        case kFreedBlock: GlobalFree(*events); break;  // and hands back the old handle
    }
    return 1;
}
