#include "engine/initial_values.h"

#include "engine/midi_filter.h"
#include "engine/record_buffer.h"
#include "options/options_settings.h"

namespace cantivo {

namespace {

// A controller at the start takes the fixed value; later ones go.
void FixOrRemove(EventRecord& r, bool atStart, std::uint32_t keep, std::uint16_t value, bool& removed) {
    if (atStart) {
        if (keep == 0) r.data[1] = static_cast<std::uint8_t>(value);
    } else if (keep == 0) {
        MarkDeleted(r);
        removed = true;
    }
}

void RemoveUnlessKept(EventRecord& r, std::uint32_t keep, bool& removed) {
    if (keep != 0) return;
    MarkDeleted(r);
    removed = true;
}

}  // namespace

std::int32_t ApplyInitialValuesTo(EventRecord* records, std::int32_t bytesInUse, std::int32_t capacity,
                                  const InitialValues& initial, std::uint8_t expressionController) {
    const std::uint32_t start = RecordTime(records[0]);
    bool removed = false;
    bool expressionAtStart = false;
    bool panAtStart = false;
    std::uint8_t lastChannel = 0;

    const std::int32_t length = WalkLength(records, bytesInUse);
    for (std::int32_t i = 0; i < length && !IsEndRecord(records[i]); ++i) {
        EventRecord& r = records[i];
        const bool atStart = RecordTime(r) <= start;
        if (IsNote(r)) {
            lastChannel = r.data[3] & 0x0F;
            if (initial.bKeepVelocity == 0) r.data[0] = static_cast<std::uint8_t>(initial.wVelocity);
        } else if (IsControllerNumber(r, expressionController)) {
            FixOrRemove(r, atStart, initial.bKeepExpression, initial.wExpression, removed);
            expressionAtStart = expressionAtStart || atStart;
        } else if (IsWheel(r)) {
            RemoveUnlessKept(r, initial.bKeepWheel, removed);
        } else if (IsControllerNumber(r, kModulationController)) {
            RemoveUnlessKept(r, initial.bKeepModulation, removed);
        } else if (IsControllerNumber(r, kPanController)) {
            FixOrRemove(r, atStart, initial.bKeepPan, initial.wPan, removed);
            panAtStart = panAtStart || atStart;
        }
    }
    if (removed) bytesInUse = CompactRecords(records, bytesInUse);

    // Pan first: with room for one record only, pan is the one that goes in.
    EventRecord inserted[2] = {};
    std::int32_t count = 0;
    const std::int32_t room = (capacity - bytesInUse) / static_cast<std::int32_t>(sizeof(EventRecord));
    auto insertController = [&](std::uint8_t number, std::uint16_t value) {
        if (count >= room) return;
        EventRecord& r = inserted[count++];
        SetRecordTime(r, start);
        r.kind = static_cast<std::uint8_t>(0xB0 | lastChannel);
        r.data[0] = number;
        r.data[1] = static_cast<std::uint8_t>(value);
    };
    if (!panAtStart) insertController(kPanController, initial.wPan);
    if (!expressionAtStart) insertController(expressionController, initial.wExpression);
    // Each goes in ahead of the one before it.
    InsertAtFront(records, bytesInUse, count);
    for (std::int32_t i = 0; i < count; ++i) records[i] = inserted[count - 1 - i];
    return bytesInUse;
}

void CMFCMidiFilter::ApplyInitialValues() {
    EventRecord* records = LockEventRecords();
    if (!records) return;
    m_nEventBytes = ApplyInitialValuesTo(records, m_nEventBytes, m_nEventCapacity, m_Initial, g_Options.VolB);
    GlobalUnlock(m_hEvents);
}

}  // namespace cantivo
