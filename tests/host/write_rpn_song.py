"""Writes a one-track MIDI file whose CC100 carries a pitch-bend-range set-up.

The set-up selects RPN 0 (CC101 0, CC100 0), sets 12 semitones (CC6 12,
CC38 0) and deselects (CC101 127, CC100 127); two notes follow.
"""
import struct
import sys

events = [
    (0, [0xB0, 101, 0]), (0, [0xB0, 100, 0]), (0, [0xB0, 6, 12]), (0, [0xB0, 38, 0]),
    (0, [0xB0, 101, 127]), (0, [0xB0, 100, 127]),
    (0, [0x90, 60, 80]), (480, [0x80, 60, 64]), (0, [0x90, 64, 80]), (480, [0x80, 64, 64]),
]
track = b"".join(bytes([delta // 128 | 0x80, delta % 128] if delta >= 128 else [delta]) + bytes(data)
                 for delta, data in events) + bytes([0, 0xFF, 0x2F, 0])
with open(sys.argv[1], "wb") as out:
    out.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, 480) + b"MTrk" + struct.pack(">I", len(track)) + track)
