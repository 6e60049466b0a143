#include "tools/make_example/example_piece.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace cantivo::example {

namespace {

using midi::MidiEvent;
using midi::MidiTrack;

constexpr std::uint32_t kBeat = kTicksPerQuarter;
constexpr std::uint32_t kBar = 4 * kBeat;
constexpr std::uint8_t kRest = 0;

constexpr std::uint8_t kMelodyChannel = 0;
constexpr std::uint8_t kPianoChannel = 1;
constexpr std::uint8_t kBassChannel = 2;

// A triad as its root (in the bass octave) and its third and fifth above it.
struct Chord {
    std::uint8_t root;
    std::uint8_t third;
    std::uint8_t fifth;
};
constexpr Chord kDm{38, 3, 7}, kBb{34, 4, 7}, kF{41, 4, 7}, kC{36, 4, 7}, kGm{43, 3, 7}, kA{45, 4, 7};

constexpr std::array<Chord, kBars> kHarmony = {
    kDm, kBb, kF, kC, kDm, kGm, kA, kDm,  // theme
    kF,  kC,  kDm, kBb, kGm, kC, kF, kA,  // bridge
    kDm, kBb, kF, kC, kGm, kA, kDm, kDm,  // return
};

// One melody note: a key (kRest for silence) and its length in eighths.
struct Step {
    std::uint8_t key;
    std::uint8_t eighths;
};
constexpr std::uint8_t A4 = 69, Bb4 = 70, C5 = 72, Cs5 = 73, D5 = 74, E5 = 76, F5 = 77, G5 = 79, A5 = 81, Bb5 = 82,
                       G4 = 67;

// Eight eighths a bar.
constexpr std::array<std::array<Step, 6>, kBars> kMelody = {{
    {{{A4, 2}, {D5, 2}, {F5, 3}, {E5, 1}}},
    {{{D5, 4}, {C5, 2}, {Bb4, 2}}},
    {{{A4, 3}, {C5, 1}, {F5, 2}, {A5, 2}}},
    {{{G5, 4}, {E5, 2}, {C5, 2}}},
    {{{F5, 2}, {E5, 1}, {D5, 1}, {A4, 2}, {D5, 2}}},
    {{{Bb4, 2}, {D5, 2}, {G5, 2}, {F5, 1}, {E5, 1}}},
    {{{E5, 3}, {Cs5, 1}, {A4, 2}, {E5, 2}}},
    {{{D5, 6}, {kRest, 2}}},
    {{{C5, 2}, {F5, 2}, {A5, 2}, {G5, 1}, {F5, 1}}},
    {{{E5, 3}, {G5, 1}, {C5, 4}}},
    {{{D5, 1}, {E5, 1}, {F5, 2}, {A5, 2}, {D5, 2}}},
    {{{F5, 4}, {D5, 2}, {Bb4, 2}}},
    {{{G4, 2}, {Bb4, 2}, {D5, 2}, {G5, 2}}},
    {{{A5, 2}, {G5, 1}, {F5, 1}, {E5, 2}, {G5, 2}}},
    {{{F5, 4}, {A5, 4}}},
    {{{A5, 2}, {G5, 1}, {F5, 1}, {E5, 2}, {Cs5, 2}}},
    {{{D5, 2}, {A4, 2}, {D5, 2}, {F5, 2}}},
    {{{F5, 3}, {E5, 1}, {D5, 2}, {F5, 2}}},
    {{{A5, 2}, {F5, 2}, {C5, 2}, {A4, 2}}},
    {{{G4, 1}, {C5, 1}, {E5, 2}, {G5, 4}}},
    {{{Bb5, 3}, {A5, 1}, {G5, 2}, {D5, 2}}},
    {{{Cs5, 2}, {E5, 2}, {A5, 2}, {G5, 2}}},
    {{{F5, 3}, {E5, 1}, {D5, 2}, {A4, 2}}},
    {{{D5, 8}}},
}};

// Section loudness, bar by bar: theme, a stronger bridge, a gentler return.
std::uint8_t SectionVelocity(int bar) { return bar < 8 ? 80 : bar < 16 ? 92 : 84; }

std::vector<std::uint8_t> Text(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<std::uint8_t> Tempo(std::uint32_t beatsPerMinute) {
    const std::uint32_t micros = 60'000'000 / beatsPerMinute;
    return {static_cast<std::uint8_t>(micros >> 16), static_cast<std::uint8_t>(micros >> 8),
            static_cast<std::uint8_t>(micros)};
}

// Name, program, volume, pan and reverb at the start of an instrument's track.
MidiTrack Instrument(std::string_view name, std::uint8_t channel, std::uint8_t program, std::uint8_t volume,
                     std::uint8_t pan) {
    MidiTrack track;
    track.events.push_back(midi::MakeMeta(0, midi::kMetaTrackName, Text(name)));
    track.events.push_back(midi::MakeController(0, channel, 0, 0));
    track.events.push_back(midi::MakeChannelMessage(0, static_cast<std::uint8_t>(0xC0 | channel), {program}));
    track.events.push_back(midi::MakeController(0, channel, 7, volume));
    track.events.push_back(midi::MakeController(0, channel, 10, pan));
    track.events.push_back(midi::MakeController(0, channel, 91, 40));
    return track;
}

void SortAndClose(MidiTrack& track) {
    std::stable_sort(track.events.begin(), track.events.end(),
                     [](const MidiEvent& a, const MidiEvent& b) { return a.time < b.time; });
    track.endTime = kBars * kBar;
}

MidiTrack Conductor() {
    MidiTrack track;
    track.events.push_back(midi::MakeMeta(0, midi::kMetaTrackName, Text("Cantivo example")));
    track.events.push_back(midi::MakeMeta(0, 0x02, Text("Written for Cantivo's tests")));
    track.events.push_back(midi::MakeSysEx(0, {0x7E, 0x7F, 0x09, 0x01, 0xF7}));  // General MIDI on
    track.events.push_back(midi::MakeMeta(0, midi::kMetaTimeSignature, {4, 2, 24, 8}));
    track.events.push_back(midi::MakeMeta(0, 0x59, {0xFF, 1}));  // D minor
    track.events.push_back(midi::MakeMeta(0, midi::kMetaTempo, Tempo(96)));
    track.events.push_back(midi::MakeMeta(0, 0x06, Text("Theme")));
    track.events.push_back(midi::MakeMeta(8 * kBar, 0x06, Text("Bridge")));
    track.events.push_back(midi::MakeMeta(16 * kBar, 0x06, Text("Return")));
    // The closing ritardando.
    track.events.push_back(midi::MakeMeta(22 * kBar, midi::kMetaTempo, Tempo(90)));
    track.events.push_back(midi::MakeMeta(23 * kBar, midi::kMetaTempo, Tempo(84)));
    track.events.push_back(midi::MakeMeta(23 * kBar + 2 * kBeat, midi::kMetaTempo, Tempo(72)));
    SortAndClose(track);
    return track;
}

// A swell over each four-bar phrase, one point a beat: up to the middle, down after.
void Expression(MidiTrack& track, int bar) {
    if (bar % 4 != 0) return;
    for (std::uint32_t beat = 0; beat < 16; ++beat) {
        const std::uint32_t distance = beat < 8 ? beat : 16 - beat;
        const auto value = static_cast<std::uint8_t>(78 + distance * 4);
        track.events.push_back(midi::MakeController(bar * kBar + beat * kBeat, kMelodyChannel, 11, value));
    }
}

// Vibrato by modulation on a long note: in over its first half, out at its end.
void Vibrato(MidiTrack& track, std::uint32_t start, std::uint32_t length) {
    constexpr int kSteps = 8;
    for (int step = 1; step <= kSteps; ++step) {
        const std::uint32_t time = start + length / 2 * static_cast<std::uint32_t>(step) / kSteps;
        track.events.push_back(midi::MakeController(time, kMelodyChannel, 1, static_cast<std::uint8_t>(step * 8)));
    }
    track.events.push_back(midi::MakeController(start + length, kMelodyChannel, 1, 0));
}

// A bend from `from` to `to` over `length` ticks in eight steps.
void Bend(MidiTrack& track, std::uint32_t start, std::uint32_t length, int from, int to) {
    constexpr int kSteps = 8;
    for (int step = 0; step <= kSteps; ++step) {
        const std::uint32_t time = start + length * static_cast<std::uint32_t>(step) / kSteps;
        const int value = from + (to - from) * step / kSteps;
        track.events.push_back(midi::MakePitchWheel(time, kMelodyChannel, static_cast<std::int16_t>(value)));
    }
}

MidiTrack Melody() {
    MidiTrack track = Instrument("Melody", kMelodyChannel, 73, 100, 76);  // flute
    int noteNumber = 0;
    for (int bar = 0; bar < kBars; ++bar) {
        Expression(track, bar);
        std::uint32_t time = bar * kBar;
        for (const Step& step : kMelody[bar]) {
            if (step.eighths == 0) break;
            const std::uint32_t length = step.eighths * kBeat / 2;
            if (step.key != kRest) {
                const bool downbeat = time % kBar == 0;
                const int shade = noteNumber++ * 37 % 7 - 3;  // a little life, the same every time
                const auto velocity = static_cast<std::uint8_t>(SectionVelocity(bar) + (downbeat ? 8 : 0) + shade);
                const bool last = bar == kBars - 1;
                track.events.push_back(midi::MakeNote(time, kMelodyChannel, step.key, velocity,
                                                      last ? length : length - 24, 40 + (noteNumber % 5) * 10));
                if (length >= 3 * kBeat) Vibrato(track, time, length);
            }
            time += length;
        }
    }
    // A scoop up into the high A at the bridge's peak, and a fall at the very end.
    Bend(track, 14 * kBar + 2 * kBeat, kBeat / 2, -2048, 0);
    Bend(track, 23 * kBar + 3 * kBeat, kBeat, 0, -4096);
    track.events.push_back(midi::MakePitchWheel(kBars * kBar, kMelodyChannel, 0));
    SortAndClose(track);
    return track;
}

MidiTrack Piano() {
    MidiTrack track = Instrument("Piano", kPianoChannel, 0, 84, 50);
    for (int bar = 0; bar < kBars; ++bar) {
        const Chord& chord = kHarmony[bar];
        const std::uint32_t start = bar * kBar;
        // Broken chord in eighths an octave above the bass: root, fifth, octave, tenth, and back.
        const std::array<std::uint8_t, 4> tones = {
            static_cast<std::uint8_t>(chord.root + 12), static_cast<std::uint8_t>(chord.root + 12 + chord.fifth),
            static_cast<std::uint8_t>(chord.root + 24), static_cast<std::uint8_t>(chord.root + 24 + chord.third)};
        constexpr std::array<int, 8> kPattern = {0, 1, 2, 3, 2, 1, 2, 1};
        const bool final = bar == kBars - 1;
        for (std::uint32_t eighth = 0; eighth < (final ? 1u : 8u); ++eighth) {
            const auto velocity = static_cast<std::uint8_t>(SectionVelocity(bar) - 26 + (eighth % 4 == 0 ? 6 : 0));
            const std::uint32_t length = final ? kBar : kBeat / 2 - 20;
            track.events.push_back(midi::MakeNote(start + eighth * kBeat / 2, kPianoChannel,
                                                  tones[kPattern[eighth]], velocity, length));
        }
        if (final) {
            for (int tone = 1; tone < 4; ++tone) {
                track.events.push_back(midi::MakeNote(start, kPianoChannel, tones[tone], 60, kBar));
            }
        }
        // The pedal changes just after each bar line.
        track.events.push_back(midi::MakeController(start + 10, kPianoChannel, 64, 127));
        track.events.push_back(midi::MakeController(start + kBar - 10, kPianoChannel, 64, 0));
    }
    SortAndClose(track);
    return track;
}

MidiTrack Bass() {
    MidiTrack track = Instrument("Bass", kBassChannel, 32, 96, 64);  // acoustic bass
    for (int bar = 0; bar < kBars; ++bar) {
        const Chord& chord = kHarmony[bar];
        const std::uint32_t start = bar * kBar;
        const auto velocity = static_cast<std::uint8_t>(SectionVelocity(bar) - 6);
        if (bar == kBars - 1) {
            track.events.push_back(midi::MakeNote(start, kBassChannel, chord.root, velocity, kBar));
            continue;
        }
        track.events.push_back(midi::MakeNote(start, kBassChannel, chord.root, velocity, 3 * kBeat - 40));
        track.events.push_back(midi::MakeNote(start + 3 * kBeat, kBassChannel,
                                              static_cast<std::uint8_t>(chord.root + chord.fifth - 12),
                                              static_cast<std::uint8_t>(velocity - 10), kBeat - 40));
    }
    SortAndClose(track);
    return track;
}

}  // namespace

midi::MidiFile ComposeExample() {
    midi::MidiFile file;
    file.format = 1;
    file.division = kTicksPerQuarter;
    file.tracks = {Conductor(), Melody(), Piano(), Bass()};
    return file;
}

}  // namespace cantivo::example
