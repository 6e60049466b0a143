#include "rules/kit/note_random.h"

namespace cantivo::rules {

namespace {

std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

}  // namespace

double NoteRandom(std::uint32_t seed, const EventRecord& record, std::uint32_t purpose) {
    const std::uint64_t key = (std::uint64_t{RecordTime(record)} << 24) ^ (std::uint64_t{record.kind} << 8) ^
                              (record.data[3] & 0x0F) ^ (std::uint64_t{purpose} << 48);
    const std::uint64_t bits = Mix(Mix(seed) ^ key);
    return static_cast<double>(bits >> 11) / static_cast<double>(1ull << 52) - 1.0;
}

}  // namespace cantivo::rules
