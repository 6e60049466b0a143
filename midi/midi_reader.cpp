#include "midi/midi_reader.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <limits>
#include <map>

namespace cantivo::midi {

namespace {

// Times are kept so that a host's signed 32-bit tick count holds them.
constexpr std::uint64_t kLatestTime = std::numeric_limits<std::int32_t>::max();
// The release velocity of a note-off that gives none: a note-on of velocity 0,
// or the end of the track for a note left open.
constexpr std::uint8_t kDefaultRelease = 64;

struct ReadFailure {
    MidiProblem problem;
};

[[noreturn]] void Fail(std::size_t offset, std::string message) { throw ReadFailure{{offset, std::move(message)}}; }

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(value));
    return text;
}

// Reads from one region of the file: the header, one chunk. What runs past
// the region's end is an error that names `region`.
class Cursor {
public:
    Cursor(std::span<const std::uint8_t> file, std::size_t begin, std::size_t end, const char* region)
        : file_(file), position_(begin), end_(end), region_(region) {}

    std::size_t Offset() const { return position_; }
    std::size_t Left() const { return end_ - position_; }
    bool AtEnd() const { return position_ >= end_; }

    std::uint8_t Peek(const char* what) const {
        Need(1, what);
        return file_[position_];
    }
    std::uint8_t Byte(const char* what) {
        Need(1, what);
        return file_[position_++];
    }
    std::uint32_t BigEndian(int width, const char* what) {
        Need(static_cast<std::size_t>(width), what);
        std::uint32_t value = 0;
        for (int i = 0; i < width; ++i) value = (value << 8) | file_[position_++];
        return value;
    }
    std::uint32_t VariableLength(const char* what) {
        const std::size_t start = position_;
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t b = Byte(what);
            value = (value << 7) | (b & 0x7F);
            if (!(b & 0x80)) return value;
        }
        Fail(start, std::string(what) + " is a variable-length number longer than four bytes");
    }
    std::vector<std::uint8_t> Bytes(std::uint32_t count, const char* what) {
        if (count > Left()) {
            Fail(position_, std::string(what) + " of " + std::to_string(count) + " bytes runs past the end of the " +
                                region_ + " (" + std::to_string(Left()) + " bytes left)");
        }
        std::vector<std::uint8_t> bytes(file_.begin() + static_cast<std::ptrdiff_t>(position_),
                                        file_.begin() + static_cast<std::ptrdiff_t>(position_ + count));
        position_ += count;
        return bytes;
    }

private:
    void Need(std::size_t count, const char* what) const {
        if (count > Left()) Fail(end_, std::string("the ") + region_ + " ends inside " + what);
    }

    std::span<const std::uint8_t> file_;
    std::size_t position_;
    std::size_t end_;
    const char* region_;
};

int DataBytes(std::uint8_t status) {
    const std::uint8_t type = status & 0xF0;
    return type == 0xC0 || type == 0xD0 ? 1 : 2;
}

std::string NoteName(std::uint8_t channel, std::uint8_t key) {
    return "key " + std::to_string(key) + " on channel " + std::to_string(channel + 1);
}

class TrackReader {
public:
    TrackReader(Cursor cursor, std::vector<MidiProblem>& warnings) : in_(cursor), warnings_(warnings) {}

    MidiTrack Read() {
        std::uint64_t time = 0;
        std::uint8_t running = 0;
        bool ended = false;
        while (!in_.AtEnd()) {
            const std::size_t eventOffset = in_.Offset();
            time += in_.VariableLength("a delta time");
            if (time > kLatestTime) {
                Fail(eventOffset, "the track's time passes " + std::to_string(kLatestTime) + " ticks");
            }
            time_ = static_cast<std::uint32_t>(time);
            const std::size_t statusOffset = in_.Offset();
            std::uint8_t status = in_.Peek("an event");
            if (status & 0x80) {
                in_.Byte("an event");
            } else if (running) {
                status = running;
            } else {
                Fail(statusOffset, "running status without a previous status byte");
            }

            if (status == kMetaStatus) {
                const std::uint8_t type = in_.Byte("a meta event");
                const std::uint32_t length = in_.VariableLength("a meta event's length");
                std::vector<std::uint8_t> data = in_.Bytes(length, "a meta event");
                if (type == kMetaEndOfTrack) {
                    ended = true;
                    break;
                }
                track_.events.push_back(MakeMeta(time_, type, std::move(data)));
            } else if (status == kSysExStatus || status == kSysExEscapeStatus) {
                const std::uint32_t length = in_.VariableLength("a SysEx event's length");
                track_.events.push_back(MakeSysEx(time_, in_.Bytes(length, "a SysEx event"), status));
            } else if (status >= 0xF0) {
                Fail(statusOffset, "status byte " + Hex(status) + " does not belong in a MIDI file");
            } else {
                running = status;
                ChannelMessage(status, eventOffset);
            }
        }

        if (!ended) {
            Warn(in_.Offset(), "the track has no End of Track event; it ends at its last event");
        } else if (!in_.AtEnd()) {
            Warn(in_.Offset(), std::to_string(in_.Left()) + " bytes after the End of Track event ignored");
        }
        track_.endTime = time_;
        CloseHangingNotes();
        return std::move(track_);
    }

private:
    struct OpenNote {
        std::size_t event;   // index in the track
        std::size_t offset;  // of the note-on in the file
    };

    void ChannelMessage(std::uint8_t status, std::size_t eventOffset) {
        std::uint8_t data[2] = {0, 0};
        const int count = DataBytes(status);
        for (int i = 0; i < count; ++i) {
            const std::size_t offset = in_.Offset();
            data[i] = in_.Byte("a channel message");
            if (data[i] & 0x80) Fail(offset, "data byte expected, found " + Hex(data[i]));
        }
        const std::uint8_t channel = status & 0x0F;
        switch (status & 0xF0) {
            case 0x80: NoteOff(channel, data[0], data[1], eventOffset); break;
            case 0x90:
                if (data[1] == 0) {
                    NoteOff(channel, data[0], kDefaultRelease, eventOffset);
                } else {
                    open_[NoteSlot(channel, data[0])].push_back({track_.events.size(), eventOffset});
                    track_.events.push_back(MakeNote(time_, channel, data[0], data[1], 0, 0));
                }
                break;
            case 0xB0: track_.events.push_back(MakeController(time_, channel, data[0], data[1])); break;
            case 0xE0:
                track_.events.push_back(
                    MakePitchWheel(time_, channel, static_cast<std::int16_t>((data[0] | (data[1] << 7)) - 8192)));
                break;
            default:
                track_.events.push_back(
                    MakeChannelMessage(time_, status, std::vector<std::uint8_t>(data, data + count)));
                break;
        }
    }

    void NoteOff(std::uint8_t channel, std::uint8_t key, std::uint8_t release, std::size_t offset) {
        auto& waiting = open_[NoteSlot(channel, key)];
        if (waiting.empty()) {
            Warn(offset, "note-off for " + NoteName(channel, key) + " without a note-on; dropped");
            return;
        }
        MidiEvent& note = track_.events[waiting.front().event];
        waiting.pop_front();
        note.duration = time_ - note.time;
        note.releaseVelocity = release;
    }

    void CloseHangingNotes() {
        for (auto& [slot, waiting] : open_) {
            for (const OpenNote& open : waiting) {
                MidiEvent& note = track_.events[open.event];
                note.duration = track_.endTime - note.time;
                note.releaseVelocity = kDefaultRelease;
                Warn(open.offset, "note " + NoteName(note.channel, note.key) + " at tick " + std::to_string(note.time) +
                                      " has no note-off; it lasts until the track's end at tick " +
                                      std::to_string(track_.endTime));
            }
        }
    }

    static int NoteSlot(std::uint8_t channel, std::uint8_t key) { return channel * 128 + key; }

    void Warn(std::size_t offset, std::string message) { warnings_.push_back({offset, std::move(message)}); }

    Cursor in_;
    std::vector<MidiProblem>& warnings_;
    MidiTrack track_;
    std::uint32_t time_ = 0;
    // Open notes by channel and key, earliest first.
    std::map<int, std::deque<OpenNote>> open_;
};

std::string ChunkName(std::span<const std::uint8_t> id) {
    std::string name;
    for (std::uint8_t c : id) name += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
    return "'" + name + "'";
}

MidiFile ReadFile(std::span<const std::uint8_t> bytes, std::vector<MidiProblem>& warnings) {
    Cursor file(bytes, 0, bytes.size(), "file");
    if (bytes.size() < 4 || !std::equal(bytes.begin(), bytes.begin() + 4, "MThd")) {
        Fail(0, "not a MIDI file: it does not begin with an MThd header");
    }
    file.Bytes(4, "the MThd id");
    const std::size_t lengthOffset = file.Offset();
    const std::uint32_t headerLength = file.BigEndian(4, "the MThd header");
    if (headerLength < 6) {
        Fail(lengthOffset, "the MThd header's length " + std::to_string(headerLength) + " is shorter than 6");
    }
    if (headerLength > file.Left()) {
        Fail(lengthOffset, "the MThd header's length " + std::to_string(headerLength) +
                               " runs past the end of the file (" + std::to_string(file.Left()) + " bytes left)");
    }
    Cursor header(bytes, file.Offset(), file.Offset() + headerLength, "MThd header");
    file.Bytes(headerLength, "the MThd header");

    MidiFile result;
    const std::size_t formatOffset = header.Offset();
    result.format = static_cast<std::uint16_t>(header.BigEndian(2, "the format"));
    if (result.format > 1) {
        Fail(formatOffset, "format " + std::to_string(result.format) + " is not supported (only formats 0 and 1)");
    }
    const std::size_t countOffset = header.Offset();
    const std::uint32_t trackCount = header.BigEndian(2, "the track count");
    if (result.format == 0 && trackCount != 1) {
        Fail(countOffset, "a format 0 file must have one track, this one announces " + std::to_string(trackCount));
    }
    const std::size_t divisionOffset = header.Offset();
    result.division = static_cast<std::uint16_t>(header.BigEndian(2, "the division"));
    if ((result.division & 0x7FFF) == 0 || ((result.division & 0x8000) && (result.division & 0xFF) == 0)) {
        Fail(divisionOffset, "division " + Hex(result.division) + " gives no ticks");
    }
    if (headerLength > 6) {
        warnings.push_back({header.Offset(), std::to_string(headerLength - 6) + " extra bytes in the MThd header ignored"});
    }

    while (result.tracks.size() < trackCount) {
        if (file.AtEnd()) {
            Fail(file.Offset(), "the file ends after " + std::to_string(result.tracks.size()) + " of " +
                                    std::to_string(trackCount) + " tracks");
        }
        const std::size_t chunkOffset = file.Offset();
        const std::vector<std::uint8_t> id = file.Bytes(4, "a chunk id");
        const std::size_t lengthAt = file.Offset();
        const std::uint32_t length = file.BigEndian(4, "a chunk header");
        if (length > file.Left()) {
            Fail(lengthAt, "chunk length " + std::to_string(length) + " runs past the end of the file (" +
                               std::to_string(file.Left()) + " bytes left)");
        }
        const std::size_t begin = file.Offset();
        file.Bytes(length, "a chunk");
        if (std::equal(id.begin(), id.end(), "MTrk")) {
            result.tracks.push_back(TrackReader(Cursor(bytes, begin, begin + length, "track"), warnings).Read());
        } else {
            warnings.push_back({chunkOffset, "chunk " + ChunkName(id) + " of " + std::to_string(length) +
                                                 " bytes skipped"});
        }
    }
    if (!file.AtEnd()) {
        warnings.push_back({file.Offset(), std::to_string(file.Left()) + " bytes after the last track ignored"});
    }
    return result;
}

}  // namespace

std::string MidiProblem::Describe() const { return "offset " + std::to_string(offset) + ": " + message; }

MidiReadResult ReadMidi(std::span<const std::uint8_t> bytes) {
    MidiReadResult result;
    try {
        result.file = ReadFile(bytes, result.warnings);
    } catch (const ReadFailure& failure) {
        result.error = failure.problem;
        result.file = {};
    }
    return result;
}

}  // namespace cantivo::midi
