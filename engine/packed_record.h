// An event record's eight bytes held as one little-endian value, so that a
// stage deciding per record works in registers instead of on bytes in memory.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "cantivo/rule_module.h"

namespace cantivo {

// `ifTrue` when `condition` holds, else `ifFalse`, by masks rather than a jump:
// a stage's records come in no pattern a branch predictor could learn.
template <typename T>
T Select(bool condition, T ifTrue, T ifFalse) {
    using Bits = std::make_unsigned_t<T>;
    const Bits mask = static_cast<Bits>(Bits{0} - static_cast<Bits>(condition));
    return static_cast<T>((static_cast<Bits>(ifTrue) & mask) | (static_cast<Bits>(ifFalse) & static_cast<Bits>(~mask)));
}

class PackedRecord {
public:
    static PackedRecord Load(const EventRecord& r) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &r, sizeof bits);
        return PackedRecord(bits);
    }
    // The low 24 bits of `time`, the kind and the four data bytes, the first lowest.
    static PackedRecord Make(std::uint32_t time, std::uint8_t kind, std::uint32_t data) {
        return PackedRecord((time & kLatestRecordTime) | std::uint64_t{kind} << 24 | std::uint64_t{data} << 32);
    }
    void Store(EventRecord& r) const { std::memcpy(&r, &bits_, sizeof bits_); }

    std::uint32_t Time() const { return static_cast<std::uint32_t>(bits_) & kLatestRecordTime; }
    std::uint8_t Kind() const { return static_cast<std::uint8_t>(bits_ >> 24); }
    std::uint8_t Data(int i) const { return static_cast<std::uint8_t>(bits_ >> (32 + 8 * i)); }
    void SetKind(std::uint8_t value) { Set(24, value); }
    void SetData(int i, std::uint8_t value) { Set(32 + 8 * i, value); }
    // The data byte becomes `value` only when `condition` holds.
    void SetDataIf(bool condition, int i, std::uint8_t value) { SetData(i, Select(condition, value, Data(i))); }
    // A wheel record becomes one at centre only when `condition` holds.
    void CentreWheelIf(bool condition) {
        constexpr std::uint64_t kValueBits = std::uint64_t{0xFFFF} << 32;
        constexpr std::uint64_t kCentre = std::uint64_t{kWheelCentre >> 2} << 32;
        bits_ = Select(condition, (bits_ & ~kValueBits) | kCentre, bits_);
    }
    // Bytes 3 and 4 become a deleted mark only when `condition` holds.
    void MarkDeletedIf(bool condition) {
        constexpr std::uint64_t kMarkBits = std::uint64_t{0xFFFF} << 24;
        constexpr std::uint64_t kMark = (std::uint64_t{kDeletedMark} << 32) | (std::uint64_t{kMetaKind} << 24);
        bits_ = Select(condition, (bits_ & ~kMarkBits) | kMark, bits_);
    }

    bool IsNote() const { return Kind() < 0x80; }
    bool IsController() const { return (Kind() & 0xF0) == 0xB0; }
    bool IsWheel() const { return (Kind() & 0xF0) == 0xE0; }
    bool IsEnd() const { return Kind() == kMetaKind && Data(0) == kEndRecord; }
    int WheelValue() const { return (Data(0) * 4 + (Data(1) & 3)) - kWheelCentre; }

private:
    explicit PackedRecord(std::uint64_t bits) : bits_(bits) {}
    void Set(int shift, std::uint8_t value) {
        bits_ = (bits_ & ~(std::uint64_t{0xFF} << shift)) | std::uint64_t{value} << shift;
    }

    std::uint64_t bits_;
};

}  // namespace cantivo
