// Grows the buffer through its handle and fills the new room: as many
// controller-20 records as its rule data's first four bytes say, at the end
// record's time, before the end record.
#include <cstring>

#include "tests/rules/module_buffer.h"

using namespace cantivo;

CANTIVO_RULE_EXPORT std::int32_t QV12Convert(HWND, void* ruleData, HGLOBAL* events, std::int32_t* capacity,
                                             std::int32_t* bytesInUse, SettingsRegion*, void*, std::uint16_t,
                                             std::uint16_t, std::uint16_t, std::uint8_t) {
    std::int32_t extra = 0;
    std::memcpy(&extra, ruleData, sizeof extra);
    EventRecord* records = test::LockWithRoom(events, capacity, *bytesInUse, extra);
    if (!records) return 0;
    std::int32_t endIndex = *bytesInUse / static_cast<std::int32_t>(sizeof(EventRecord)) - 1;
    const EventRecord end = records[endIndex];
    for (std::int32_t i = 0; i < extra; ++i) {
        EventRecord& r = records[endIndex++];
        r = EventRecord{};
        SetRecordTime(r, RecordTime(end));
        r.kind = 0xB0;
        r.data[0] = 20;
        r.data[1] = static_cast<std::uint8_t>(i % 128);
    }
    records[endIndex] = end;
    *bytesInUse += extra * static_cast<std::int32_t>(sizeof(EventRecord));
    GlobalUnlock(*events);
    return 1;
}
