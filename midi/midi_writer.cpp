#include "midi/midi_writer.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <numeric>
#include <queue>

namespace cantivo::midi {

namespace {

constexpr std::uint32_t kLongestDelta = (1u << 28) - 1;

void BigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int width) {
    for (int shift = (width - 1) * 8; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void VariableLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value);
    while (count > 1) out.push_back(groups[--count] | 0x80);
    out.push_back(groups[0]);
}

std::uint8_t DataByte(unsigned value) { return static_cast<std::uint8_t>(std::min(value, 127u)); }

class TrackWriter {
public:
    std::vector<std::uint8_t> Write(const MidiTrack& track) {
        std::vector<std::size_t> order(track.events.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return track.events[a].time < track.events[b].time; });

        for (std::size_t index : order) {
            const MidiEvent& e = track.events[index];
            if (e.IsMeta(kMetaEndOfTrack)) continue;
            EndNotesUntil(e.time);
            Event(e);
        }
        EndNotesUntil(std::numeric_limits<std::uint32_t>::max());
        Delta(std::max(track.endTime, time_));
        bytes_.insert(bytes_.end(), {kMetaStatus, kMetaEndOfTrack, 0});
        return std::move(bytes_);
    }

private:
    struct NoteEnd {
        std::uint32_t time;
        std::size_t started;  // notes ending together end in the order they started
        std::uint8_t channel;
        std::uint8_t key;
        std::uint8_t release;

        bool operator>(const NoteEnd& other) const {
            return time != other.time ? time > other.time : started > other.started;
        }
    };

    void Event(const MidiEvent& e) {
        switch (e.kind) {
            case MidiEventKind::Note:
                Delta(e.time);
                Channel(0x90, e.channel, DataByte(e.key), std::max<std::uint8_t>(DataByte(e.velocity), 1));
                ends_.push({e.time + e.duration, started_++, e.channel, e.key, e.releaseVelocity});
                break;
            case MidiEventKind::Controller:
                Delta(e.time);
                Channel(0xB0, e.channel, DataByte(e.controller), DataByte(e.value));
                break;
            case MidiEventKind::PitchWheel: {
                Delta(e.time);
                const int value = std::clamp<int>(e.wheel, -8192, 8191) + 8192;
                Channel(0xE0, e.channel, static_cast<std::uint8_t>(value & 0x7F), static_cast<std::uint8_t>(value >> 7));
                break;
            }
            case MidiEventKind::Other:
                Delta(e.time);
                Other(e);
                break;
        }
    }

    void Other(const MidiEvent& e) {
        if (e.status < 0xF0) {
            Status(e.status);
            for (std::uint8_t b : e.data) bytes_.push_back(b & 0x7F);
            return;
        }
        bytes_.push_back(e.status);
        running_ = 0;
        if (e.status == kMetaStatus) bytes_.push_back(e.metaType);
        VariableLength(bytes_, static_cast<std::uint32_t>(e.data.size()));
        bytes_.insert(bytes_.end(), e.data.begin(), e.data.end());
    }

    void EndNotesUntil(std::uint32_t time) {
        while (!ends_.empty() && ends_.top().time <= time) {
            const NoteEnd end = ends_.top();
            ends_.pop();
            Delta(end.time);
            Channel(0x80, end.channel, DataByte(end.key), DataByte(end.release));
        }
    }

    void Channel(std::uint8_t type, std::uint8_t channel, std::uint8_t first, std::uint8_t second) {
        Status(static_cast<std::uint8_t>(type | (channel & 0x0F)));
        bytes_.push_back(first);
        bytes_.push_back(second);
    }

    void Status(std::uint8_t status) {
        if (status != running_) bytes_.push_back(status);
        running_ = status;
    }

    // A delta time holds 28 bits; a longer gap is bridged by empty text events.
    void Delta(std::uint32_t time) {
        while (time - time_ > kLongestDelta) {
            VariableLength(bytes_, kLongestDelta);
            bytes_.insert(bytes_.end(), {kMetaStatus, kMetaText, 0});
            running_ = 0;
            time_ += kLongestDelta;
        }
        VariableLength(bytes_, time - time_);
        time_ = time;
    }

    std::vector<std::uint8_t> bytes_;
    std::uint32_t time_ = 0;
    std::uint8_t running_ = 0;
    std::size_t started_ = 0;
    std::priority_queue<NoteEnd, std::vector<NoteEnd>, std::greater<>> ends_;
};

}  // namespace

std::vector<std::uint8_t> WriteMidi(const MidiFile& file) {
    std::vector<std::uint8_t> out = {'M', 'T', 'h', 'd'};
    BigEndian(out, 6, 4);
    BigEndian(out, file.format, 2);
    BigEndian(out, static_cast<std::uint32_t>(file.tracks.size()), 2);
    BigEndian(out, file.division, 2);
    for (const MidiTrack& track : file.tracks) {
        const std::vector<std::uint8_t> body = TrackWriter().Write(track);
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        BigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

}  // namespace cantivo::midi
