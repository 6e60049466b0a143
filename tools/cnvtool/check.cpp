#include "tools/cnvtool/check.h"

#include <cstdio>
#include <cstring>
#include <optional>

#include "styles/style_file.h"
#include "tools/cantivo/parameters.h"

namespace cantivo::tools {

namespace {

// What follows a slot's rule data: the disabled flag and the parameter block.
constexpr std::size_t kSlotTailBytes = 1 + kSlotParamBytes;

std::string Hex(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

// Four bytes as they would print, unprintable ones as dots.
std::string Magic(const std::uint8_t* bytes) {
    std::string text;
    for (int i = 0; i < 4; ++i) text += bytes[i] >= 0x20 && bytes[i] < 0x7F ? static_cast<char>(bytes[i]) : '.';
    return "\"" + text + "\"";
}

template <std::size_t N>
std::string Text(const char (&field)[N]) {
    std::string text;
    for (const char c : FieldText(field)) text += c >= 0x20 && c < 0x7F ? c : '?';
    return "\"" + text + "\"";
}

std::string Joined(const std::vector<std::string>& names, const char* none) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
    return text.empty() ? none : text;
}

std::string Range(std::int16_t low, std::int16_t high) { return std::to_string(low) + ".." + std::to_string(high); }

class Checker {
public:
    explicit Checker(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    StyleCheck Run() {
        Line(std::to_string(bytes_.size()) + " bytes");
        if (Header()) Slots();
        return std::move(check_);
    }

private:
    void Line(const std::string& text) { check_.contents += text + "\n"; }
    void Problem(const std::string& text) { check_.problems.push_back(text); }

    bool Has(std::size_t count) const { return bytes_.size() - position_ >= count; }
    void EndsInside(const std::string& what) {
        Problem("the file ends after " + std::to_string(bytes_.size()) + " bytes, inside " + what);
    }
    template <typename T>
    std::optional<T> Take(const std::string& what) {
        if (!Has(sizeof(T))) {
            EndsInside(what);
            return std::nullopt;
        }
        T value;
        std::memcpy(&value, bytes_.data() + position_, sizeof value);
        position_ += sizeof value;
        return value;
    }

    bool Header() {
        if (!Has(4)) {
            EndsInside("the file magic: a style file begins with SACS");
            return false;
        }
        const bool styleMagic = std::memcmp(bytes_.data(), kStyleFileMagic, 4) == 0;
        Line("file magic: " + Magic(bytes_.data()) + (styleMagic ? "" : ", expected \"SACS\""));
        if (!styleMagic) Problem("it does not begin with SACS, so it is not a style file (or its start is damaged)");
        position_ = 4;
        const auto length = Take<std::uint16_t>("the header length");
        if (!length) return false;
        Line("header length: " + std::to_string(*length));
        if (*length != kStyleHeaderLength)
            Problem("the header length says " + std::to_string(*length) + " bytes; a style header has exactly 706");
        const auto header = Take<StyleFileHeader>("the 706-byte header, which ends at byte 712");
        if (!header) return false;
        const bool headerMagic = std::memcmp(header->achMagic, kStyleHeaderMagic, 4) == 0;
        Line("header magic: " + Magic(reinterpret_cast<const std::uint8_t*>(header->achMagic)) +
             (headerMagic ? "" : ", expected \"QVLT\""));
        if (!headerMagic) Problem("the header does not begin with QVLT, so it is not a style header");
        const std::uint8_t sum = HeaderChecksum(*header);
        Line("checksum: stored " + Hex(header->bChecksum) + ", header bytes 0..673 add up to " + Hex(sum));
        if (sum != header->bChecksum)
            Problem("the checksum does not match: the header was changed after the file was written "
                    "(stored " + Hex(header->bChecksum) + ", the bytes add up to " + Hex(sum) +
                    "; cnvtool compile writes the right one)");
        Describe(*header);
        return true;
    }

    void Describe(const StyleFileHeader& h) {
        Line("expects: tempo " + Range(h.nTempoMin, h.nTempoMax) + ", durations " +
             Range(h.nDurationMin, h.nDurationMax) + ", velocity " + Range(h.nVelocityMin, h.nVelocityMax) +
             ", expression " + Range(h.nExpressionMin, h.nExpressionMax) + ", notes " +
             Range(h.nNotesMin, h.nNotesMax) + ", time base " +
             (h.nTimeBase == 0 ? std::string("any") : std::to_string(h.nTimeBase)) + ", meter " + Text(h.szMeter));
        Line("score type " + Text(h.szScoreType) + ", phrase mark " + Text(h.szPhraseMark) + ", test examples " +
             Text(h.szTestExamples));
        std::vector<std::string> used;
        std::vector<std::string> locked;
        for (const host::ParameterName& name : host::kParameterNames)
            (h.abUsed[name.index] ? used : locked).push_back(name.pageName);
        Line("uses: " + Joined(used, "no parameter") + "; locked: " + Joined(locked, "none"));
        const InitialValues& v = h.StyleInitial;
        const auto initial = [](std::uint32_t keep, std::uint16_t value) {
            return keep ? std::string("kept") : std::to_string(value);
        };
        Line("initial values: tempo " + initial(v.bKeepTempo, v.wTempo) + ", velocity " +
             initial(v.bKeepVelocity, v.wVelocity) + ", expression " + initial(v.bKeepExpression, v.wExpression) +
             ", pan " + initial(v.bKeepPan, v.wPan) + ", wheel " + (v.bKeepWheel ? "kept" : "removed") +
             ", modulation " + (v.bKeepModulation ? "kept" : "removed"));
        const std::string description = FieldText(h.szDescription);
        Line("description: " + std::to_string(description.size()) + " of " + std::to_string(kDescriptionBytes) +
             " bytes");
    }

    void Slots() {
        const auto count = Take<std::uint16_t>("the slot count, the two bytes after the header");
        if (!count) return;
        Line("slots: " + std::to_string(*count));
        if (*count > kMaxStyleSlots)
            Problem("the slot count is " + std::to_string(*count) + "; a style holds at most 64 slots");
        for (std::size_t slot = 1; slot <= *count; ++slot)
            if (!Slot(slot)) return;
        if (position_ < bytes_.size())
            Line(std::to_string(bytes_.size() - position_) + " bytes after the last slot, which the loader ignores");
    }

    // False when the slots after this one cannot be found.
    bool Slot(std::size_t number) {
        const std::string name = "slot " + std::to_string(number);
        const auto labelLength = Take<std::int16_t>(name + "'s label length");
        if (!labelLength) return false;
        if (*labelLength < 0 || *labelLength > static_cast<std::int16_t>(kMaxSlotLabel)) {
            Problem(name + ": the label length is " + std::to_string(*labelLength) + "; a label holds 0 to 63 characters");
            return false;
        }
        if (!Has(static_cast<std::size_t>(*labelLength))) {
            EndsInside(name + "'s label");
            return false;
        }
        std::string label;
        for (int i = 0; i < *labelLength; ++i) {
            const char c = static_cast<char>(bytes_[position_ + i]);
            label += c >= 0x20 && c < 0x7F ? c : '?';
        }
        position_ += static_cast<std::size_t>(*labelLength);
        const auto module = Take<std::uint16_t>(name + "'s module number");
        if (!module) return false;
        const auto dataLength = Take<std::int16_t>(name + "'s rule data length");
        if (!dataLength) return false;
        if (*dataLength < 0) {
            Problem(name + ": the rule data length is " + std::to_string(*dataLength) + ", below 0");
            return false;
        }
        if (!Has(static_cast<std::size_t>(*dataLength) + kSlotTailBytes)) {
            EndsInside(name + "'s rule data, disabled flag or parameters (" + std::to_string(*dataLength) + " + " +
                       std::to_string(kSlotTailBytes) + " bytes expected)");
            return false;
        }
        position_ += static_cast<std::size_t>(*dataLength);
        const bool disabled = bytes_[position_] != 0;
        position_ += 1 + kSlotParamBytes;
        Line("  " + name + " \"" + label + "\": rule module R" + std::to_string(*module) + ".DLL, " +
             (*dataLength ? std::to_string(*dataLength) + " bytes of rule data" : std::string("no rule data")) +
             (disabled ? ", disabled" : ""));
        return true;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    StyleCheck check_;
};

}  // namespace

StyleCheck CheckStyleFile(std::span<const std::uint8_t> bytes) { return Checker(bytes).Run(); }

std::string FormatCheck(const StyleCheck& check) {
    std::string text = check.contents;
    if (check.problems.empty()) return text + "The style loader takes this file.\n";
    text += "The style loader refuses this file:\n";
    for (const std::string& problem : check.problems) text += "  - " + problem + "\n";
    return text;
}

}  // namespace cantivo::tools
