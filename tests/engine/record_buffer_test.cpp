#include <gtest/gtest.h>

#include <cstring>

#include "engine/record_buffer.h"
#include "tests/support/records.h"

namespace cantivo::test {
namespace {

// The walk leaves the whole block as marking the records that go and then
// closing the gaps would, bytes past those in use included, whether or not an
// end record stops it; records after the end record are left alone.
TEST(CompactingWalk, LeavesWhatMarkingThenClosingTheGapsLeaves) {
    for (const bool ended : {true, false}) {
        std::vector<EventRecord> block;
        for (std::uint8_t i = 0; i < 40; ++i) block.push_back(ControllerRecord(i, 7, i));
        if (ended) block.push_back(MetaRecord(40, kEndRecord));
        block.push_back(ControllerRecord(41, 7, 41));
        const auto goes = [](const EventRecord& r) { return r.data[1] % 3 == 0 || r.data[1] >= 37; };

        auto expected = block;
        const std::size_t walked = ended ? 41 : block.size();
        std::size_t kept = 0;
        for (std::size_t i = 0; i < walked; ++i) {
            if (!IsEndRecord(expected[i]) && goes(expected[i])) MarkDeleted(expected[i]);
        }
        for (std::size_t i = 0; i < walked; ++i) {
            if (!IsDeleted(expected[i])) expected[kept++] = expected[i];
        }
        const auto bytes = static_cast<std::int32_t>(block.size() * sizeof(EventRecord));
        const std::int32_t left =
            CompactingWalk(block.data(), bytes, [&](const PackedRecord& r) {
                EventRecord record;
                r.Store(record);
                return !goes(record);
            });
        EXPECT_EQ(left, bytes - static_cast<std::int32_t>((walked - kept) * sizeof(EventRecord))) << ended;
        EXPECT_EQ(std::memcmp(block.data(), expected.data(), bytes), 0) << ended;
    }
}

}  // namespace
}  // namespace cantivo::test
