#!/usr/bin/env python3
"""Build the game's ten music tracks from their text sources.

Usage (from the repository root):

    python3 tools/tracks/make_tracks.py            # writes musik/track1.mid .. track10.mid
    python3 tools/tracks/make_tracks.py --out DIR  # writes the files into DIR instead
    python3 tools/tracks/make_tracks.py --list     # prints title, tempo and length of each track

The notes live in tools/tracks/track01.txt .. track10.txt; the notation is
described in tools/tracks/README.md.  Output is deterministic: the same
sources always give the same bytes.  Only the Python 3 standard library is
used.

Each source becomes a Standard MIDI File, format 1, 480 ticks per quarter
note: track 0 carries the title, time signature and tempo map, every other
track holds one part on its own channel (program change and mixer settings at
tick 0, then the notes).  All tracks end together on the last note-off.
"""

import argparse
import os
import re
import struct
import sys
from fractions import Fraction

TICKS_PER_QUARTER = 480
SOURCE_DIR = os.path.dirname(os.path.abspath(__file__))
REPO_ROOT = os.path.dirname(os.path.dirname(SOURCE_DIR))
TRACK_COUNT = 10

# General MIDI percussion (channel 10) by the names used in drum parts.
DRUMS = {
    "kick": 36, "stick": 37, "snare": 38, "clap": 39, "snare2": 40,
    "ltom": 45, "hat": 42, "phat": 44, "ohat": 46, "mtom": 47, "htom": 50,
    "crash": 49, "ride": 51, "tamb": 54, "cowbell": 56, "bongo": 61,
    "lbongo": 62, "shaker": 70, "wood": 76, "lwood": 77, "triangle": 81,
}

NOTE_BASE = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
PITCH_RE = re.compile(r"^([A-G])([#b]*)(-?\d)$")
TOKEN_RE = re.compile(
    r"^(?P<pitch>[^/~!*]+)(?:/(?P<dur>[0-9.t+]+))?(?P<mods>[~!]*)(?:\*(?P<rep>\d+))?$")
FORM_RE = re.compile(r"^(?P<name>[A-Za-z_][\w']*)(?P<shift>[+-]\d+)?(?:@(?P<tempo>[0-9.>]+))?$")


class SourceError(Exception):
    """A mistake in a track source, with file and line for the message."""

    def __init__(self, where, message):
        super().__init__("%s: %s" % (where, message))


# ---------------------------------------------------------------- parsing

def parse_pitch(text, where, drums):
    """One pitch name ('C#4', 'Bb2', or a drum name) to a MIDI key number."""
    if drums:
        if text in DRUMS:
            return DRUMS[text]
        raise SourceError(where, "unknown drum '%s' (known: %s)"
                          % (text, ", ".join(sorted(DRUMS))))
    m = PITCH_RE.match(text)
    if not m:
        raise SourceError(where, "bad pitch '%s' (write e.g. C4, F#3, Bb5)" % text)
    letter, accidentals, octave = m.groups()
    key = (int(octave) + 1) * 12 + NOTE_BASE[letter]
    key += accidentals.count("#") - accidentals.count("b")
    if not 0 <= key <= 127:
        raise SourceError(where, "pitch '%s' outside the MIDI range" % text)
    return key


def parse_duration(text, where):
    """'4' quarter, '8.' dotted eighth, '8t' triplet eighth, '2+8' sums; in quarters."""
    total = Fraction(0)
    for piece in text.split("+"):
        m = re.match(r"^(1|2|4|8|16|32)(\.*)(t?)$", piece)
        if not m:
            raise SourceError(where, "bad duration '/%s'" % text)
        value = Fraction(4, int(m.group(1)))
        extra = value
        for _ in m.group(2):
            extra /= 2
            value += extra
        if m.group(3):
            value = value * Fraction(2, 3)
        total += value
    return total


class Part:
    def __init__(self, name, settings, where):
        self.name = name
        try:
            self.channel = int(settings.pop("channel"))
        except KeyError:
            raise SourceError(where, "part '%s' needs channel=" % name)
        if not 1 <= self.channel <= 16:
            raise SourceError(where, "channel must be 1..16")
        self.drums = self.channel == 10
        self.program = int(settings.pop("program", "1"))
        self.volume = int(settings.pop("volume", "100"))
        self.pan = int(settings.pop("pan", "64"))
        self.reverb = int(settings.pop("reverb", "40"))
        self.chorus = int(settings.pop("chorus", "0"))
        self.velocity = int(settings.pop("velocity", "70"))
        self.gate = float(settings.pop("gate", "0.9"))
        self.octave = int(settings.pop("octave", "0"))
        self.pedal = settings.pop("pedal", "0") == "1"
        if settings:
            raise SourceError(where, "unknown part setting(s): %s" % ", ".join(sorted(settings)))
        if not 1 <= self.program <= 128:
            raise SourceError(where, "program is a General MIDI number 1..128")
        for label, value in (("volume", self.volume), ("pan", self.pan),
                             ("reverb", self.reverb), ("chorus", self.chorus),
                             ("velocity", self.velocity)):
            if not 0 <= value <= 127:
                raise SourceError(where, "%s must be 0..127" % label)
        if not 0.05 <= self.gate <= 1.0:
            raise SourceError(where, "gate must be between 0.05 and 1")


class Section:
    def __init__(self, name, tempo):
        self.name = name
        self.tempo = tempo          # None, (start, end) in quarters per minute
        self.lines = {}             # part name -> list of (where, text)
        self.inherited = set()      # parts copied from a 'from' section, not yet rewritten


class Song:
    def __init__(self):
        self.title = None
        self.name = None
        self.source = ""
        self.tempo = None
        self.meter = None
        self.parts = []
        self.sections = {}
        self.form = []


def parse_tempo(text, where):
    m = re.match(r"^(\d+(?:\.\d+)?)(?:>(\d+(?:\.\d+)?))?$", text)
    if not m:
        raise SourceError(where, "bad tempo '%s' (write 120 or 120>90)" % text)
    start = float(m.group(1))
    end = float(m.group(2)) if m.group(2) else start
    if not (20 <= start <= 400 and 20 <= end <= 400):
        raise SourceError(where, "tempo must be 20..400 quarters per minute")
    return (start, end)


def parse_song(path):
    song = Song()
    section = None
    label = os.path.basename(path)
    with open(path, encoding="utf-8") as handle:
        lines = handle.read().splitlines()
    for number, raw in enumerate(lines, 1):
        where = "%s:%d" % (label, number)
        # A comment starts with '#' at the line start or after a space, so
        # sharps such as F#4 stay part of the notes.
        text = re.sub(r"(^|\s)#.*$", "", raw).strip()
        if not text:
            continue
        if text.startswith("part "):
            fields = text.split()
            if len(fields) < 2:
                raise SourceError(where, "part needs a name")
            settings = {}
            for field in fields[2:]:
                if "=" not in field:
                    raise SourceError(where, "part settings are key=value, got '%s'" % field)
                key, value = field.split("=", 1)
                settings[key] = value
            try:
                part = Part(fields[1], settings, where)
            except ValueError:
                raise SourceError(where, "part settings must be numbers")
            if any(p.name == part.name for p in song.parts):
                raise SourceError(where, "part '%s' declared twice" % part.name)
            if any(p.channel == part.channel for p in song.parts):
                raise SourceError(where, "channel %d used by two parts" % part.channel)
            song.parts.append(part)
            continue
        if text.startswith("section "):
            fields = text.split()
            if len(fields) < 2 or not re.match(r"^[A-Za-z_][\w']*$", fields[1]):
                raise SourceError(where, "section needs a plain name")
            if fields[1] in song.sections:
                raise SourceError(where, "section '%s' defined twice" % fields[1])
            tempo = None
            base = None
            rest = fields[2:]
            if len(rest) >= 2 and rest[0] == "from":
                if rest[1] not in song.sections:
                    raise SourceError(where, "section '%s' is not defined above" % rest[1])
                base = song.sections[rest[1]]
                rest = rest[2:]
            for field in rest:
                if field.startswith("tempo="):
                    tempo = parse_tempo(field[6:], where)
                else:
                    raise SourceError(where, "unknown section setting '%s'" % field)
            section = Section(fields[1], tempo)
            if base is not None:
                # Start from a copy of the other section; a part written
                # here replaces that part's inherited lines.
                section.lines = {k: list(v) for k, v in base.lines.items()}
                section.inherited = set(base.lines)
                if tempo is None:
                    section.tempo = base.tempo
            song.sections[section.name] = section
            continue
        if ":" not in text:
            raise SourceError(where, "expected 'key: value', 'part', or 'section' line")
        key, value = [s.strip() for s in text.split(":", 1)]
        if section is None:
            if key == "title":
                song.title = value
            elif key == "name":
                if not value or not all(32 <= ord(c) < 127 for c in value):
                    raise SourceError(where, "name must be plain ASCII")
                song.name = value
            elif key == "source":
                song.source = value
            elif key == "tempo":
                song.tempo = parse_tempo(value, where)
            elif key == "meter":
                m = re.match(r"^(\d+)/(1|2|4|8|16)$", value)
                if not m or not 1 <= int(m.group(1)) <= 32:
                    raise SourceError(where, "bad meter '%s'" % value)
                song.meter = (int(m.group(1)), int(m.group(2)))
            elif key == "form":
                song.form = [(where, item) for item in value.split()]
            else:
                raise SourceError(where, "unknown header '%s'" % key)
        else:
            if key == "form":
                raise SourceError(where, "form belongs before the first section")
            if not any(p.name == key for p in song.parts):
                raise SourceError(where, "section line for undeclared part '%s'" % key)
            if key in section.inherited:
                section.inherited.discard(key)
                section.lines[key] = []
            section.lines.setdefault(key, []).append((where, value))
    for key, value in (("title", song.title), ("name", song.name),
                       ("tempo", song.tempo), ("meter", song.meter)):
        if value is None:
            raise SourceError(label, "missing header '%s:'" % key)
    if not song.parts:
        raise SourceError(label, "no parts declared")
    if not song.form:
        raise SourceError(label, "missing 'form:' line")
    return song


def parse_part_line(part, entries, bar_length):
    """Turn one part's lines of a section into events relative to the section.

    Returns (length, events), events being tuples (start, length, keys,
    velocity, tied) in quarters.  Every bar (between '|' marks or line ends)
    must last exactly one bar of the song's metre: that catches a wrong
    duration right where it was written.
    """
    events = []
    position = Fraction(0)
    duration = Fraction(1)
    velocity = part.velocity
    bar_start = Fraction(0)
    bar_tokens = []
    previous_bar = None
    bar_number = 1
    for where, text in entries:
        # The end of a line is a bar line too: each line holds whole bars.
        tokens = text.split()
        if tokens and tokens[-1] != "|":
            tokens.append("|")
        for token in tokens:
            if token == "|":
                length = position - bar_start
                if length != bar_length:
                    raise SourceError(where, "part '%s', bar %d lasts %s quarters, a bar is %s"
                                      % (part.name, bar_number, length, bar_length))
                previous_bar = bar_tokens
                bar_tokens = []
                bar_start = position
                bar_number += 1
                continue
            if token == "%":
                if previous_bar is None:
                    raise SourceError(where, "'%' with no previous bar to repeat")
                replay = list(previous_bar)
            else:
                replay = [(where, token, None)]
            for token_where, item, carried in replay:
                if carried is not None:
                    duration = carried
                bar_tokens.append((token_where, item, duration))
                if item.startswith("v="):
                    try:
                        velocity = int(item[2:])
                    except ValueError:
                        raise SourceError(token_where, "bad velocity '%s'" % item)
                    if not 1 <= velocity <= 127:
                        raise SourceError(token_where, "velocity must be 1..127")
                    continue
                m = TOKEN_RE.match(item)
                if not m:
                    raise SourceError(token_where, "cannot read token '%s'" % item)
                if m.group("dur"):
                    duration = parse_duration(m.group("dur"), token_where)
                repeat = int(m.group("rep") or 1)
                if repeat < 1:
                    raise SourceError(token_where, "repeat count must be at least 1")
                mods = m.group("mods")
                pitch = m.group("pitch")
                if pitch == "r":
                    if mods:
                        raise SourceError(token_where, "a rest takes no ~ or !")
                    position += duration * repeat
                    continue
                keys = tuple(parse_pitch(p, token_where, part.drums) + (0 if part.drums else 12 * part.octave)
                             for p in pitch.split(","))
                if len(set(keys)) != len(keys):
                    raise SourceError(token_where, "the same pitch twice in chord '%s'" % pitch)
                for key in keys:
                    if not 0 <= key <= 127:
                        raise SourceError(token_where, "pitch outside the MIDI range after octave shift")
                accent = 15 if "!" in mods else 0
                for _ in range(repeat):
                    events.append((position, duration, keys, min(127, velocity + accent), "~" in mods))
                    position += duration
    return position, events


def render_song(song):
    """Lay out the form; returns (notes per part, tempo changes, total length).

    Positions and lengths are in quarter notes from the start of the song.
    """
    beats, unit = song.meter
    bar_length = Fraction(beats * 4, unit)
    parsed = {}
    for section in song.sections.values():
        lengths = {}
        contents = {}
        for part in song.parts:
            if part.name in section.lines:
                length, events = parse_part_line(part, section.lines[part.name], bar_length)
                lengths[part.name] = length
                contents[part.name] = events
        if not lengths:
            raise SourceError("section " + section.name, "section has no parts")
        distinct = set(lengths.values())
        if len(distinct) != 1:
            detail = ", ".join("%s=%s" % (k, v) for k, v in sorted(lengths.items()))
            raise SourceError("section " + section.name,
                              "parts differ in length (quarters: %s)" % detail)
        parsed[section.name] = (distinct.pop(), contents)

    notes = {part.name: [] for part in song.parts}
    tempos = []                      # (position, quarters per minute)
    tempo_now = None
    position = Fraction(0)
    for where, item in song.form:
        m = FORM_RE.match(item)
        if not m or m.group("name") not in song.sections:
            raise SourceError(where, "form names unknown section '%s'" % item)
        section = song.sections[m.group("name")]
        shift = int(m.group("shift") or 0)
        length, contents = parsed[section.name]
        if m.group("tempo"):
            start_tempo, end_tempo = parse_tempo(m.group("tempo"), where)
        elif section.tempo:
            start_tempo, end_tempo = section.tempo
        elif tempo_now:
            start_tempo = end_tempo = tempo_now[1]
        else:
            start_tempo, end_tempo = song.tempo
        if start_tempo == end_tempo:
            if not tempos or tempos[-1][1] != start_tempo:
                tempos.append((position, start_tempo))
        else:
            # A gradual change: one tempo step per quarter note across the section.
            steps = int(length)
            for step in range(max(steps, 1)):
                value = start_tempo + (end_tempo - start_tempo) * step / max(steps - 1, 1)
                tempos.append((position + step, round(value, 2)))
        tempo_now = (start_tempo, end_tempo)
        for part in song.parts:
            for start, dur, keys, velocity, tied in contents.get(part.name, ()):
                moved = keys if part.drums else tuple(k + shift for k in keys)
                for key in moved:
                    if not 0 <= key <= 127:
                        raise SourceError(where, "transposing '%s' leaves the MIDI range" % item)
                notes[part.name].append((position + start, dur, moved, velocity, tied))
        position += length
    return notes, tempos, position


def join_ties(part, raw):
    """Merge tied notes and apply the part's gate; returns [(start, end, key, velocity)]."""
    result = []
    held = {}                         # key -> [start, end_so_far, velocity]
    for start, dur, keys, velocity, tied in raw:
        for key in list(held):
            if key not in keys or held[key][1] != start:
                # A tie to a note that does not follow: the held note just ends.
                begin, end, vel = held.pop(key)
                result.append((begin, end, key, vel, True))
        for key in keys:
            if key in held:
                held[key][1] = start + dur
                if not tied:
                    begin, end, vel = held.pop(key)
                    result.append((begin, end, key, vel, False))
            elif tied:
                held[key] = [start, start + dur, velocity]
            else:
                result.append((start, start + dur, key, velocity, False))
    for key, (begin, end, vel) in held.items():
        result.append((begin, end, key, vel, True))
    notes = []
    for begin, end, key, vel, _ in result:
        sounding = (end - begin) * Fraction(part.gate).limit_denominator(100)
        sounding = max(sounding, Fraction(1, 32))
        notes.append((begin, begin + sounding, key, vel))
    return notes


# ---------------------------------------------------------------- writing

def varlen(value):
    data = [value & 0x7F]
    value >>= 7
    while value:
        data.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(data))


def meta(kind, payload):
    return b"\xff" + bytes([kind]) + varlen(len(payload)) + payload


def track_chunk(events, end_tick):
    """events: (tick, order, bytes); order sorts events sharing a tick."""
    events = sorted(events, key=lambda e: (e[0], e[1], e[2]))
    body = bytearray()
    now = 0
    for tick, _, data in events:
        body += varlen(tick - now) + data
        now = tick
    body += varlen(end_tick - now) + meta(0x2F, b"")
    return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


def to_ticks(quarters):
    ticks = quarters * TICKS_PER_QUARTER
    if ticks.denominator != 1:
        # Triplet 32nds and the like: round to the nearest tick.
        return int(round(ticks))
    return int(ticks)


def metric_accent(start, bar_length):
    """Slightly louder first beats and beats, so the parts breathe with the metre."""
    inside = start % bar_length
    if inside == 0:
        return 6
    if inside.denominator == 1:
        return 2
    return 0


def build_midi(song):
    notes, tempos, total = render_song(song)
    beats, unit = song.meter
    bar_length = Fraction(beats * 4, unit)
    per_part = {}
    end_tick = to_ticks(total)
    for part in song.parts:
        joined = join_ties(part, notes[part.name])
        per_part[part.name] = joined
        for _, end, _, _ in joined:
            end_tick = max(end_tick, to_ticks(end))

    chunks = []
    conductor = [
        (0, 0, meta(0x03, song.name.encode("ascii"))),
        (0, 1, meta(0x01, song.title.encode("utf-8"))),
        (0, 2, meta(0x58, bytes([beats, unit.bit_length() - 1, 24, 8]))),
    ]
    for position, qpm in tempos:
        micro = int(round(60000000 / qpm))
        conductor.append((to_ticks(position), 3, meta(0x51, micro.to_bytes(3, "big"))))
    chunks.append(track_chunk(conductor, end_tick))

    for part in song.parts:
        ch = part.channel - 1
        setup = [
            meta(0x03, part.name.encode("ascii")),
            bytes([0xB0 | ch, 121, 0]),          # reset controllers
            bytes([0xC0 | ch, part.program - 1]),
            bytes([0xB0 | ch, 7, part.volume]),
            bytes([0xB0 | ch, 10, part.pan]),
            bytes([0xB0 | ch, 91, part.reverb]),
            bytes([0xB0 | ch, 93, part.chorus]),
        ]
        events = [(0, i, data) for i, data in enumerate(setup)]
        if part.pedal:
            # Sustain pedal changed at every bar line, as a pianist would:
            # lifted on the bar line (before the new notes), pressed again
            # a sixteenth later, and lifted for good at the very end.
            bar_ticks = to_ticks(bar_length)
            for tick in range(0, end_tick, bar_ticks):
                if tick:
                    events.append((tick, 5, bytes([0xB0 | ch, 64, 0])))
                if tick + TICKS_PER_QUARTER // 4 < end_tick:
                    events.append((tick + TICKS_PER_QUARTER // 4, 15, bytes([0xB0 | ch, 64, 127])))
            events.append((end_tick, 30, bytes([0xB0 | ch, 64, 0])))
        for begin, end, key, velocity in per_part[part.name]:
            vel = velocity if part.drums else min(127, velocity + metric_accent(begin, bar_length))
            # At a shared tick note-offs (order 10) come before note-ons (order 20).
            events.append((to_ticks(begin), 20, bytes([0x90 | ch, key, vel])))
            events.append((to_ticks(end), 10, bytes([0x80 | ch, key, 64])))
        chunks.append(track_chunk(events, end_tick))

    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(chunks), TICKS_PER_QUARTER)
    return header + b"".join(chunks), seconds_of(tempos, total)


def seconds_of(tempos, total):
    seconds = 0.0
    for index, (position, qpm) in enumerate(tempos):
        following = tempos[index + 1][0] if index + 1 < len(tempos) else total
        seconds += float(following - position) * 60.0 / qpm
    return seconds


def source_path(number):
    return os.path.join(SOURCE_DIR, "track%02d.txt" % number)


def build_all(out_dir, quiet=False):
    os.makedirs(out_dir, exist_ok=True)
    report = []
    for number in range(1, TRACK_COUNT + 1):
        song = parse_song(source_path(number))
        data, seconds = build_midi(song)
        target = os.path.join(out_dir, "track%d.mid" % number)
        with open(target, "wb") as handle:
            handle.write(data)
        report.append((number, song, seconds))
        if not quiet:
            print("track%-2d %5.1f s  %s" % (number, seconds, song.title))
    return report


def main(argv=None):
    parser = argparse.ArgumentParser(description="Build musik/track1.mid .. track10.mid from text sources.")
    parser.add_argument("--out", default=os.path.join(REPO_ROOT, "musik"),
                        help="output folder (default: musik/ in the repository)")
    parser.add_argument("--list", action="store_true", help="print the tracks without writing files")
    args = parser.parse_args(argv)
    try:
        if args.list:
            for number in range(1, TRACK_COUNT + 1):
                song = parse_song(source_path(number))
                _, seconds = build_midi(song)
                print("track%-2d %5.1f s  %-4s %s" % (number, seconds, "%g" % song.tempo[0], song.title))
        else:
            build_all(args.out)
    except (SourceError, OSError) as error:
        print("make_tracks: %s" % error, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
