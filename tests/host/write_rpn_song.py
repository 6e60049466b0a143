"""Writes a one-track MIDI file whose CC100 carries a pitch-bend-range set-up.

The set-up selects RPN 0 (CC101 0, CC100 0), sets 12 semitones (CC6 12,
CC38 0) and deselects (CC101 127, CC100 127); two notes follow.
"""
import sys

import mido

track = mido.MidiTrack(mido.Message("control_change", control=control, value=value)
                       for control, value in ((101, 0), (100, 0), (6, 12), (38, 0), (101, 127), (100, 127)))
for key in (60, 64):
    track += [mido.Message("note_on", note=key, velocity=80), mido.Message("note_off", note=key, time=480)]
song = mido.MidiFile(type=0, ticks_per_beat=480)
song.tracks.append(track)
song.save(sys.argv[1])
