// The event buffer as a module works on it: records copied out, changed or
// added freely, then put back sorted, ended and free of overlapping notes.
#pragma once

#include <cstdint>
#include <vector>

#include "cantivo/rule_module.h"

namespace cantivo::rules {

class RuleBuffer {
public:
    RuleBuffer(HGLOBAL* events, std::int32_t* capacity, std::int32_t* bytesInUse);

    // Every record but the end record, in buffer order.
    std::vector<EventRecord> records;

    // Writes the records back, growing the block through its handle when they
    // need more room. False when memory runs out or the block could not be read.
    bool Commit();

    // How many records a module may add to what it was given: enough for any
    // curve a style asks for, never so many that a run stalls.
    std::size_t MostToAdd() const;
    static constexpr std::size_t kAddedPerInputRecord = 16;
    static constexpr std::size_t kAddedAtLeast = 1024;

private:
    HGLOBAL* events_;
    std::int32_t* capacity_;
    std::int32_t* bytesInUse_;
    std::uint32_t endTime_ = 0;
    bool readable_ = false;
    std::size_t inputCount_ = 0;
};

// A time moved by `delta` ticks, kept within what a record can hold.
std::uint32_t ShiftedTime(std::uint32_t time, double delta);

// In a sorted run of records, no two notes of one key and channel may sound
// at once: a later note starting with an earlier one moves on a tick, and an
// earlier one still sounding is cut where the later one starts.
void SeparateSameKeyNotes(std::vector<EventRecord>& records);

}  // namespace cantivo::rules
