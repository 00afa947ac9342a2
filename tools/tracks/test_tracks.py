#!/usr/bin/env python3
"""Tests for the track generator and the track checker (standard library only).

    python3 tools/tracks/test_tracks.py
"""

import os
import struct
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.dont_write_bytecode = True   # keep tools/tracks free of __pycache__
import check_tracks  # noqa: E402
import make_tracks  # noqa: E402

HEADER = """title: Проба
name: Test
tempo: 120
meter: 4/4
form: {form}
part lead channel=1 program=1 gate=1.0
part bass channel=2 program=33 gate=1.0
"""


def song_from(text):
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False, encoding="utf-8") as handle:
        handle.write(text)
    try:
        return make_tracks.parse_song(handle.name)
    finally:
        os.unlink(handle.name)


def notes_of(text, part="lead"):
    song = song_from(text)
    raw, _, _ = make_tracks.render_song(song)
    target = next(p for p in song.parts if p.name == part)
    return sorted(make_tracks.join_ties(target, raw[part]))


def midi_file(track_events, end_tick, tempo=True, ntracks=None):
    """A format 1 file: a conductor track plus one track of raw events."""
    conductor = [(0, 0, make_tracks.meta(0x03, b"t")), (0, 1, make_tracks.meta(0x58, bytes([4, 2, 24, 8])))]
    if tempo:
        conductor.append((0, 2, make_tracks.meta(0x51, (500000).to_bytes(3, "big"))))
    chunks = [make_tracks.track_chunk(conductor, end_tick), make_tracks.track_chunk(track_events, end_tick)]
    count = len(chunks) if ntracks is None else ntracks
    return b"MThd" + struct.pack(">IHHH", 6, 1, count, 480) + b"".join(chunks)


def two_channel_events(seconds, drop_off=False, program=True):
    """Whole notes on channels 1 and 2 at 120 bpm; drop_off leaves the last one hanging."""
    events = []
    if program:
        events += [(0, 0, bytes([0xC0, 0])), (0, 0, bytes([0xC1, 32]))]
    ticks = 0
    bars = int(seconds // 2)
    for bar in range(bars):
        ticks = bar * 1920
        for ch in (0, 1):
            events.append((ticks, 20, bytes([0x90 | ch, 60 - 12 * ch, 70])))
            if not (drop_off and bar == bars - 1 and ch == 1):
                events.append((ticks + 1920, 10, bytes([0x80 | ch, 60 - 12 * ch, 64])))
    return events, ticks + 1920


class GeneratorTest(unittest.TestCase):
    def test_notation_lengths_chords_repeats_and_ties(self):
        text = HEADER.format(form="A") + """section A
  lead: C4/4 D4 E4,G4/8. F4/16 G4/4~ | G4/2 %
  bass: C2/8*8 | %
"""
        with self.assertRaises(make_tracks.SourceError):
            # '%' inside a bar repeats a whole bar: the second bar overflows.
            notes_of(text)
        text = HEADER.format(form="A") + """section A
  lead: C4/4 D4 E4,G4/8. F4/16 G4/4~ | G4/2 A4/8t B4 C5 r/4
  bass: C2/8*8 | %
"""
        lead = notes_of(text)
        starts = [(float(s), float(e), k) for s, e, k, _ in lead]
        # Durations carry over, the chord gives two notes, the tie joins G4 over the bar line.
        self.assertEqual(starts[:5], [(0.0, 1.0, 60), (1.0, 2.0, 62), (2.0, 2.75, 64),
                                      (2.0, 2.75, 67), (2.75, 3.0, 65)])
        self.assertIn((3.0, 6.0, 67), starts)
        self.assertAlmostEqual(starts[-1][1], 7.0)
        self.assertEqual(len(notes_of(text, "bass")), 16)

    def test_bar_check_names_line_and_bar(self):
        text = HEADER.format(form="A") + """section A
  lead: C4/4 D4 E4 F4 | G4/2 A4/4
  bass: C2/1 | C2/1
"""
        with self.assertRaises(make_tracks.SourceError) as caught:
            notes_of(text)
        self.assertIn(":9:", str(caught.exception))
        self.assertIn("bar 2", str(caught.exception))

    def test_parts_of_a_section_must_match_and_names_must_exist(self):
        for body, form in (("  lead: C4/1 | C4/1\n  bass: C2/1\n", "A"),
                           ("  lead: H4/1\n", "A"),
                           ("  lead: C4/1\n", "B"),
                           ("  drums: C4/1\n", "A")):
            with self.subTest(body=body, form=form), self.assertRaises(make_tracks.SourceError):
                notes_of(HEADER.format(form=form) + "section A\n" + body)

    def test_inherited_section_transposition_and_tempo_map(self):
        text = HEADER.format(form="A B+2@60") + """section A
  lead: C4/1
  bass: C2/1
section B from A
  lead: E4/1
"""
        song = song_from(text)
        raw, tempos, total = make_tracks.render_song(song)
        self.assertEqual([k for _, _, keys, _, _ in raw["lead"] for k in keys], [60, 66])
        self.assertEqual([k for _, _, keys, _, _ in raw["bass"] for k in keys], [36, 38])
        self.assertEqual(tempos, [(0, 120.0), (4, 60.0)])
        self.assertAlmostEqual(make_tracks.seconds_of(tempos, total), 2.0 + 4.0)

    def test_build_is_valid_for_the_checker_and_repeatable(self):
        text = HEADER.format(form="A A A A A A A A A A A A") + """section A
  lead: C4/4 E4 G4 C5 | B3/2 r/2
  bass: C2/1 | G2/2 G1/2
"""
        song = song_from(text)
        first, seconds = make_tracks.build_midi(song)
        self.assertEqual(first, make_tracks.build_midi(song_from(text))[0])
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "x.mid")
            with open(path, "wb") as handle:
                handle.write(first)
            faults, summary = check_tracks.check_file(path)
        self.assertEqual(faults, [])
        self.assertAlmostEqual(summary["seconds"], seconds)
        self.assertAlmostEqual(seconds, 48.0)


class CheckerTest(unittest.TestCase):
    def faults_for(self, data):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "x.mid")
            with open(path, "wb") as handle:
                handle.write(data)
            return check_tracks.check_file(path)[0]

    def test_good_file_passes(self):
        events, end = two_channel_events(50)
        self.assertEqual(self.faults_for(midi_file(events, end)), [])

    def test_faults_are_reported(self):
        events, end = two_channel_events(50)
        short, short_end = two_channel_events(20)
        hanging, _ = two_channel_events(50, drop_off=True)
        unprogrammed, _ = two_channel_events(50, program=False)
        one_channel = [e for e in events if e[2][0] & 0x0F == 0]
        good = midi_file(events, end)
        cases = {
            "never ends": midi_file(hanging, end),
            "need at least 45": midi_file(short, short_end),
            "no tempo": midi_file(events, end, tempo=False),
            "before its program": midi_file(unprogrammed, end),
            "need at least 2": midi_file(one_channel, end),
            "announces 3 tracks": midi_file(events, end, ntracks=3),
            "longer than the file": good[:-5],
            "without an end-of-track": good[:-4] + b"\x00\x90\x3c\x40",
        }
        for expected, data in cases.items():
            with self.subTest(expected=expected):
                faults = self.faults_for(data)
                self.assertTrue(any(expected in f for f in faults), faults)


if __name__ == "__main__":
    unittest.main()
