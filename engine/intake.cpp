// Intake: the host's events into sorted records, ended by an end record.
#include <algorithm>

#include "engine/batch_routes.h"
#include "engine/error_code.h"
#include "engine/event_use.h"
#include "engine/midi_filter.h"
#include "engine/packed_record.h"
#include "engine/record_order.h"
#include "options/options_settings.h"

namespace cantivo {

namespace {

PackedRecord NoteRecordOf(const HostEvent& event) {
    const std::uint32_t duration = static_cast<std::uint32_t>(event.duration) & 0xFFFF;
    return PackedRecord::Make(static_cast<std::uint32_t>(event.time), event.note.key,
                              event.note.velocity | duration << 8 | std::uint32_t{event.channel} << 24);
}

// A controller of the Options' marker number is a phrase marker, on at 64 and above.
PackedRecord ControllerRecordOf(const HostEvent& event, std::uint8_t markerController) {
    const auto time = static_cast<std::uint32_t>(event.time);
    const std::uint8_t number = event.note.key;
    const std::uint8_t value = event.note.velocity;
    if (number == markerController) return PackedRecord::Make(time, kMetaKind, kPhraseMarker | std::uint32_t{value >= 64} << 8);
    return PackedRecord::Make(time, static_cast<std::uint8_t>(0xB0 | (event.channel & 0x0F)), number | std::uint32_t{value} << 8);
}

// The wheel reduced to a 1/32 step and kept as an offset from centre.
PackedRecord WheelRecordOf(const HostEvent& event) {
    const auto e = static_cast<std::uint32_t>(event.wheel / 32 + kWheelCentre);
    const auto kind = static_cast<std::uint8_t>(0xE0 | (event.channel & 0x0F));
    return PackedRecord::Make(static_cast<std::uint32_t>(event.time), kind, (e >> 2) | (e & 3) << 8);
}

}  // namespace

void CMFCMidiFilter::IntakeEvents(IHostEventQueue* input, IHostEventQueue* output) {
    m_nIntakeCapacity = AllocateEventBuffer(&m_pIntakeBase);
    if (m_nIntakeCapacity == 0) {
        SetErrorCode(kErrNoMemory);
        ShowError();
        return;
    }
    m_nIntakeUsed = 0;

    std::int32_t count = 0;
    if (FAILED(input->GetCount(&count))) {
        SetErrorCode(kErrInternalMfx);
        return;
    }

    // Room for `records` more, grown a step at a time as appending one by one would.
    auto reserve = [&](std::int32_t records) {
        while (m_nIntakeCapacity < static_cast<std::uint32_t>(m_nIntakeUsed) + records * sizeof(EventRecord)) {
            if (!GrowIntakeBuffer()) {
                SetErrorCode(kErrNoMemory);
                return false;
            }
        }
        return true;
    };
    // Sorted as they come in, a batch at a time.
    AppendSorter sorter(static_cast<std::size_t>(std::max(count, 0)) + 1);
    const std::uint8_t markerController = g_Options.Ctrl;
    std::int64_t latest = 0;
    // Events are fetched a batch ahead of turning them into records, so that
    // the fetches overlap; then each route's records are made in a walk of
    // its own and written where they belong.
    constexpr int kBatch = 64;
    // Cleared once: a host that fills an event only in part leaves the last
    // event's bytes there, never undefined ones.
    HostEvent batch[kBatch] = {};
    std::uint8_t place[kBatch];
    for (std::int32_t first = 0; first < count;) {
        const std::int32_t limit = std::min<std::int32_t>(kBatch, count - first);
        std::int32_t fetched = 0;
        bool failed = false;
        for (; fetched < limit; ++fetched) {
            if (FAILED(input->GetAt(first + fetched, &batch[fetched]))) {
                failed = true;
                break;
            }
        }
        BatchRoutes<kUseCount, kBatch> routes;
        int taken = 0;
        for (int b = 0; b < fetched; ++b) {
            const EventUse use = UseOf(batch[b].type);
            routes.Add(use, b);
            place[b] = static_cast<std::uint8_t>(taken);
            taken += use != kForwardUse;
            latest = std::max<std::int64_t>(latest, batch[b].time);
        }
        // Kinds of their own go straight on, all of the batch's before any of its records.
        routes.ForEach(kForwardUse, [&](int b) { output->Add(&batch[b]); });
        m_nForwardedBefore = first + fetched;
        if (!reserve(taken)) return;

        auto* records = reinterpret_cast<EventRecord*>(m_pIntakeBase);
        const auto last = static_cast<std::size_t>(m_nIntakeUsed) / sizeof(EventRecord);
        EventRecord* made = records + last;
        routes.ForEach(kNoteUse, [&](int b) {
            NoteRecordOf(batch[b]).Store(made[place[b]]);
            latest = std::max(latest, std::int64_t{batch[b].time} + std::int32_t{batch[b].duration});
        });
        if (routes.Count(kNoteUse) > 0) m_byPort = batch[routes.Last(kNoteUse)].port;
        routes.ForEach(kControllerUse, [&](int b) {
            const PackedRecord record = ControllerRecordOf(batch[b], markerController);
            if (record.Kind() == kMetaKind) m_byMarkerChannel = batch[b].channel;
            record.Store(made[place[b]]);
        });
        routes.ForEach(kWheelUse, [&](int b) { WheelRecordOf(batch[b]).Store(made[place[b]]); });
        for (std::size_t r = last; r < last + static_cast<std::size_t>(taken); ++r) {
            const PackedRecord record = PackedRecord::Load(records[r]);
            sorter.Appended(records, r, OrderKey(record.Time(), record.Kind(), record.Data(0)));
        }
        m_nIntakeUsed += taken * static_cast<std::int32_t>(sizeof(EventRecord));
        if (failed) {
            SetErrorCode(kErrInternalMfx);
            return;
        }
        first += fetched;
    }

    if (!reserve(1)) return;
    auto* records = reinterpret_cast<EventRecord*>(m_pIntakeBase);
    const auto last = static_cast<std::size_t>(m_nIntakeUsed) / sizeof(EventRecord);
    PackedRecord::Make(static_cast<std::uint32_t>(latest), kMetaKind, kEndRecord).Store(records[last]);
    sorter.Appended(records, last, OrderKey(records[last]));
    m_nIntakeUsed += sizeof(EventRecord);

    sorter.Finish(records, last + 1);
    ClearPastIntake();
    GlobalUnlock(m_hEvents);
    m_nEventBytes = m_nIntakeUsed;
    m_nEventCapacity = static_cast<std::int32_t>(m_nIntakeCapacity);
}

}  // namespace cantivo
