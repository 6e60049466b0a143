#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "engine/record_order.h"
#include "tests/support/records.h"

namespace cantivo::test {
namespace {

TEST(CompareRecords, TimeFirstThenClass) {
    EXPECT_EQ(CompareRecords(MetaRecord(10, kEndRecord), MetaRecord(11, kPhraseMarker)), -1);
    EXPECT_EQ(CompareRecords(NoteRecord(11, 60, 90, 1), ControllerRecord(10, 7, 0)), 1);
    // marker < tempo < controller/wheel < note < end record
    const std::vector<EventRecord> ordered = {MetaRecord(5, kPhraseMarker), MetaRecord(5, kTempoRecord),
                                              ControllerRecord(5, 7, 0, 2), NoteRecord(5, 60, 90, 1),
                                              MetaRecord(5, kEndRecord)};
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        for (std::size_t j = 0; j < ordered.size(); ++j) {
            const int expected = i < j ? -1 : (i > j ? 1 : 0);
            EXPECT_EQ(CompareRecords(ordered[i], ordered[j]), expected) << i << " vs " << j;
        }
    }
    EXPECT_EQ(CompareRecords(ControllerRecord(5, 7, 0), WheelRecord(5, 0)), 0);
    EXPECT_EQ(CompareRecords(NoteRecord(5, 60, 90, 1), NoteRecord(5, 72, 90, 1)), 0);
    // Status records below 0xFF with byte 4 = 0xFE sort as markers too.
    EXPECT_EQ(CompareRecords(ControllerRecord(5, 0xFE, 0), ControllerRecord(5, 7, 0)), -1);
}

// Records equal in time and class keep their arrival order, whether the input
// is nearly in order (a track) or shuffled.
TEST(SortRecords, AgreesWithAStableSortByTheComparator) {
    std::mt19937 random(7);
    for (const bool shuffled : {false, true}) {
        std::vector<EventRecord> records;
        std::uint32_t time = 0;
        for (int i = 0; i < 3000; ++i) {
            time += random() % 3;  // many ties
            const auto value = static_cast<std::uint8_t>(i % 128);
            switch (random() % 4) {
                case 0: records.push_back(NoteRecord(time, value, 90, 1)); break;
                case 1: records.push_back(ControllerRecord(time, 7, value, 1)); break;
                case 2: records.push_back(WheelRecord(time, value, 2)); break;
                default: records.push_back(MetaRecord(time, random() % 2 ? kPhraseMarker : kTempoRecord, value));
            }
        }
        records.push_back(MetaRecord(time, kEndRecord));
        if (shuffled) std::shuffle(records.begin(), records.end(), random);
        auto expected = records;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const EventRecord& a, const EventRecord& b) { return CompareRecords(a, b) < 0; });
        SortRecords(records.data(), records.size());
        ASSERT_EQ(std::memcmp(records.data(), expected.data(), records.size() * sizeof(EventRecord)), 0) << shuffled;
    }
}

}  // namespace
}  // namespace cantivo::test
