// Appends what it was called with to the file its rule data names.
#include <cstdio>
#include <cstring>

#include "tests/rules/recorded_call.h"

using namespace cantivo;

CANTIVO_RULE_EXPORT std::int32_t QV12Convert(HWND pageWindow, void* ruleData, HGLOBAL* events, std::int32_t* capacity,
                                             std::int32_t* bytesInUse, SettingsRegion* settings, void* slotParams,
                                             std::uint16_t meter, std::uint16_t reserved, std::uint16_t timeBase,
                                             std::uint8_t expressionController) {
    test::RecordedCall call{};
    call.pageWindow = reinterpret_cast<std::uintptr_t>(pageWindow);
    call.capacity = *capacity;
    call.bytesInUse = *bytesInUse;
    call.settings = *settings;
    std::memcpy(call.slotParams, slotParams, kSlotParamBytes);
    call.meter = meter;
    call.reserved = reserved;
    call.timeBase = timeBase;
    call.expressionController = expressionController;
    const char* path = static_cast<const char*>(ruleData);
    std::strncpy(reinterpret_cast<char*>(call.ruleData), path, sizeof call.ruleData - 1);

    std::FILE* out = std::fopen(path, "ab");
    if (!out) return 0;
    std::fwrite(&call, sizeof call, 1, out);
    const void* records = GlobalLock(*events);
    std::fwrite(records, 1, static_cast<std::size_t>(*bytesInUse), out);
    GlobalUnlock(*events);
    std::fclose(out);
    return 1;
}
