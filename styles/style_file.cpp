#include "styles/style_file.h"

#include <bit>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace cantivo {

static_assert(std::endian::native == std::endian::little, "the file's integers are copied as they lie");

namespace {

// Reads the file front to back; every take fails once the bytes run out.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool Take(void* out, std::size_t count) {
        if (bytes_.size() - position_ < count) return false;
        std::memcpy(out, bytes_.data() + position_, count);
        position_ += count;
        return true;
    }
    template <typename T>
    bool Take(T& value) {
        return Take(&value, sizeof value);
    }
    std::span<const std::uint8_t> Next(std::size_t count) const { return bytes_.subspan(position_, count); }
    bool Skip(std::size_t count) {
        if (bytes_.size() - position_ < count) return false;
        position_ += count;
        return true;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

StyleFileFault ReadHeader(ByteReader& reader, StyleFileHeader& header) {
    char fileMagic[4];
    if (!reader.Take(fileMagic)) return StyleFileFault::kTruncated;
    if (std::memcmp(fileMagic, kStyleFileMagic, 4) != 0) return StyleFileFault::kFileMagic;
    std::uint16_t headerLength = 0;
    if (!reader.Take(headerLength)) return StyleFileFault::kTruncated;
    if (headerLength != kStyleHeaderLength) return StyleFileFault::kHeaderLength;
    if (!reader.Take(header)) return StyleFileFault::kTruncated;
    if (std::memcmp(header.achMagic, kStyleHeaderMagic, 4) != 0) return StyleFileFault::kHeaderMagic;
    if (HeaderChecksum(header) != header.bChecksum) return StyleFileFault::kChecksum;
    return StyleFileFault::kNone;
}

StyleFileFault ReadSlot(ByteReader& reader, StyleSlotRecord& slot) {
    std::int16_t labelLength = 0;
    if (!reader.Take(labelLength)) return StyleFileFault::kTruncated;
    if (labelLength < 0 || labelLength > static_cast<std::int16_t>(kMaxSlotLabel)) return StyleFileFault::kLabelLength;
    slot.label.resize(static_cast<std::size_t>(labelLength));
    if (!reader.Take(slot.label.data(), slot.label.size()) || !reader.Take(slot.wModule))
        return StyleFileFault::kTruncated;
    std::int16_t dataLength = 0;
    if (!reader.Take(dataLength)) return StyleFileFault::kTruncated;
    if (dataLength < 0) return StyleFileFault::kDataLength;
    const auto data = reader.Next(static_cast<std::size_t>(dataLength));
    if (!reader.Skip(static_cast<std::size_t>(dataLength))) return StyleFileFault::kTruncated;
    slot.data.assign(data.begin(), data.end());
    if (!reader.Take(slot.bDisabled) || !reader.Take(slot.abParams.data(), slot.abParams.size()))
        return StyleFileFault::kTruncated;
    return StyleFileFault::kNone;
}

template <typename T>
void Put(std::vector<std::uint8_t>& out, const T& value) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    out.insert(out.end(), bytes, bytes + sizeof value);
}

std::int16_t RecordLength(std::size_t length, const char* what) {
    if (length > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
        throw std::length_error(std::string(what) + " longer than a slot record can hold");
    return static_cast<std::int16_t>(length);
}

}  // namespace

const char* DescribeFault(StyleFileFault fault) {
    switch (fault) {
        case StyleFileFault::kNone: return "valid";
        case StyleFileFault::kFileMagic: return "file magic is not SACS";
        case StyleFileFault::kHeaderLength: return "header length is not 706";
        case StyleFileFault::kHeaderMagic: return "header magic is not QVLT";
        case StyleFileFault::kChecksum: return "header checksum does not match";
        case StyleFileFault::kSlotCount: return "more than 64 slots";
        case StyleFileFault::kLabelLength: return "slot label length outside 0..63";
        case StyleFileFault::kDataLength: return "negative slot data length";
        case StyleFileFault::kTruncated: return "file ends early";
    }
    return "unknown fault";
}

std::uint8_t HeaderChecksum(const StyleFileHeader& header) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&header);
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < kChecksummedHeaderBytes; ++i) sum = static_cast<std::uint8_t>(sum + bytes[i]);
    return sum;
}

StyleFileHeader BlankStyleHeader() {
    StyleFileHeader header{};
    std::memcpy(header.achMagic, kStyleHeaderMagic, 4);
    return header;
}

StyleFileFault ReadStyleFile(std::span<const std::uint8_t> bytes, StyleFile& style) {
    ByteReader reader(bytes);
    StyleFile read;
    if (const StyleFileFault fault = ReadHeader(reader, read.header); fault != StyleFileFault::kNone) return fault;
    std::uint16_t slotCount = 0;
    if (!reader.Take(slotCount)) return StyleFileFault::kTruncated;
    if (slotCount > kMaxStyleSlots) return StyleFileFault::kSlotCount;
    read.slots.resize(slotCount);
    for (StyleSlotRecord& slot : read.slots) {
        if (const StyleFileFault fault = ReadSlot(reader, slot); fault != StyleFileFault::kNone) return fault;
    }
    style = std::move(read);
    return StyleFileFault::kNone;
}

std::vector<std::uint8_t> WriteStyleFile(const StyleFile& style) {
    if (style.slots.size() > std::numeric_limits<std::uint16_t>::max())
        throw std::length_error("more slots than the slot count can hold");
    std::vector<std::uint8_t> out;
    Put(out, kStyleFileMagic);
    Put(out, kStyleHeaderLength);
    StyleFileHeader header = style.header;
    header.bChecksum = HeaderChecksum(header);
    Put(out, header);
    Put(out, static_cast<std::uint16_t>(style.slots.size()));
    for (const StyleSlotRecord& slot : style.slots) {
        Put(out, RecordLength(slot.label.size(), "label"));
        out.insert(out.end(), slot.label.begin(), slot.label.end());
        Put(out, slot.wModule);
        Put(out, RecordLength(slot.data.size(), "rule data"));
        out.insert(out.end(), slot.data.begin(), slot.data.end());
        Put(out, slot.bDisabled);
        out.insert(out.end(), slot.abParams.begin(), slot.abParams.end());
    }
    return out;
}

}  // namespace cantivo
