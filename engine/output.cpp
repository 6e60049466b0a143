// Output: the records back to host events, and the unchanged copy of the input.
#include <algorithm>

#include "engine/auto_optimize.h"
#include "engine/batch_routes.h"
#include "engine/error_code.h"
#include "engine/event_use.h"
#include "engine/midi_filter.h"
#include "engine/record_events.h"
#include "options/options_settings.h"

namespace cantivo {

namespace {

// Copies every input event to the output; events of the kinds intake forwards
// are left out below `skipForwardedBefore`, since intake has sent them already.
HRESULT CopyInput(IHostEventQueue* input, IHostEventQueue* output, std::int32_t skipForwardedBefore) {
    std::int32_t count = 0;
    if (FAILED(input->GetCount(&count))) return E_FAIL;
    for (std::int32_t index = 0; index < count; ++index) {
        HostEvent event{};
        if (FAILED(input->GetAt(index, &event))) return E_FAIL;
        if (index < skipForwardedBefore && UseOf(event.type) == kForwardUse) continue;
        output->Add(&event);
    }
    return S_OK;
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
    RecordThinner thinner(m_Thinning);
    // Copies the compiler need not read again after each event written.
    const std::uint8_t port = m_byPort;
    const std::uint8_t markerChannel = m_byMarkerChannel;
    const std::uint8_t markerController = g_Options.Ctrl;
    const std::int32_t count = m_nEventBytes / static_cast<std::int32_t>(sizeof(EventRecord));
    // A batch's records are taken route by route, each event written where its
    // record stands. The thinning of each kind sees its records in order. The
    // batch is filled before any of it is handed over: a host copying an event
    // just written field by field would first wait for those writes.
    constexpr int kBatch = 64;
    HostEvent batch[kBatch];
    bool sent[kBatch];
    for (std::int32_t first = 0; first < count;) {
        const EventRecord* at = records + first;
        BatchRoutes<kRouteCount, kBatch> routes;
        const int limit = std::min<std::int32_t>(kBatch, count - first);
        int taken = 0;
        for (; taken < limit && !IsEndRecord(at[taken]); ++taken) routes.Add(kRouteOfKind[at[taken].kind], taken);
        routes.ForEach(kNoteRoute, [&](int b) {
            NoteEvent(PackedRecord::Load(at[b]), port, batch[b]);
            sent[b] = true;
        });
        routes.ForEach(kControllerRoute, [&](int b) {
            const PackedRecord r = PackedRecord::Load(at[b]);
            sent[b] = thinner.KeepValue(r);
            ControllerEvent(r, port, batch[b]);
        });
        routes.ForEach(kWheelRoute, [&](int b) {
            PackedRecord r = PackedRecord::Load(at[b]);
            sent[b] = thinner.KeepBend(r);
            WheelEvent(r, port, batch[b]);
        });
        routes.ForEach(kMetaRoute, [&](int b) {
            PackedRecord r = PackedRecord::Load(at[b]);
            sent[b] = thinner.Keep(r) && MetaEvent(r, port, markerChannel, markerController, batch[b]);
        });
        for (int b = 0; b < taken; ++b) {
            if (sent[b]) output->Add(&batch[b]);
        }
        if (taken < kBatch) break;  // the end record, or the bytes in use, came first
        first += taken;
    }
    GlobalUnlock(m_hEvents);
}

}  // namespace cantivo
