// Host events as a fuzz input spells them, fixed-size records read front to
// back, so that the seed writer and the harnesses agree on one layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "cantivo/mfx.h"

namespace cantivo::fuzz {

// Reads values front to back; past the end every value is 0.
class InputReader {
public:
    explicit InputReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    template <typename T>
    T Take() {
        T value{};
        const std::size_t n = std::min(sizeof(T), bytes_.size());
        std::memcpy(&value, bytes_.data(), n);
        bytes_ = bytes_.subspan(n);
        return value;
    }
    std::span<const std::uint8_t> TakeBytes(std::size_t count) {
        const auto taken = bytes_.first(std::min(count, bytes_.size()));
        bytes_ = bytes_.subspan(taken.size());
        return taken;
    }
    std::size_t Remaining() const { return bytes_.size(); }

private:
    std::span<const std::uint8_t> bytes_;
};

// Up to `limit` events, as many as the input holds.
std::vector<HostEvent> TakeHostEvents(InputReader& input, std::size_t limit);
void AppendHostEvents(std::span<const HostEvent> events, std::vector<std::uint8_t>& bytes);

}  // namespace cantivo::fuzz
