// The style file (.cnv): a fixed header with the style's requirements, texts
// and initial values, then up to 64 rule slots. Reading checks the whole file
// before anyone applies it; writing makes files the reader accepts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "cantivo/rule_module.h"

namespace cantivo {

constexpr std::uint16_t kStyleHeaderLength = 706;
constexpr std::size_t kChecksummedHeaderBytes = 674;  // header bytes 0..673
constexpr std::size_t kStyleTextBytes = 16;
constexpr std::size_t kDescriptionBytes = 480;
constexpr std::size_t kMaxStyleSlots = 64;
constexpr std::size_t kMaxSlotLabel = 63;
inline constexpr char kStyleFileMagic[4] = {'S', 'A', 'C', 'S'};
inline constexpr char kStyleHeaderMagic[4] = {'Q', 'V', 'L', 'T'};

#pragma pack(push, 1)
struct StyleFileHeader {
    char achMagic[4];
    std::int16_t nTempoMin;
    std::int16_t nTempoMax;
    std::int16_t nDurationMin;
    std::int16_t nDurationMax;
    std::int16_t nVelocityMin;
    std::int16_t nVelocityMax;
    std::int16_t nExpressionMin;
    std::int16_t nExpressionMax;
    char szScoreType[kStyleTextBytes];
    char szPhraseMark[kStyleTextBytes];
    std::int16_t nNotesMin;
    std::int16_t nNotesMax;
    std::int16_t nTimeBase;  // 0 = any
    char szMeter[kStyleTextBytes];
    std::uint8_t abUsed[kParameterCount];  // nonzero: the style uses parameter k
    InitialValues StyleInitial;
    char szNotesGen[kStyleTextBytes];
    char szSoloTransf[kStyleTextBytes];
    char szNotesDel[kStyleTextBytes];
    char szNotesDec[kStyleTextBytes];
    char szTestExamples[kStyleTextBytes];
    char szDescription[kDescriptionBytes];
    std::uint8_t abReserved[31];
    std::uint8_t bChecksum;
};
#pragma pack(pop)
static_assert(sizeof(StyleFileHeader) == kStyleHeaderLength);
static_assert(offsetof(StyleFileHeader, achMagic) == 0);
static_assert(offsetof(StyleFileHeader, nTempoMin) == 4);
static_assert(offsetof(StyleFileHeader, nTempoMax) == 6);
static_assert(offsetof(StyleFileHeader, nDurationMin) == 8);
static_assert(offsetof(StyleFileHeader, nDurationMax) == 10);
static_assert(offsetof(StyleFileHeader, nVelocityMin) == 12);
static_assert(offsetof(StyleFileHeader, nVelocityMax) == 14);
static_assert(offsetof(StyleFileHeader, nExpressionMin) == 16);
static_assert(offsetof(StyleFileHeader, nExpressionMax) == 18);
static_assert(offsetof(StyleFileHeader, szScoreType) == 20);
static_assert(offsetof(StyleFileHeader, szPhraseMark) == 36);
static_assert(offsetof(StyleFileHeader, nNotesMin) == 52);
static_assert(offsetof(StyleFileHeader, nNotesMax) == 54);
static_assert(offsetof(StyleFileHeader, nTimeBase) == 56);
static_assert(offsetof(StyleFileHeader, szMeter) == 58);
static_assert(offsetof(StyleFileHeader, abUsed) == 74);
static_assert(offsetof(StyleFileHeader, StyleInitial) == 82);
static_assert(offsetof(StyleFileHeader, szNotesGen) == 114);
static_assert(offsetof(StyleFileHeader, szSoloTransf) == 130);
static_assert(offsetof(StyleFileHeader, szNotesDel) == 146);
static_assert(offsetof(StyleFileHeader, szNotesDec) == 162);
static_assert(offsetof(StyleFileHeader, szTestExamples) == 178);
static_assert(offsetof(StyleFileHeader, szDescription) == 194);
static_assert(offsetof(StyleFileHeader, abReserved) == kChecksummedHeaderBytes);
static_assert(offsetof(StyleFileHeader, bChecksum) == 705);

// File offsets around the header.
constexpr std::size_t kHeaderLengthOffset = 4;
constexpr std::size_t kHeaderOffset = 6;
constexpr std::size_t kSlotCountOffset = kHeaderOffset + kStyleHeaderLength;  // 712
constexpr std::size_t kSlotListOffset = kSlotCountOffset + 2;                 // 714

struct StyleSlotRecord {
    std::string label;  // at most 63 characters
    std::uint16_t wModule = 0;
    std::vector<std::uint8_t> data;
    std::uint8_t bDisabled = 0;
    std::array<std::uint8_t, kSlotParamBytes> abParams{};
};

struct StyleFile {
    StyleFileHeader header{};
    std::vector<StyleSlotRecord> slots;
};

enum class StyleFileFault {
    kNone,
    kFileMagic,
    kHeaderLength,
    kHeaderMagic,
    kChecksum,
    kSlotCount,    // above 64
    kLabelLength,  // below 0 or above 63
    kDataLength,   // negative
    kTruncated,    // the file ends before the header or the slot list does
};

const char* DescribeFault(StyleFileFault fault);

// The low 8 bits of the sum of header bytes 0..673.
std::uint8_t HeaderChecksum(const StyleFileHeader& header);

// A header with its magic and every other byte 0.
StyleFileHeader BlankStyleHeader();

// Checks the whole file; `style` is filled only when the result is kNone.
StyleFileFault ReadStyleFile(std::span<const std::uint8_t> bytes, StyleFile& style);

// The file's bytes, with the checksum computed and the header length 706.
// Labels, data and the slot count are written as given, so a caller can make a
// file the reader refuses; lengths the record fields cannot hold throw
// std::length_error.
std::vector<std::uint8_t> WriteStyleFile(const StyleFile& style);

// A header text up to its NUL, never beyond its field.
template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
    std::size_t length = 0;
    while (length < N && field[length] != '\0') ++length;
    return std::string(field, length);
}

}  // namespace cantivo
