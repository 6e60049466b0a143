// Adds one tempo record, with the value of its first rule-data byte, at time 0.
#include "tests/rules/module_buffer.h"

using namespace cantivo;

CANTIVO_RULE_EXPORT std::int32_t QV12Convert(HWND, void* ruleData, HGLOBAL* events, std::int32_t* capacity,
                                             std::int32_t* bytesInUse, SettingsRegion*, void*, std::uint16_t,
                                             std::uint16_t, std::uint16_t, std::uint8_t) {
    EventRecord* records = test::LockWithRoom(events, capacity, *bytesInUse, 1);
    if (!records) return 0;
    std::int32_t index = 0;
    while (RecordTime(records[index]) == 0 && records[index].kind == kMetaKind && records[index].data[0] == kPhraseMarker)
        ++index;
    EventRecord tempo{};
    tempo.kind = kMetaKind;
    tempo.data[0] = kTempoRecord;
    tempo.data[1] = *static_cast<const std::uint8_t*>(ruleData);
    test::InsertRecord(records, bytesInUse, index, tempo);
    GlobalUnlock(*events);
    return 1;
}
