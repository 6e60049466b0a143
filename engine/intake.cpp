// Intake: the host's events into sorted records, ended by an end record.
#include <algorithm>

#include "engine/error_code.h"
#include "engine/midi_filter.h"
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

    std::int64_t latest = 0;
    auto append = [this] {
        if (AppendRecord() == 0) return true;
        SetErrorCode(kErrNoMemory);
        return false;
    };
    for (std::int32_t index = 0; index < count; ++index) {
        HostEvent event{};
        if (FAILED(input->GetAt(index, &event))) {
            SetErrorCode(kErrInternalMfx);
            return;
        }
        m_lPendingTime = event.time;
        latest = std::max<std::int64_t>(latest, event.time);
        switch (event.type) {
            case kHostNote: {
                m_byPort = event.port;
                const auto duration = static_cast<std::uint32_t>(event.duration);
                m_abPending[0] = event.note.key;
                m_abPending[1] = event.note.velocity;
                m_abPending[2] = static_cast<std::uint8_t>(duration);
                m_abPending[3] = static_cast<std::uint8_t>(duration >> 8);
                m_abPending[4] = event.channel;
                m_nPendingLen = 5;
                if (!append()) return;
                latest = std::max<std::int64_t>(latest, std::int64_t{event.time} + event.duration);
                break;
            }
            case kHostController:
                if (ControllerNumber(event) == g_Options.Ctrl) {
                    m_abPending[0] = kMetaKind;
                    m_abPending[1] = kPhraseMarker;
                    m_abPending[2] = ControllerValue(event) >= 64 ? 1 : 0;
                    m_byMarkerChannel = event.channel;
                } else {
                    m_abPending[0] = static_cast<std::uint8_t>(0xB0 | (event.channel & 0x0F));
                    m_abPending[1] = ControllerNumber(event);
                    m_abPending[2] = ControllerValue(event);
                }
                m_nPendingLen = 3;
                if (!append()) return;
                break;
            case kHostWheel: {
                EventRecord wheel{};
                SetWheelValue(wheel, ReduceWheel(event.wheel));
                m_abPending[0] = static_cast<std::uint8_t>(0xE0 | (event.channel & 0x0F));
                m_abPending[1] = wheel.data[0];
                m_abPending[2] = wheel.data[1];
                m_nPendingLen = 3;
                if (!append()) return;
                break;
            }
            default:
                output->Add(&event);
                break;
        }
        m_nForwardedBefore = index + 1;
    }

    m_lPendingTime = static_cast<std::int32_t>(latest);
    m_abPending[0] = kMetaKind;
    m_abPending[1] = kEndRecord;
    m_nPendingLen = 2;
    if (!append()) return;

    SortRecords(reinterpret_cast<EventRecord*>(m_pIntakeBase), static_cast<std::size_t>(m_nIntakeUsed) / sizeof(EventRecord));
    GlobalUnlock(m_hEvents);
    m_nEventBytes = m_nIntakeUsed;
    m_nEventCapacity = static_cast<std::int32_t>(m_nIntakeCapacity);
}

}  // namespace cantivo
