#include "tests/fuzz/harness_filter.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "engine/error_code.h"
#include "engine/rule_slot.h"
#include "midi/host_events.h"
#include "platform/message_box.h"
#include "tests/support/event_bytes.h"
#include "tools/make_example/example_piece.h"
#include "tools/host/event_queue.h"

namespace cantivo::fuzz {

namespace {

// The events of kinds the filter hands on untouched, as a multiset.
std::vector<test::EventBytes> Forwarded(const std::vector<HostEvent>& events) {
    std::vector<HostEvent> forwarded;
    std::copy_if(events.begin(), events.end(), std::back_inserter(forwarded), [](const HostEvent& event) {
        return event.type != kHostNote && event.type != kHostController && event.type != kHostWheel;
    });
    return test::Bytes(forwarded, true);
}

template <typename... Members>
void CopyMembers(CMFCMidiFilter& to, const CMFCMidiFilter& from, Members... members) {
    (std::memcpy(&(to.*members), &(from.*members), sizeof(to.*members)), ...);
}

CMFCMidiFilter* Connected(host::Sequencer& host, FilterView* windowlessView) {
    auto* filter = new CMFCMidiFilter(windowlessView);
    host.AddRef();  // the filter releases the host object it is given
    if (filter->Connect(&host) != S_OK) std::abort();
    return filter;
}

}  // namespace

HarnessFilter::HarnessFilter(RuleModuleLoader& modules, FilterView* windowlessView) {
    platform::SetMessageBoxHandler([](const std::string&, unsigned) { return 1; });
    filter_ = Connected(host_, windowlessView);
    connected_ = Connected(host_, nullptr);
    filter_->m_pModuleLoader = &modules;
}

HarnessFilter::~HarnessFilter() {
    for (CMFCMidiFilter* filter : {filter_, connected_}) {
        filter->Disconnect();
        filter->Release();
    }
}

void HarnessFilter::Reset() {
    for (RuleSlot& slot : filter_->m_aSlots) ClearSlot(slot);
    using F = CMFCMidiFilter;
    CopyMembers(*filter_, *connected_, &F::m_bDirty, &F::m_byPort, &F::m_byMarkerChannel, &F::m_szStyleFolder,
                &F::m_szStyleName, &F::m_Params, &F::m_Initial, &F::m_StyleInitial, &F::m_abMuted, &F::m_anAxis,
                &F::m_abLocked, &F::m_nSlotCount, &F::m_wMeter, &F::m_wTimeBase, &F::m_bLoaded, &F::m_bBypass);
}

std::vector<HostEvent> HarnessFilter::Run(const std::vector<HostEvent>& events) {
    host::EventQueue in(events);
    host::EventQueue out;
    if (filter_->ProcessEvents(0, 0, &in, &out) != S_OK) std::abort();
    if (Forwarded(events) != Forwarded(out.events)) std::abort();
    if (GetErrorCode() != kNoError && test::Bytes(events, true) != test::Bytes(out.events, true)) std::abort();
    return std::move(out.events);
}

const std::vector<HostEvent>& ExamplePhrase() {
    static const auto phrase = [] {
        const midi::MidiFile piece = example::ComposeExample();
        const auto busiest = std::max_element(piece.tracks.begin(), piece.tracks.end(), [](const auto& a, const auto& b) {
            return a.events.size() < b.events.size();
        });
        auto events = midi::ToHostEvents(*busiest);
        events.resize(std::min<std::size_t>(events.size(), 96));
        return events;
    }();
    return phrase;
}

}  // namespace cantivo::fuzz
