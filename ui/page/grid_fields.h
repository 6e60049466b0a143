// The fields of the filter's state that the page's grid rows edit, by row, and
// the faces their value buttons show. The records are packed, and every field
// the grid edits stands 2-byte aligned, so each is reached by its offset.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/midi_filter.h"

namespace cantivo {

// Grid rows 1..7 as the axis lists name them: name index p stands for row
// p + 1, and a list position is the value kept for an axis.
inline constexpr const char* kAxisNames[] = {"Start Time", "Durations", "Velocity", "Expression*",
                                             "Wheel",      "Modulation", "Variable"};
constexpr int kVariableRow = 7;
// Grid rows that have a random amount: 1..6.
constexpr int kRandomRows = 6;
constexpr int kKeepRows = 5;

constexpr int kFaceGrey = 0;
constexpr int kFaceGreen = 2;

// Grey while the row's mute or keep check is set: the value is not in effect.
constexpr int FaceFor(bool checked) { return checked ? kFaceGrey : kFaceGreen; }

namespace grid_detail {
template <typename Field, typename Record>
Field* At(Record& record, std::size_t offset) {
    return reinterpret_cast<Field*>(reinterpret_cast<std::uint8_t*>(&record) + offset);
}
}  // namespace grid_detail

// Row 1..7's depth; row 7's is the variable depth.
inline std::int16_t* DepthField(CMFCMidiFilter& filter, int row) {
    return grid_detail::At<std::int16_t>(filter.m_Params, row == kVariableRow
                                                              ? offsetof(ParamSettings, wVariableDepth)
                                                              : offsetof(ParamSettings, aEntry) + row * sizeof(ParamEntry));
}

// Row 1..6's random amount.
inline std::int16_t* RandomField(CMFCMidiFilter& filter, int row) {
    return grid_detail::At<std::int16_t>(
        filter.m_Params, offsetof(ParamSettings, aEntry) + row * sizeof(ParamEntry) + offsetof(ParamEntry, wRandom));
}

// Keep row 0..4 (velocity, expression, wheel, modulation, pan): its flag.
inline std::uint32_t* KeepFlag(InitialValues& initial, int keepRow) {
    return grid_detail::At<std::uint32_t>(initial, offsetof(InitialValues, bKeepVelocity) + keepRow * sizeof(std::uint32_t));
}

// Keep row 0..4's initial value; none for wheel and modulation, which are only deleted.
inline std::int16_t* InitialField(InitialValues& initial, int keepRow) {
    constexpr std::size_t kOffsets[kKeepRows] = {offsetof(InitialValues, wVelocity), offsetof(InitialValues, wExpression),
                                                 0, 0, offsetof(InitialValues, wPan)};
    return kOffsets[keepRow] == 0 ? nullptr : grid_detail::At<std::int16_t>(initial, kOffsets[keepRow]);
}

}  // namespace cantivo
