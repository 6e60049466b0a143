#include "engine/initial_values.h"

#include "engine/midi_filter.h"
#include "engine/record_buffer.h"
#include "options/options_settings.h"

namespace cantivo {

namespace {

// What the stage needs to know of one record; the first rule that matches
// applies: note, expression, wheel, modulation, pan. Bitwise tests rather than
// jumps: the kinds come in no pattern.
struct RecordRole {
    RecordRole(const PackedRecord& r, std::uint8_t expressionController) {
        const bool controller = r.IsController();
        const std::uint8_t number = r.Data(0);
        note = r.IsNote();
        expression = controller & (number == expressionController);
        const bool other = controller & !expression;
        modulation = other & (number == kModulationController);
        pan = other & (number == kPanController);
    }
    bool note, expression, modulation, pan;
};

struct StartState {
    bool expressionAtStart = false;
    bool panAtStart = false;
    std::uint8_t lastChannel = 0;

    void Note(const PackedRecord& r, const RecordRole& role, bool atStart) {
        lastChannel = Select(role.note, static_cast<std::uint8_t>(r.Data(3) & 0x0F), lastChannel);
        expressionAtStart |= role.expression & atStart;
        panAtStart |= role.pan & atStart;
    }
};

// Every keep flag set: no record changes, so only the records at the start
// (a run at the front of the sorted buffer) and the last note's channel count.
void NoteUnchanged(const EventRecord* records, std::int32_t bytesInUse, std::uint8_t expressionController,
                   std::uint32_t start, StartState& state) {
    const std::int32_t count = bytesInUse / static_cast<std::int32_t>(sizeof(EventRecord));
    std::int32_t i = 0;
    for (; i < count; ++i) {
        const PackedRecord r = PackedRecord::Load(records[i]);
        if (r.IsEnd() || r.Time() > start) break;
        state.Note(r, RecordRole(r, expressionController), true);
    }
    // The last note is looked for from the back: intake's end record is the
    // only one, and the last record in use.
    for (std::int32_t j = count - 1; j >= i; --j) {
        const PackedRecord r = PackedRecord::Load(records[j]);
        if (r.IsNote()) {
            state.lastChannel = r.Data(3) & 0x0F;
            return;
        }
    }
}

// A controller at the start takes the fixed value; later ones go.
std::int32_t ChangeRecords(EventRecord* records, std::int32_t bytesInUse, const InitialValues& initial,
                           std::uint8_t expressionController, std::uint32_t start, StartState& state) {
    const bool fixVelocity = initial.bKeepVelocity == 0;
    const bool fixExpression = initial.bKeepExpression == 0;
    const bool fixPan = initial.bKeepPan == 0;
    const bool dropWheel = initial.bKeepWheel == 0;
    const bool dropModulation = initial.bKeepModulation == 0;
    const auto velocity = static_cast<std::uint8_t>(initial.wVelocity);
    const auto expressionValue = static_cast<std::uint8_t>(initial.wExpression);
    const auto panValue = static_cast<std::uint8_t>(initial.wPan);
    return CompactingWalk(records, bytesInUse, [&](PackedRecord& r) {
        const bool atStart = r.Time() <= start;
        const RecordRole role(r, expressionController);
        state.Note(r, role, atStart);
        r.SetDataIf(role.note & fixVelocity, 0, velocity);
        const bool fixedExpression = role.expression & fixExpression;
        const bool fixedPan = role.pan & fixPan;
        r.SetDataIf(atStart & (fixedExpression | fixedPan), 1, Select(fixedExpression, expressionValue, panValue));
        const bool goes = ((!atStart) & (fixedExpression | fixedPan)) | (r.IsWheel() & dropWheel) |
                          (role.modulation & dropModulation);
        return !goes;
    });
}

}  // namespace

std::int32_t ApplyInitialValuesTo(EventRecord* records, std::int32_t bytesInUse, std::int32_t capacity,
                                  const InitialValues& initial, std::uint8_t expressionController) {
    const std::uint32_t start = RecordTime(records[0]);
    StartState state;
    if (initial.bKeepVelocity != 0 && initial.bKeepExpression != 0 && initial.bKeepWheel != 0 &&
        initial.bKeepModulation != 0 && initial.bKeepPan != 0)
        NoteUnchanged(records, bytesInUse, expressionController, start, state);
    else
        bytesInUse = ChangeRecords(records, bytesInUse, initial, expressionController, start, state);
    const bool expressionAtStart = state.expressionAtStart;
    const bool panAtStart = state.panAtStart;
    const std::uint8_t lastChannel = state.lastChannel;

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
