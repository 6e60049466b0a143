#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "engine/initial_values.h"
#include "tests/support/records.h"

namespace cantivo::test {
namespace {

constexpr InitialValues kKeepAll = {1, 1, 1, 1, 1, 1, 120, 100, 100, 64};
constexpr std::uint8_t kExpression = 11;

std::vector<EventRecord> Apply(RecordBuffer& buffer, const InitialValues& initial = kKeepAll,
                               std::uint8_t expression = kExpression) {
    buffer.bytesInUse = ApplyInitialValuesTo(buffer.records.data(), buffer.bytesInUse, buffer.Capacity(), initial,
                                             expression);
    return buffer.InUse();
}

// A record as time, kind and its first two data bytes.
using Shown = std::tuple<std::uint32_t, int, int, int>;
std::vector<Shown> Show(const std::vector<EventRecord>& records) {
    std::vector<Shown> shown;
    for (const EventRecord& r : records) shown.emplace_back(RecordTime(r), r.kind, r.data[0], r.data[1]);
    return shown;
}

struct Case {
    const char* what;
    void (*adjust)(InitialValues&);
    std::uint8_t expression;
    std::vector<EventRecord> input;
    std::uint32_t endTime;
    std::vector<Shown> expected;
    std::size_t capacity = 0;  // records the buffer holds; 0 for room to spare
};

TEST(InitialValues, InsertsAndReplacesAtTheEarliestTime) {
    const auto endAt = [&](std::uint32_t time) { return Shown{time, 0xFF, kEndRecord, 0}; };
    const Case cases[] = {
        {"defaults add expression and pan on the last note's channel", [](InitialValues&) {}, kExpression,
         {NoteRecord(30, 60, 90, 100, 3), ControllerRecord(50, 11, 20, 3)}, 130,
         {{30, 0xB3, kExpression, 100}, {30, 0xB3, 10, 64}, {30, 60, 90, 100}, {50, 0xB3, 11, 20}, endAt(130)}},
        {"fixed velocity for every note", [](InitialValues& i) { i.bKeepVelocity = 0, i.wVelocity = 90; },
         kExpression, {NoteRecord(0, 60, 10, 5), NoteRecord(5, 62, 127, 5)}, 10,
         {{0, 0xB0, kExpression, 100}, {0, 0xB0, 10, 64}, {0, 60, 90, 5}, {5, 62, 90, 5}, endAt(10)}},
        {"a pan at the start takes the value, later pans go", [](InitialValues& i) { i.bKeepPan = 0, i.wPan = 64; },
         kExpression, {ControllerRecord(0, 10, 20), NoteRecord(0, 60, 90, 10), ControllerRecord(480, 10, 100)}, 500,
         {{0, 0xB0, kExpression, 100}, {0, 0xB0, 10, 64}, {0, 60, 90, 10}, endAt(500)}},
        {"expression follows its controller number and is replaced when not kept",
         [](InitialValues& i) { i.bKeepExpression = 0, i.wExpression = 77; }, 7,
         {ControllerRecord(0, 7, 30), ControllerRecord(100, 7, 50), ControllerRecord(100, 11, 50)}, 200,
         {{0, 0xB0, 10, 64}, {0, 0xB0, 7, 77}, {100, 0xB0, 11, 50}, endAt(200)}},
        {"pan is inserted even while kept; kept controllers stay", [](InitialValues&) {}, kExpression,
         {ControllerRecord(0, 11, 90), ControllerRecord(10, 10, 30), WheelRecord(12, 0), ControllerRecord(12, 1, 40)},
         20,
         {{0, 0xB0, 10, 64}, {0, 0xB0, 11, 90}, {10, 0xB0, 10, 30}, {12, 0xE0, 64, 0}, {12, 0xB0, 1, 40}, endAt(20)}},
        {"channel of the last note", [](InitialValues&) {}, kExpression,
         {NoteRecord(0, 60, 90, 10, 5), NoteRecord(0, 62, 90, 10, 2), NoteRecord(10, 64, 90, 10, 5)}, 20,
         {{0, 0xB5, kExpression, 100}, {0, 0xB5, 10, 64}, {0, 60, 90, 10}, {0, 62, 90, 10}, {10, 64, 90, 10},
          endAt(20)}},
        {"no notes: both at the end time on channel 0", [](InitialValues&) {}, kExpression, {}, 700,
         {{700, 0xB0, kExpression, 100}, {700, 0xB0, 10, 64}, endAt(700)}},
        {"wheel and modulation removed when not kept",
         [](InitialValues& i) { i.bKeepWheel = 0, i.bKeepModulation = 0; }, kExpression,
         {WheelRecord(0, 10), ControllerRecord(5, 1, 40), NoteRecord(5, 60, 90, 10), ControllerRecord(6, 2, 40),
          WheelRecord(7, -3)},
         20, {{0, 0xB0, kExpression, 100}, {0, 0xB0, 10, 64}, {5, 60, 90, 10}, {6, 0xB0, 2, 40}, endAt(20)}},
        {"a full buffer gets no insert", [](InitialValues&) {}, kExpression, {NoteRecord(0, 60, 90, 10)}, 10,
         {{0, 60, 90, 10}, endAt(10)}, 2},
        {"room for one: the pan", [](InitialValues&) {}, kExpression, {NoteRecord(0, 60, 90, 10)}, 10,
         {{0, 0xB0, 10, 64}, {0, 60, 90, 10}, endAt(10)}, 3},
    };
    // A keep flag counts in all its 32 bits.
    for (const std::uint32_t keep : {1u, 0x100u}) {
        for (const Case& c : cases) {
            InitialValues initial = kKeepAll;
            c.adjust(initial);
            for (std::uint32_t* flag : {&initial.bKeepVelocity, &initial.bKeepExpression, &initial.bKeepWheel,
                                        &initial.bKeepModulation, &initial.bKeepPan})
                if (*flag) *flag = keep;
            RecordBuffer buffer(c.input, c.endTime, c.capacity);
            EXPECT_EQ(Show(Apply(buffer, initial, c.expression)), c.expected) << c.what << " keep " << keep;
        }
    }
}

}  // namespace
}  // namespace cantivo::test
