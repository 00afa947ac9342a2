#!/usr/bin/env python3
"""Check the game's MIDI tracks (Python 3 standard library only).

Usage (from the repository root):

    python3 tools/tracks/check_tracks.py              # checks musik/*.mid
    python3 tools/tracks/check_tracks.py FILE.mid ... # checks the given files

For every file it parses the chunks and events itself (independently of the
generator) and asserts:
  * a format 0/1 MThd header of length 6 and exactly the announced number of
    MTrk chunks, each ending with an end-of-track meta event that lies within
    the chunk, nothing after the last chunk;
  * a tempo and a time-signature meta event, a track-name meta event;
  * a program change on every channel before its first note (channel 10 too);
  * at least two channels with notes;
  * every note-on matched by a note-off (or a note-on with velocity 0) on the
    same channel and key, no note switched on twice, nothing sounding at the end;
  * a playing time of at least 45 seconds, computed from the tempo map.

Without file arguments it also checks that musik/ holds track1.mid ..
track10.mid and that they match what tools/tracks/make_tracks.py builds from
the text sources right now (so a source edit without a rebuild is caught, and
so is a generator that is not deterministic).

Exit status 0 when everything holds, 1 otherwise (each fault is printed).
"""

import filecmp
import glob
import os
import struct
import sys
import tempfile

MIN_SECONDS = 45.0
HERE = os.path.dirname(os.path.abspath(__file__))
REPO_ROOT = os.path.dirname(os.path.dirname(HERE))


class MidiError(Exception):
    pass


def read_varlen(data, pos, end):
    value = 0
    for _ in range(4):
        if pos >= end:
            raise MidiError("variable-length number runs past the chunk end")
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, pos
    raise MidiError("variable-length number longer than 4 bytes")


def parse_track(data, pos, end):
    """Events of one MTrk body as (tick, kind, fields)."""
    events = []
    tick = 0
    status = None
    ended = False
    while pos < end:
        if ended:
            raise MidiError("events after end-of-track")
        delta, pos = read_varlen(data, pos, end)
        tick += delta
        if pos >= end:
            raise MidiError("event cut off at the chunk end")
        byte = data[pos]
        if byte == 0xFF:
            if pos + 2 > end:
                raise MidiError("meta event cut off")
            kind = data[pos + 1]
            length, pos = read_varlen(data, pos + 2, end)
            if pos + length > end:
                raise MidiError("meta event longer than its chunk")
            payload = data[pos:pos + length]
            pos += length
            events.append((tick, "meta", (kind, payload)))
            if kind == 0x2F:
                if length != 0:
                    raise MidiError("end-of-track with a payload")
                ended = True
            status = None
            continue
        if byte in (0xF0, 0xF7):
            length, pos = read_varlen(data, pos + 1, end)
            if pos + length > end:
                raise MidiError("sysex longer than its chunk")
            pos += length
            status = None
            continue
        if byte & 0x80:
            if byte >= 0xF0:
                raise MidiError("system message 0x%02X inside a track" % byte)
            status = byte
            pos += 1
        elif status is None:
            raise MidiError("running status without a previous status byte")
        size = 1 if status & 0xF0 in (0xC0, 0xD0) else 2
        if pos + size > end:
            raise MidiError("channel event cut off")
        params = data[pos:pos + size]
        if any(p & 0x80 for p in params):
            raise MidiError("data byte with the high bit set")
        pos += size
        events.append((tick, "channel", (status & 0xF0, status & 0x0F, tuple(params))))
    if not ended:
        raise MidiError("track without an end-of-track meta event")
    return events


def parse_file(path):
    with open(path, "rb") as handle:
        data = handle.read()
    if data[:4] != b"MThd":
        raise MidiError("no MThd header")
    if len(data) < 14:
        raise MidiError("header cut off")
    length, fmt, ntracks, division = struct.unpack(">IHHH", data[4:14])
    if length != 6:
        raise MidiError("MThd length %d, expected 6" % length)
    if fmt not in (0, 1):
        raise MidiError("format %d, expected 0 or 1" % fmt)
    if division & 0x8000 or division == 0:
        raise MidiError("SMPTE or zero division not supported")
    pos = 14
    tracks = []
    while pos < len(data):
        if pos + 8 > len(data):
            raise MidiError("chunk header cut off")
        tag = data[pos:pos + 4]
        size = struct.unpack(">I", data[pos + 4:pos + 8])[0]
        body = pos + 8
        if body + size > len(data):
            raise MidiError("chunk %r longer than the file" % tag)
        if tag != b"MTrk":
            raise MidiError("unexpected chunk %r" % tag)
        tracks.append(parse_track(data, body, body + size))
        pos = body + size
    if len(tracks) != ntracks:
        raise MidiError("header announces %d tracks, file has %d" % (ntracks, len(tracks)))
    if fmt == 0 and ntracks != 1:
        raise MidiError("format 0 with %d tracks" % ntracks)
    return fmt, division, tracks


def seconds_at(tick, tempo_map, division):
    """Seconds from the start to tick, tempo_map being sorted (tick, microseconds per quarter)."""
    seconds = 0.0
    last_tick, micro = 0, 500000
    for change_tick, change_micro in tempo_map:
        if change_tick >= tick:
            break
        seconds += (change_tick - last_tick) * micro / division / 1e6
        last_tick, micro = change_tick, change_micro
    return seconds + (tick - last_tick) * micro / division / 1e6


def check_file(path):
    """Returns (faults, summary dict)."""
    faults = []
    try:
        fmt, division, tracks = parse_file(path)
    except MidiError as error:
        return ["not a valid MIDI file: %s" % error], {}
    tempo_map = []
    has_meter = False
    names = []
    texts = []
    end_tick = 0
    channels_with_notes = set()
    programmed = set()
    note_count = 0
    for index, events in enumerate(tracks):
        sounding = {}
        for tick, kind, fields in events:
            end_tick = max(end_tick, tick)
            if kind == "meta":
                meta_kind, payload = fields
                if meta_kind == 0x51:
                    if len(payload) != 3:
                        faults.append("track %d: tempo event of %d bytes" % (index, len(payload)))
                        continue
                    micro = int.from_bytes(payload, "big")
                    if micro == 0:
                        faults.append("track %d: tempo of zero" % index)
                        continue
                    tempo_map.append((tick, micro))
                elif meta_kind == 0x58:
                    has_meter = True
                elif meta_kind == 0x03:
                    names.append(payload.decode("latin-1"))
                elif meta_kind == 0x01:
                    texts.append(payload.decode("utf-8", "replace"))
                continue
            command, channel, params = fields
            if command == 0xC0:
                programmed.add(channel)
            elif command == 0x90 and params[1] > 0:
                key = (channel, params[0])
                if key in sounding:
                    faults.append("track %d: key %d on channel %d switched on twice (tick %d)"
                                  % (index, params[0], channel + 1, tick))
                sounding[key] = tick
                channels_with_notes.add(channel)
                note_count += 1
                if channel not in programmed:
                    faults.append("channel %d plays before its program change" % (channel + 1))
                    programmed.add(channel)
            elif command == 0x80 or (command == 0x90 and params[1] == 0):
                key = (channel, params[0])
                if key not in sounding:
                    faults.append("track %d: note-off without note-on, key %d channel %d (tick %d)"
                                  % (index, params[0], channel + 1, tick))
                else:
                    del sounding[key]
        for (channel, key), tick in sorted(sounding.items()):
            faults.append("track %d: key %d on channel %d from tick %d never ends"
                          % (index, key, channel + 1, tick))
    tempo_map.sort()
    if not tempo_map:
        faults.append("no tempo event")
    if not has_meter:
        faults.append("no time-signature event")
    if not names:
        faults.append("no track-name event")
    if len(channels_with_notes) < 2:
        faults.append("notes on %d channel(s), need at least 2" % len(channels_with_notes))
    seconds = seconds_at(end_tick, tempo_map, division)
    if seconds < MIN_SECONDS:
        faults.append("plays %.1f s, need at least %.0f s" % (seconds, MIN_SECONDS))
    summary = {
        "format": fmt, "tracks": len(tracks), "seconds": seconds, "notes": note_count,
        "channels": sorted(c + 1 for c in channels_with_notes),
        "name": names[0] if names else "", "title": texts[0] if texts else "",
    }
    return faults, summary


def check_sources_match(musik):
    """The committed files must equal a fresh build of the sources."""
    sys.path.insert(0, HERE)
    sys.dont_write_bytecode = True   # keep tools/tracks free of __pycache__
    try:
        import make_tracks
    finally:
        sys.path.pop(0)
    faults = []
    with tempfile.TemporaryDirectory() as first, tempfile.TemporaryDirectory() as second:
        try:
            make_tracks.build_all(first, quiet=True)
            make_tracks.build_all(second, quiet=True)
        except make_tracks.SourceError as error:
            return ["sources do not build: %s" % error]
        for number in range(1, make_tracks.TRACK_COUNT + 1):
            name = "track%d.mid" % number
            if not filecmp.cmp(os.path.join(first, name), os.path.join(second, name), shallow=False):
                faults.append("%s: two builds differ (generator not deterministic)" % name)
            target = os.path.join(musik, name)
            if not os.path.exists(target):
                faults.append("%s: missing in musik/" % name)
            elif not filecmp.cmp(os.path.join(first, name), target, shallow=False):
                faults.append("%s: out of date, run tools/tracks/make_tracks.py" % name)
    return faults


def main(argv):
    paths = argv[1:]
    all_faults = []
    if not paths:
        musik = os.path.join(REPO_ROOT, "musik")
        paths = sorted(glob.glob(os.path.join(musik, "*.mid")),
                       key=lambda p: (len(p), p))
        all_faults += ["build: %s" % f for f in check_sources_match(musik)]
        if not paths:
            all_faults.append("no .mid files in %s" % musik)
    for path in paths:
        faults, summary = check_file(path)
        label = os.path.basename(path)
        if summary:
            print("%-12s %5.1f s  %4d notes  channels %-16s %s"
                  % (label, summary["seconds"], summary["notes"],
                     ",".join(map(str, summary["channels"])), summary["title"] or summary["name"]))
        all_faults += ["%s: %s" % (label, f) for f in faults]
    for fault in all_faults:
        print("FAULT " + fault)
    print("%d file(s) checked, %d fault(s)" % (len(paths), len(all_faults)))
    return 1 if all_faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
