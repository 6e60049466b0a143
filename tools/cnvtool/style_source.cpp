#include "tools/cnvtool/style_source.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <set>

namespace cantivo::tools {

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";
constexpr std::size_t kPresetLength = 4;

bool Printable(std::uint8_t c) { return c >= 0x20 && c < 0x7F; }

bool AllPrintable(std::span<const std::uint8_t> bytes) { return std::all_of(bytes.begin(), bytes.end(), Printable); }

std::span<const std::uint8_t> AsBytes(const void* data, std::size_t size) {
    return {static_cast<const std::uint8_t*>(data), size};
}

// ---- dumping ----

ordered_json Hex(std::span<const std::uint8_t> bytes) {
    std::string digits;
    for (const std::uint8_t b : bytes) {
        digits += kHexDigits[b >> 4];
        digits += kHexDigits[b & 15];
    }
    return ordered_json{{"hex", digits}};
}

// Text where text gives the same bytes back, else hex.
ordered_json BytesValue(std::span<const std::uint8_t> bytes) {
    if (AllPrintable(bytes)) return std::string(bytes.begin(), bytes.end());
    return Hex(bytes);
}

// Rule data that is text ended by one NUL, as our rule modules read it,
// shows as {"text": ...}; other data as text or hex.
ordered_json SlotDataValue(std::span<const std::uint8_t> bytes) {
    if (!bytes.empty() && bytes.back() == 0 && AllPrintable(bytes.first(bytes.size() - 1)))
        return ordered_json{{"text", std::string(bytes.begin(), bytes.end() - 1)}};
    return BytesValue(bytes);
}

// A fixed text field: its text when the field is text, NUL and zeros.
template <std::size_t N>
ordered_json TextFieldValue(const char (&field)[N]) {
    const auto bytes = AsBytes(field, N);
    const auto end = std::find(bytes.begin(), bytes.end(), 0);
    if (end != bytes.end() && std::all_of(bytes.begin(), end, Printable) &&
        std::all_of(end, bytes.end(), [](std::uint8_t b) { return b == 0; }))
        return std::string(bytes.begin(), end);
    return Hex(bytes);
}

// The description's parts, when composing them gives the field back.
ordered_json DescriptionValue(const char (&field)[kDescriptionBytes]) {
    const ordered_json raw = Hex(AsBytes(field, kDescriptionBytes));
    if (TextFieldValue(field).is_object()) return raw;
    const std::string text = FieldText(field);
    std::size_t at = text.find_first_of("%$");
    ordered_json description{{"text", text.substr(0, at)}};
    ordered_json presets = ordered_json::array();
    while (at != std::string::npos && text[at] == '%') {
        if (text.size() - at - 1 < kPresetLength) return raw;  // cut short: only bytes say it
        presets.push_back(text.substr(at + 1, kPresetLength));
        at += 1 + kPresetLength;
        if (at == text.size()) at = std::string::npos;
    }
    if (!presets.empty()) description["axisPresets"] = presets;
    if (at != std::string::npos) description["variableLabel"] = text.substr(at + 1);
    return description;
}

// ---- compiling ----

// Reads one JSON object, knowing where it sits, and refuses fields it does not know.
class ObjectReader {
public:
    ObjectReader(const json& value, std::string path) : value_(value), path_(std::move(path)) {
        if (!value_.is_object()) throw SourceError(Where(), "expected an object");
    }

    const json& Required(const std::string& key) {
        const json* found = Optional(key);
        if (!found) throw SourceError(PathOf(key), "missing");
        return *found;
    }
    const json* Optional(const std::string& key) {
        used_.insert(key);
        const auto found = value_.find(key);
        return found == value_.end() ? nullptr : &*found;
    }
    std::string PathOf(const std::string& key) const { return path_.empty() ? key : path_ + "." + key; }
    std::string Where() const { return path_.empty() ? "source" : path_; }
    void Finish() const {
        for (const auto& [key, unused] : value_.items()) {
            if (!used_.count(key)) throw SourceError(PathOf(key), "unknown field");
        }
    }

private:
    const json& value_;
    std::string path_;
    std::set<std::string> used_;
};

template <typename T>
T Integer(const json& value, const std::string& path) {
    constexpr auto low = static_cast<std::int64_t>(std::numeric_limits<T>::min());
    constexpr auto high = static_cast<std::int64_t>(std::numeric_limits<T>::max());
    const std::string range = "expected an integer in " + std::to_string(low) + ".." + std::to_string(high);
    if (!value.is_number_integer()) throw SourceError(path, range);
    if (value.is_number_unsigned() ? value.get<std::uint64_t>() > static_cast<std::uint64_t>(high)
                                   : value.get<std::int64_t>() < low || value.get<std::int64_t>() > high)
        throw SourceError(path, range + ", got " + value.dump());
    return static_cast<T>(value.get<std::int64_t>());
}

std::vector<std::uint8_t> HexBytes(const std::string& digits, const std::string& path) {
    std::vector<std::uint8_t> bytes;
    int pending = -1;
    for (const char c : digits) {
        if (c == ' ' || c == '\n' || c == '\t') continue;
        const char* digit = std::strchr(kHexDigits, std::tolower(static_cast<unsigned char>(c)));
        if (c == '\0' || !digit) throw SourceError(path, std::string("'") + c + "' is not a hex digit");
        const int nibble = static_cast<int>(digit - kHexDigits);
        if (pending < 0) {
            pending = nibble;
        } else {
            bytes.push_back(static_cast<std::uint8_t>(pending << 4 | nibble));
            pending = -1;
        }
    }
    if (pending >= 0) throw SourceError(path, "odd number of hex digits");
    return bytes;
}

std::vector<std::uint8_t> Bytes(const json& value, const std::string& path) {
    if (value.is_string()) {
        const std::string& text = value.get_ref<const std::string&>();
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto c = static_cast<std::uint8_t>(text[i]);
            if (c == 0) throw SourceError(path, "holds a NUL character");
            if (c >= 0x80)
                throw SourceError(path, "character " + std::to_string(i) +
                                            " is not ASCII; write the bytes as {\"hex\": \"...\"}");
        }
        return std::vector<std::uint8_t>(text.begin(), text.end());
    }
    if (value.is_object()) {
        ObjectReader reader(value, path);
        const json& digits = reader.Required("hex");
        reader.Finish();
        if (!digits.is_string()) throw SourceError(reader.PathOf("hex"), "expected a string of hex digits");
        return HexBytes(digits.get_ref<const std::string&>(), reader.PathOf("hex"));
    }
    throw SourceError(path, "expected a string or {\"hex\": \"...\"}");
}

// Text up to N - 1 characters and its NUL, or exactly N bytes of hex.
void FillField(std::uint8_t* field, std::size_t size, const json& value, const std::string& path) {
    const auto bytes = Bytes(value, path);
    if (value.is_string() && bytes.size() >= size)
        throw SourceError(path, "longer than " + std::to_string(size - 1) + " characters");
    if (!value.is_string() && bytes.size() != size)
        throw SourceError(path, "expected " + std::to_string(size) + " bytes, got " + std::to_string(bytes.size()));
    std::memset(field, 0, size);
    std::copy(bytes.begin(), bytes.end(), field);
}

template <std::size_t N, typename Byte>
void FillField(Byte (&field)[N], const json& value, const std::string& path) {
    FillField(reinterpret_cast<std::uint8_t*>(field), N, value, path);
}

void FillDescription(char (&field)[kDescriptionBytes], const json& value, const std::string& path) {
    if (value.is_object() && value.contains("hex")) return FillField(field, value, path);
    ObjectReader reader(value, path);
    const json& textValue = reader.Required("text");
    const auto text = Bytes(textValue, reader.PathOf("text"));
    if (!textValue.is_string() || std::find_first_of(text.begin(), text.end(), "%$", "%$" + 2) != text.end())
        throw SourceError(reader.PathOf("text"), "expected text without '%' or '$'");
    std::string composed(text.begin(), text.end());
    if (const json* presets = reader.Optional("axisPresets")) {
        const std::string presetsPath = reader.PathOf("axisPresets");
        if (!presets->is_array()) throw SourceError(presetsPath, "expected an array of four-character texts");
        for (std::size_t i = 0; i < presets->size(); ++i) {
            const std::string itemPath = presetsPath + "[" + std::to_string(i) + "]";
            const auto preset = Bytes((*presets)[i], itemPath);
            if (!(*presets)[i].is_string() || preset.size() != kPresetLength)
                throw SourceError(itemPath, "expected exactly four characters, such as \"1253\"");
            composed += '%';
            composed.append(preset.begin(), preset.end());
        }
    }
    if (const json* label = reader.Optional("variableLabel")) {
        const auto bytes = Bytes(*label, reader.PathOf("variableLabel"));
        if (!label->is_string()) throw SourceError(reader.PathOf("variableLabel"), "expected text");
        composed += '$';
        composed.append(bytes.begin(), bytes.end());
    }
    reader.Finish();
    if (composed.size() >= kDescriptionBytes)
        throw SourceError(path, "text, presets and label come to " + std::to_string(composed.size()) +
                                    " characters; at most " + std::to_string(kDescriptionBytes - 1) + " fit");
    std::memset(field, 0, kDescriptionBytes);
    composed.copy(field, composed.size());
}

// The header's integer fields, by source name.
struct IntegerField {
    const char* name;
    std::int16_t StyleFileHeader::*member;
};
constexpr IntegerField kHeaderIntegers[] = {
    {"tempoMin", &StyleFileHeader::nTempoMin},
    {"tempoMax", &StyleFileHeader::nTempoMax},
    {"durationMin", &StyleFileHeader::nDurationMin},
    {"durationMax", &StyleFileHeader::nDurationMax},
    {"velocityMin", &StyleFileHeader::nVelocityMin},
    {"velocityMax", &StyleFileHeader::nVelocityMax},
    {"expressionMin", &StyleFileHeader::nExpressionMin},
    {"expressionMax", &StyleFileHeader::nExpressionMax},
    {"notesMin", &StyleFileHeader::nNotesMin},
    {"notesMax", &StyleFileHeader::nNotesMax},
    {"timeBase", &StyleFileHeader::nTimeBase},
};

struct TextField {
    const char* name;
    char (StyleFileHeader::*member)[kStyleTextBytes];
};
constexpr TextField kHeaderTexts[] = {
    {"scoreType", &StyleFileHeader::szScoreType},   {"phraseMark", &StyleFileHeader::szPhraseMark},
    {"meter", &StyleFileHeader::szMeter},           {"notesGen", &StyleFileHeader::szNotesGen},
    {"soloTransf", &StyleFileHeader::szSoloTransf}, {"notesDel", &StyleFileHeader::szNotesDel},
    {"notesDec", &StyleFileHeader::szNotesDec},     {"testExamples", &StyleFileHeader::szTestExamples},
};

struct KeepField {
    const char* name;
    std::uint32_t InitialValues::*member;
};
constexpr KeepField kKeepFlags[] = {
    {"keepTempo", &InitialValues::bKeepTempo},         {"keepVelocity", &InitialValues::bKeepVelocity},
    {"keepExpression", &InitialValues::bKeepExpression}, {"keepWheel", &InitialValues::bKeepWheel},
    {"keepModulation", &InitialValues::bKeepModulation}, {"keepPan", &InitialValues::bKeepPan},
};
struct ValueField {
    const char* name;
    std::uint16_t InitialValues::*member;
};
constexpr ValueField kInitialValues[] = {
    {"tempo", &InitialValues::wTempo},
    {"velocity", &InitialValues::wVelocity},
    {"expression", &InitialValues::wExpression},
    {"pan", &InitialValues::wPan},
};

InitialValues ReadInitial(const json& value, const std::string& path) {
    ObjectReader reader(value, path);
    alignas(4) InitialValues initial{};
    for (const KeepField& field : kKeepFlags)
        initial.*field.member = Integer<std::uint32_t>(reader.Required(field.name), reader.PathOf(field.name));
    for (const ValueField& field : kInitialValues)
        initial.*field.member = Integer<std::uint16_t>(reader.Required(field.name), reader.PathOf(field.name));
    reader.Finish();
    return initial;
}

StyleFileHeader ReadHeader(const json& value) {
    ObjectReader reader(value, "header");
    alignas(4) StyleFileHeader header = BlankStyleHeader();
    for (const IntegerField& field : kHeaderIntegers)
        header.*field.member = Integer<std::int16_t>(reader.Required(field.name), reader.PathOf(field.name));
    for (const TextField& field : kHeaderTexts)
        FillField(header.*field.member, reader.Required(field.name), reader.PathOf(field.name));

    const json& used = reader.Required("used");
    if (!used.is_array() || used.size() != kParameterCount)
        throw SourceError(reader.PathOf("used"), "expected an array of 8 integers, one per parameter 0..7");
    for (int k = 0; k < kParameterCount; ++k)
        header.abUsed[k] = Integer<std::uint8_t>(used[k], reader.PathOf("used") + "[" + std::to_string(k) + "]");

    header.StyleInitial = ReadInitial(reader.Required("initial"), reader.PathOf("initial"));
    FillDescription(header.szDescription, reader.Required("description"), reader.PathOf("description"));
    if (const json* reserved = reader.Optional("reserved")) {
        if (!reserved->is_object()) throw SourceError(reader.PathOf("reserved"), "expected {\"hex\": \"...\"}");
        FillField(header.abReserved, *reserved, reader.PathOf("reserved"));
    }
    reader.Finish();
    return header;
}

// {"text": ...} is the text and a NUL after it; otherwise text or hex bytes.
std::vector<std::uint8_t> SlotData(const json& value, const std::string& path) {
    if (!value.is_object() || !value.contains("text")) return Bytes(value, path);
    ObjectReader reader(value, path);
    const json& text = reader.Required("text");
    reader.Finish();
    if (!text.is_string()) throw SourceError(reader.PathOf("text"), "expected text");
    auto bytes = Bytes(text, reader.PathOf("text"));
    bytes.push_back(0);
    return bytes;
}

StyleSlotRecord ReadSlot(const json& value, const std::string& path) {
    ObjectReader reader(value, path);
    StyleSlotRecord slot;
    const auto label = Bytes(reader.Required("label"), reader.PathOf("label"));
    if (label.size() > kMaxSlotLabel)
        throw SourceError(reader.PathOf("label"), "longer than " + std::to_string(kMaxSlotLabel) + " characters");
    slot.label.assign(label.begin(), label.end());
    slot.wModule = Integer<std::uint16_t>(reader.Required("module"), reader.PathOf("module"));
    slot.data = SlotData(reader.Required("data"), reader.PathOf("data"));
    if (slot.data.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
        throw SourceError(reader.PathOf("data"), "more than 32767 bytes");
    slot.bDisabled = Integer<std::uint8_t>(reader.Required("disabled"), reader.PathOf("disabled"));
    const auto params = Bytes(reader.Required("params"), reader.PathOf("params"));
    if (params.size() != kSlotParamBytes)
        throw SourceError(reader.PathOf("params"), "expected 36 bytes, got " + std::to_string(params.size()));
    std::copy(params.begin(), params.end(), slot.abParams.begin());
    reader.Finish();
    return slot;
}

}  // namespace

ordered_json StyleToSource(const StyleFile& style) {
    const StyleFileHeader& h = style.header;
    ordered_json header;
    for (const IntegerField& field : kHeaderIntegers) header[field.name] = h.*field.member;
    for (const TextField& field : kHeaderTexts) header[field.name] = TextFieldValue(h.*field.member);
    header["used"] = std::vector<int>(std::begin(h.abUsed), std::end(h.abUsed));
    alignas(4) const InitialValues initial = h.StyleInitial;
    ordered_json initialSource;
    for (const KeepField& field : kKeepFlags) initialSource[field.name] = initial.*field.member;
    for (const ValueField& field : kInitialValues) initialSource[field.name] = initial.*field.member;
    header["initial"] = initialSource;
    header["description"] = DescriptionValue(h.szDescription);
    header["reserved"] = Hex(AsBytes(h.abReserved, sizeof h.abReserved));

    ordered_json slots = ordered_json::array();
    for (const StyleSlotRecord& slot : style.slots) {
        slots.push_back(ordered_json{{"label", BytesValue(AsBytes(slot.label.data(), slot.label.size()))},
                                     {"module", slot.wModule},
                                     {"data", SlotDataValue(slot.data)},
                                     {"disabled", slot.bDisabled},
                                     {"params", Hex(slot.abParams)}});
    }
    return ordered_json{{"header", header}, {"slots", slots}};
}

StyleFile StyleFromSource(const json& source) {
    ObjectReader reader(source, "");
    StyleFile style;
    style.header = ReadHeader(reader.Required("header"));
    const json& slots = reader.Required("slots");
    if (!slots.is_array()) throw SourceError("slots", "expected an array");
    if (slots.size() > kMaxStyleSlots)
        throw SourceError("slots", "holds " + std::to_string(slots.size()) + " slots; at most 64 fit");
    for (std::size_t i = 0; i < slots.size(); ++i) style.slots.push_back(ReadSlot(slots[i], "slots[" + std::to_string(i) + "]"));
    reader.Finish();
    return style;
}

}  // namespace cantivo::tools
