#!/usr/bin/env bash
# Benchmark of the real programs against a minimal Qt Widgets program (one
# label), side by side in one run under Xvfb, all built in Release with the
# same flags. Prints each figure and its ratio to the target:
#   start-up to the first window on screen  <= 1.5 x the minimal program's
#   peak memory of TorgaliaSilent            <= 1.3 x the minimal program's
#   peak memory of Torgalia                  <= that + 40 MB
#   CPU of an idle board over 10 s           < 0.2 % of a core silent, < 5 % with music
#   set-up window's OK to the board on screen < 150 ms (the start-up track loading)
# Times are medians of RUNS runs (default 10). Run by hand:
#   bench/run.sh [BUILD_DIR]        (default build/bench)
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$src/build/bench}
runs=${RUNS:-10}
jobs=${JOBS:-4}
board_title="Торгалия города Медноярска ver.3.0"
setup_title="Выбор игроков"

echo "== building (Release) in $build"
cmake -S "$src" -B "$build/game" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build/game" -j "$jobs" --target Torgalia TorgaliaSilent >/dev/null
cmake -S "$src/bench" -B "$build/tools" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/tools" -j "$jobs" >/dev/null
minimal=$build/tools/minimal
xwatch=$build/tools/xwatch
silent=$build/game/app/TorgaliaSilent
music=$build/game/app/Torgalia

ARTIFACTS=$build/artifacts
mkdir -p "$ARTIFACTS"
. "$src/tests/e2e/lib.sh"
trap e2e_cleanup EXIT
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
e2e_start_display
cd "$src"   # Torgalia finds its musik/ folder here
results=$ARTIFACTS/results.txt
: >"$results"

stop() {  # stops a program we did not start ourselves (xwatch did)
  kill "$1" 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.02; done
  kill -9 "$1" 2>/dev/null || true
}

# Fills in the set-up window (two people, two colours) and leaves the
# pointer's work to the caller; prints the screen point of OK.
fill_setup() {
  local id X Y WIDTH HEIGHT SCREEN
  id=$(e2e_wait_window "$setup_title" 15) || { echo "no set-up window" >&2; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove $((X + 40)) $((Y + 50)) click 1 key ctrl+a type --delay 5 "Аня"
  xdotool mousemove $((X + 40)) $((Y + 74)) click 1 key ctrl+a type --delay 5 "Борис"
  xdotool key Tab Down Tab Down Down Down Down Tab Down Down Down Down Down Down Down Down Down
  sleep 0.3
  echo "$((X + 92)) $((Y + 116))"   # the middle of ОК
}

echo "== start-up and OK-to-board, $runs runs each"
for i in $(seq "$runs"); do
  read -r pid t < <("$xwatch" start 20000 "$minimal")
  echo "start minimal $t" >>"$results"
  sleep 0.2; stop "$pid"
  for prog in "$silent" "$music"; do
    name=$(basename "$prog")
    read -r pid t < <("$xwatch" start 20000 "$prog")
    echo "start $name $t" >>"$results"
    ok=$(fill_setup)
    t=$("$xwatch" click 5000 "$board_title" $ok) || t=-1
    echo "board $name $t" >>"$results"
    sleep 0.3; stop "$pid"
  done
  printf '.'
done
echo

# CPU time of a process in clock ticks (all its threads, living or ended).
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

echo "== peak memory and idle CPU"
# The minimal program: its window, then a second of idling.
/usr/bin/time -f %M -o "$ARTIFACTS/rss-minimal" "$minimal" &
tpid=$!
e2e_wait_window minimal 20 >/dev/null
sleep 1
kill "$(pgrep -P "$tpid")"
wait "$tpid" 2>/dev/null || true
echo "rss minimal $(tail -1 "$ARTIFACTS/rss-minimal")" >>"$results"

hz=$(getconf CLK_TCK)
for prog in "$silent" "$music"; do
  name=$(basename "$prog")
  /usr/bin/time -f %M -o "$ARTIFACTS/rss-$name" "$prog" >"$ARTIFACTS/$name.log" 2>&1 &
  tpid=$!
  ok=$(fill_setup)
  xdotool mousemove $ok click 1
  e2e_wait_window "$board_title" 20 >/dev/null || { echo "no board for $name" >&2; exit 1; }
  pid=$(pgrep -P "$tpid")
  sleep 2   # let the board settle and the music start
  a=$(ticks "$pid"); sleep 10; b=$(ticks "$pid")
  echo "idle $name $(awk -v d=$((b - a)) -v hz="$hz" 'BEGIN { printf "%.3f", d * 100 / (hz * 10) }')" >>"$results"
  kill "$pid"
  wait "$tpid" 2>/dev/null || true
  echo "rss $name $(tail -1 "$ARTIFACTS/rss-$name")" >>"$results"
done

echo "== results (raw figures in $results)"
python3 - "$results" <<'EOF'
import statistics, sys
rows = [line.split() for line in open(sys.argv[1]) if line.strip()]
def values(kind, name):
    return [float(r[2]) for r in rows if r[0] == kind and r[1] == name and float(r[2]) >= 0]
def median(kind, name):
    v = values(kind, name)
    return statistics.median(v) if v else float("nan")
def one(kind, name):
    v = values(kind, name)
    return v[-1] if v else float("nan")
failed = []
def line(what, value, unit, limit, ok):
    mark = "ok  " if ok else "MISS"
    if not ok:
        failed.append(what)
    print(f"{mark} {what:<46} {value:9.2f} {unit:<3} target {limit}")

m = median("start", "minimal")
print(f"     {'start-up, minimal Qt program (median)':<46} {m:9.2f} ms")
for name in ("TorgaliaSilent", "Torgalia"):
    t = median("start", name)
    line(f"start-up, {name} (median)", t, "ms", f"<= {1.5 * m:.1f} ms (1.5 x minimal), ratio {t / m:.2f}", t <= 1.5 * m)
for name in ("TorgaliaSilent", "Torgalia"):
    v = values("board", name)
    t = median("board", name)
    line(f"OK to board, {name} (median, max {max(v) if v else float('nan'):.1f})", t, "ms", "< 150 ms", t < 150)
rm = one("rss", "minimal") / 1024
print(f"     {'peak memory, minimal Qt program':<46} {rm:9.2f} MB")
rs = one("rss", "TorgaliaSilent") / 1024
line("peak memory, TorgaliaSilent", rs, "MB", f"<= {1.3 * rm:.1f} MB (1.3 x minimal), ratio {rs / rm:.2f}", rs <= 1.3 * rm)
rt = one("rss", "Torgalia") / 1024
line("peak memory, Torgalia (music playing)", rt, "MB", f"<= {1.3 * rm + 40:.1f} MB (1.3 x minimal + 40 MB)", rt <= 1.3 * rm + 40)
c = one("idle", "TorgaliaSilent")
line("idle board CPU, TorgaliaSilent (10 s)", c, "%", "< 0.2 % of a core", c < 0.2)
c = one("idle", "Torgalia")
line("idle board CPU, Torgalia with music (10 s)", c, "%", "< 5 % of a core", c < 5)
print("all targets met" if not failed else f"{len(failed)} target(s) missed")
EOF
