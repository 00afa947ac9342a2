#!/bin/sh
# Fails when the given program links an audio library: the silent program
# must hold no music control, so neither SDL, FluidSynth, ALSA nor
# PulseAudio may appear among its shared libraries.
# Usage: silent_links_no_audio.sh PATH/TO/TorgaliaSilent
set -u
binary=${1:-}
if [ -z "$binary" ] || [ ! -x "$binary" ]; then
    echo "usage: $0 PROGRAM (an executable file)" >&2
    exit 2
fi
if ! libs=$(ldd "$binary" 2>&1); then
    echo "ldd failed on $binary:" >&2
    echo "$libs" >&2
    exit 2
fi
audio=$(printf '%s\n' "$libs" | grep -Ei 'libSDL|fluidsynth|libasound|libpulse' || true)
if [ -n "$audio" ]; then
    echo "$binary links audio libraries:" >&2
    printf '%s\n' "$audio" >&2
    exit 1
fi
echo "$binary links no audio library"
