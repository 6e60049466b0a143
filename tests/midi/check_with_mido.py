#!/usr/bin/python3
"""Our reader's view of each file's notes, controllers and wheel moves
(midi_dump) must match mido's, and mido must read the file our writer rewrites
as the same. The other events are skipped by both, which puts every later
event out of place if either reader misjudges their length.

    check_with_mido.py MIDI_DUMP EXAMPLE.mid WORK_FOLDER
"""
import collections
import os
import subprocess
import sys

import mido


def mido_view(path):
    """The lines midi_dump prints, made from what mido reads, with notes paired
    as ours are: an off ends the earliest open note of its key and channel, one
    with no open note is dropped, a note still open lasts until the End of Track."""
    midi = mido.MidiFile(path)
    lines = ["file %d %d %d" % (midi.type, midi.ticks_per_beat, len(midi.tracks))]
    for number, track in enumerate(midi.tracks):
        events, open_notes, time, end = [], collections.defaultdict(collections.deque), 0, None
        for msg in track:
            time += msg.time
            if msg.type == "end_of_track":
                end = time
                break
            if msg.type == "note_on" and msg.velocity > 0:
                note = [time, "note", msg.channel, msg.note, msg.velocity, 64, None]
                open_notes[(msg.channel, msg.note)].append(note)
                events.append(note)
            elif msg.type in ("note_on", "note_off"):
                waiting = open_notes[(msg.channel, msg.note)]
                if waiting:
                    note = waiting.popleft()
                    note[5] = msg.velocity if msg.type == "note_off" else 64
                    note[6] = time - note[0]
            elif msg.type == "control_change":
                events.append([time, "controller", msg.channel, msg.control, msg.value])
            elif msg.type == "pitchwheel":
                events.append([time, "wheel", msg.channel, msg.pitch])
        end = time if end is None else end
        for note in (note for waiting in open_notes.values() for note in waiting):
            note[6] = end - note[0]
        lines.append("track %d end %d" % (number, end))
        lines += [" ".join(str(field) for field in event) for event in events]
    return lines


def mido_made(path):
    """A file written by mido, with what our writer never writes itself."""
    midi = mido.MidiFile(type=1, ticks_per_beat=96)
    midi.tracks.append(mido.MidiTrack([
        mido.MetaMessage("track_name", name="by mido", time=0),
        mido.MetaMessage("set_tempo", tempo=400000, time=0),
        mido.MetaMessage("time_signature", numerator=6, denominator=8, time=0),
        mido.Message("sysex", data=[0x7E, 0x7F, 0x09, 0x01], time=0),
        mido.Message("program_change", channel=2, program=19, time=0),
        mido.Message("note_on", channel=2, note=60, velocity=90, time=0),
        mido.Message("note_on", channel=2, note=64, velocity=80, time=0),   # running status
        mido.Message("note_on", channel=2, note=60, velocity=70, time=48),  # same key again
        mido.Message("note_on", channel=2, note=60, velocity=0, time=48),   # ends the first 60
        mido.Message("note_on", channel=2, note=64, velocity=0, time=0),
        mido.Message("control_change", channel=2, control=11, value=90, time=10),
        mido.Message("control_change", channel=2, control=11, value=95, time=10),
        mido.Message("pitchwheel", channel=2, pitch=-1234, time=5),
        mido.Message("polytouch", channel=2, note=60, value=44, time=5),
        mido.Message("note_off", channel=2, note=60, velocity=12, time=20),
        mido.Message("note_off", channel=2, note=61, velocity=12, time=0),  # no note to end
        mido.Message("note_on", channel=9, note=36, velocity=100, time=30),  # left open
        mido.MetaMessage("marker", text="open", time=0),
    ]))
    midi.save(path)


def main():
    dump, example, work = sys.argv[1:4]
    os.makedirs(work, exist_ok=True)
    made = os.path.join(work, "mido-made.mid")
    mido_made(made)
    failed = 0
    for path in (example, made):
        name = os.path.basename(path)
        rewritten = os.path.join(work, "rewritten-" + name)
        subprocess.run([dump, "--rewrite", path, rewritten], check=True, capture_output=True)
        ours = subprocess.run([dump, path], check=True, capture_output=True, text=True).stdout.splitlines()
        for what, theirs in (("reading " + name, mido_view(path)), (name + " written again", mido_view(rewritten))):
            if ours == theirs:
                print("ok %s: %d lines" % (what, len(ours)))
                continue
            failed += 1
            diff = next((n for n, (a, b) in enumerate(zip(ours, theirs)) if a != b), min(len(ours), len(theirs)))
            print("FAIL %s: from line %d, ours %s, mido %s" % (what, diff + 1, ours[diff:diff + 1], theirs[diff:diff + 1]))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
