// Intake: the host's events into sorted records, ended by an end record.
#include <algorithm>
#include <iterator>

#include "engine/error_code.h"
#include "engine/midi_filter.h"
#include "engine/packed_record.h"
#include "engine/record_order.h"
#include "options/options_settings.h"

namespace cantivo {

namespace {

// A signed wheel value reduced to a 1/32 step, kept as an offset from centre.
int ReduceWheel(std::int16_t value) { return value / 32; }

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

    // Sorted as they come in, while each record is still at hand.
    AppendSorter sorter(static_cast<std::size_t>(std::max(count, 0)) + 1);
    auto append = [&](PackedRecord record) {
        if (static_cast<std::uint32_t>(m_nIntakeUsed) >= m_nIntakeCapacity && !GrowIntakeBuffer()) {
            SetErrorCode(kErrNoMemory);
            return false;
        }
        auto* records = reinterpret_cast<EventRecord*>(m_pIntakeBase);
        const auto last = static_cast<std::size_t>(m_nIntakeUsed) / sizeof(EventRecord);
        record.Store(records[last]);
        m_nIntakeUsed += sizeof(EventRecord);
        sorter.Appended(records, last, OrderKey(record.Time(), record.Kind(), record.Data(0)));
        return true;
    };
    const std::uint8_t markerController = g_Options.Ctrl;
    std::int64_t latest = 0;
    // Events are fetched a batch ahead of turning them into records: the
    // fetches then overlap instead of each waiting behind a guess at the last
    // event's kind.
    HostEvent batch[16];
    for (std::int32_t first = 0; first < count;) {
        std::int32_t fetched = 0;
        bool failed = false;
        for (; fetched < static_cast<std::int32_t>(std::size(batch)) && first + fetched < count; ++fetched) {
            batch[fetched] = HostEvent{};
            if (FAILED(input->GetAt(first + fetched, &batch[fetched]))) {
                failed = true;
                break;
            }
        }
        for (std::int32_t b = 0; b < fetched; ++b) {
            HostEvent& event = batch[b];
            latest = std::max<std::int64_t>(latest, event.time);
            const auto time = static_cast<std::uint32_t>(event.time);
            switch (event.type) {
                case kHostNote: {
                    m_byPort = event.port;
                    const std::uint32_t duration = static_cast<std::uint32_t>(event.duration) & 0xFFFF;
                    if (!append(PackedRecord::Make(time, event.note.key,
                                                   event.note.velocity | duration << 8 | std::uint32_t{event.channel} << 24)))
                        return;
                    latest = std::max<std::int64_t>(latest, std::int64_t{event.time} + event.duration);
                    break;
                }
                case kHostController:
                    if (ControllerNumber(event) == markerController) {
                        m_byMarkerChannel = event.channel;
                        const std::uint32_t on = ControllerValue(event) >= 64 ? 1 : 0;
                        if (!append(PackedRecord::Make(time, kMetaKind, kPhraseMarker | on << 8))) return;
                    } else {
                        const auto kind = static_cast<std::uint8_t>(0xB0 | (event.channel & 0x0F));
                        const std::uint32_t data = ControllerNumber(event) | std::uint32_t{ControllerValue(event)} << 8;
                        if (!append(PackedRecord::Make(time, kind, data))) return;
                    }
                    break;
                case kHostWheel: {
                    const auto e = static_cast<std::uint32_t>(ReduceWheel(event.wheel) + kWheelCentre);
                    const auto kind = static_cast<std::uint8_t>(0xE0 | (event.channel & 0x0F));
                    if (!append(PackedRecord::Make(time, kind, (e >> 2) | (e & 3) << 8))) return;
                    break;
                }
                default:
                    output->Add(&event);
                    break;
            }
            m_nForwardedBefore = first + b + 1;
        }
        if (failed) {
            SetErrorCode(kErrInternalMfx);
            return;
        }
        first += fetched;
    }

    if (!append(PackedRecord::Make(static_cast<std::uint32_t>(latest), kMetaKind, kEndRecord))) return;

    sorter.Finish(reinterpret_cast<EventRecord*>(m_pIntakeBase), static_cast<std::size_t>(m_nIntakeUsed) / sizeof(EventRecord));
    GlobalUnlock(m_hEvents);
    m_nEventBytes = m_nIntakeUsed;
    m_nEventCapacity = static_cast<std::int32_t>(m_nIntakeCapacity);
}

}  // namespace cantivo
