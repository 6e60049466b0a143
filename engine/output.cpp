// Output: the records back to host events, and the unchanged copy of the input.
#include <iterator>

#include "engine/error_code.h"
#include "engine/midi_filter.h"
#include "options/options_settings.h"

namespace cantivo {

namespace {

bool IntakeForwards(std::int32_t type) { return type != kHostNote && type != kHostController && type != kHostWheel; }

// Copies every input event to the output; events of the kinds intake forwards
// are left out below `skipForwardedBefore`, since intake has sent them already.
HRESULT CopyInput(IHostEventQueue* input, IHostEventQueue* output, std::int32_t skipForwardedBefore) {
    std::int32_t count = 0;
    if (FAILED(input->GetCount(&count))) return E_FAIL;
    for (std::int32_t index = 0; index < count; ++index) {
        HostEvent event{};
        if (FAILED(input->GetAt(index, &event))) return E_FAIL;
        if (index < skipForwardedBefore && IntakeForwards(event.type)) continue;
        output->Add(&event);
    }
    return S_OK;
}

// Fills `event` from one record; false for records the host never sees.
bool ToHostEvent(const EventRecord& record, HostEvent& event, std::uint8_t markerChannel) {
    if (IsNote(record)) {
        event.type = kHostNote;
        event.channel = record.data[3] & 0x0F;
        event.note.key = record.kind;
        event.note.velocity = record.data[0];
        event.note.releaseVelocity = 64;
        event.duration = NoteDuration(record);
        return true;
    }
    if (IsWheel(record)) {
        event.type = kHostWheel;
        event.channel = record.kind & 0x0F;
        event.wheel = static_cast<std::int16_t>(WheelValue(record) * 32);
        return true;
    }
    if (record.kind == kMetaKind) {
        if (record.data[0] != kPhraseMarker) return false;
        event.type = kHostController;
        event.channel = markerChannel;
        ControllerNumber(event) = g_Options.Ctrl;
        ControllerValue(event) = record.data[1] ? 94 : 32;
        return true;
    }
    if (record.kind == 0x80) return false;
    event.type = kHostController;
    event.channel = record.kind & 0x0F;
    ControllerNumber(event) = record.data[0];
    ControllerValue(event) = record.data[1];
    return true;
}

}  // namespace

void CMFCMidiFilter::PassThrough(IHostEventQueue* input, IHostEventQueue* output) {
    if (FAILED(CopyInput(input, output, m_nForwardedBefore))) SetErrorCode(kErrInternalMfx);
}

HRESULT CMFCMidiFilter::CopyEvents(IHostEventQueue* input, IHostEventQueue* output) {
    return CopyInput(input, output, 0);
}

void CMFCMidiFilter::EmitEvents(IHostEventQueue* output) {
    const EventRecord* records = LockEventRecords();
    if (!records) return;  // the run passes its input through
    const std::int32_t count = m_nEventBytes / static_cast<std::int32_t>(sizeof(EventRecord));
    // A batch is filled before any of it is handed over: a host copying an
    // event just written field by field would first wait for those writes.
    HostEvent batch[16];
    std::int32_t i = 0;
    while (i < count && !IsEndRecord(records[i])) {
        std::size_t filled = 0;
        for (; filled < std::size(batch) && i < count && !IsEndRecord(records[i]); ++i) {
            HostEvent& event = batch[filled];
            event = HostEvent{};
            event.time = static_cast<std::int32_t>(RecordTime(records[i]));
            event.port = m_byPort;
            if (ToHostEvent(records[i], event, m_byMarkerChannel)) ++filled;
        }
        for (std::size_t e = 0; e < filled; ++e) output->Add(&batch[e]);
    }
    GlobalUnlock(m_hEvents);
}

}  // namespace cantivo
