// The event buffer: one movable, zero-filled block, grown in fixed steps.
// Runs reuse it while only the engine has written to it.
#include <algorithm>
#include <cstring>
#include <limits>

#include "engine/error_code.h"
#include "engine/midi_filter.h"

namespace cantivo {

std::uint32_t CMFCMidiFilter::AllocateEventBuffer(std::uint8_t** address) {
    // A block only the engine has written to is used again, as large as an
    // earlier run grew it: intake writes over the last run's records and
    // clears what lies past its own (ClearPastIntake).
    if (m_hEvents && m_nBlockWritten >= 0) {
        *address = static_cast<std::uint8_t*>(GlobalLock(m_hEvents));
        if (*address) return kEventBufferStep;
    }
    FreeEventBuffer();
    m_hEvents = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kEventBufferStep);
    if (!m_hEvents) return 0;
    *address = static_cast<std::uint8_t*>(GlobalLock(m_hEvents));
    if (!*address) {
        FreeEventBuffer();
        return 0;
    }
    m_nBlockWritten = 0;
    return kEventBufferStep;
}

bool CMFCMidiFilter::ResizeEventBuffer(std::uint32_t newSize) {
    HGLOBAL resized = GlobalReAlloc(m_hEvents, newSize, GMEM_MOVEABLE | GMEM_ZEROINIT);
    if (!resized) {
        FreeEventBuffer();
        return false;
    }
    m_hEvents = resized;
    return true;
}

void CMFCMidiFilter::FreeEventBuffer() {
    if (m_hEvents) GlobalFree(m_hEvents);
    m_hEvents = nullptr;
    m_nBlockWritten = -1;
}

EventRecord* CMFCMidiFilter::LockEventRecords() {
    auto* records = static_cast<EventRecord*>(GlobalLock(m_hEvents));
    if (!records) SetErrorCode(kErrNoMemory);
    return records;
}

void CMFCMidiFilter::ClearPastIntake() {
    if (m_nBlockWritten > m_nIntakeUsed)
        std::memset(m_pIntakeBase + m_nIntakeUsed, 0, static_cast<std::size_t>(m_nBlockWritten - m_nIntakeUsed));
    if (m_nBlockWritten >= 0) m_nBlockWritten = m_nIntakeUsed;
}

void CMFCMidiFilter::NoteBlockWritten() {
    if (m_nBlockWritten < 0) return;
    // Stale counts of an earlier, larger block never reach past this one.
    const auto size = static_cast<std::int32_t>(std::min<SIZE_T>(GlobalSize(m_hEvents), std::numeric_limits<std::int32_t>::max()));
    const std::int32_t reached = std::min(std::max(m_nIntakeUsed, m_nEventBytes), size);
    m_nBlockWritten = std::max(m_nBlockWritten, reached);
}

bool CMFCMidiFilter::GrowIntakeBuffer() {
    // Eight bytes more than the step, as the block has always grown.
    const std::uint32_t size = m_nIntakeCapacity + kEventBufferStep + 8;
    if (GlobalSize(m_hEvents) >= size) {
        m_nIntakeCapacity += kEventBufferStep;
        return true;
    }
    GlobalUnlock(m_hEvents);
    if (!ResizeEventBuffer(size)) {
        m_pIntakeBase = nullptr;
        return false;
    }
    m_nIntakeCapacity += kEventBufferStep;
    m_pIntakeBase = static_cast<std::uint8_t*>(GlobalLock(m_hEvents));
    if (!m_pIntakeBase) {
        FreeEventBuffer();
        return false;
    }
    return true;
}

}  // namespace cantivo
