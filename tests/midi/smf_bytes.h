// Standard MIDI Files put together byte by byte, for reading tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace cantivo::midi::test {

using Bytes = std::vector<std::uint8_t>;

// Where the first track's body starts: the header's 14 bytes, a chunk header's 8.
constexpr std::size_t kFirstBody = 22;

// Delta 0, End of Track.
inline const Bytes kEndOfTrack = {0x00, 0xFF, 0x2F, 0x00};

inline void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

inline void BigEndian(Bytes& out, std::uint32_t value, int width) {
    for (int shift = (width - 1) * 8; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

inline Bytes Header(std::uint16_t format, std::uint16_t tracks, std::uint16_t division) {
    Bytes out = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
    BigEndian(out, format, 2);
    BigEndian(out, tracks, 2);
    BigEndian(out, division, 2);
    return out;
}

inline Bytes TrackChunk(const Bytes& body) {
    Bytes out = {'M', 'T', 'r', 'k'};
    BigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
    Append(out, body);
    return out;
}

// A file with one track chunk per body, each body taken as it is.
inline Bytes Smf(std::uint16_t format, std::initializer_list<Bytes> bodies, std::uint16_t division = 96) {
    Bytes out = Header(format, static_cast<std::uint16_t>(bodies.size()), division);
    for (const Bytes& body : bodies) Append(out, TrackChunk(body));
    return out;
}

// A body followed by the End of Track.
inline Bytes Ended(Bytes body) {
    Append(body, kEndOfTrack);
    return body;
}

}  // namespace cantivo::midi::test
