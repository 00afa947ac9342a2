#!/usr/bin/env bash
# Random play of the real program, built with AddressSanitizer and
# UndefinedBehaviorSanitizer: clicks, double clicks, keys, typed text, menu
# choices, answers to message boxes and close boxes on whatever window of
# the program lies on top, for a given time. Passes when nothing crashed,
# no sanitizer reported anything, and the program still answers at the end
# (or has just ended by one of the game's own endings with status 0). When
# the game ends early it is started again until the time is used.
#
# Usage: random_clicks.sh PROGRAM XPROBE SOURCE_DIR ARTIFACT_DIR [--seed N] [--seconds N]
# The seed (also TORGALIA_SEED) fixes the sequence of actions; it is printed
# so a failure can be rerun. The game's own dice still follow the clock.
set -uo pipefail

program=$1 xprobe=$2 srcdir=$3
ARTIFACTS=$4
shift 4
seed=${TORGALIA_SEED:-}
seconds=${TORGALIA_SECONDS:-60}
while [ $# -gt 0 ]; do
  case $1 in
    --seed) seed=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
  esac
done
[ -n "$seed" ] || seed=$(( $(date +%s%N) % 1000000000 ))
echo "random_clicks: seed $seed, $seconds s (rerun with --seed $seed)"
RANDOM=$seed

cd "$srcdir" || exit 2
. "$srcdir/tests/e2e/lib.sh"
trap e2e_cleanup EXIT
mkdir -p "$ARTIFACTS"
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR" 2>/dev/null || true
# Any report stops the program with a failing status; Qt's and the X
# libraries' own allocations that live until exit are not our leaks.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=0:handle_abort=1:symbolize=1"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"

e2e_start_display || exit 1

runs=0 pid="" pick=""
log=""
step_log="$ARTIFACTS/steps.log"
: >"$step_log"

fail() {
  echo "FAIL (seed $seed): $*" >&2
  e2e_shot failure
  if [ -n "$log" ] && [ -s "$log" ]; then
    echo "---- program output ($log), last lines:" >&2
    tail -n 60 "$log" >&2
  fi
  echo "---- last actions:" >&2
  tail -n 15 "$step_log" >&2
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    e2e_shoot_windows
    e2e_backtraces "$pid"
  fi
  exit 1   # the exit trap ends the program's whole process group
}

reports_in() {
  grep -E -q "ERROR: AddressSanitizer|runtime error:|SUMMARY: (Address|UndefinedBehavior)Sanitizer" "$1"
}

start_program() {
  runs=$((runs + 1))
  log="$ARTIFACTS/program-$runs.log"
  e2e_spawn "$log" "$program"
  pid=$E2E_SPAWNED
  echo "run $runs: pid $pid" >>"$step_log"
}

# After the program has gone: a status 0 ending is one of the game's own.
check_ended() {
  local status=0
  wait "$pid" || status=$?
  reports_in "$log" && fail "sanitizer report in run $runs"
  [ "$status" -eq 0 ] || fail "run $runs ended with status $status"
  echo "run $runs ended by the game (status 0)" >>"$step_log"
  pid=""
}

# The pickers set $pick: $(...) would run in a subshell, where bash reseeds
# $RANDOM and the sequence would no longer follow the seed.
random_text() {
  local texts=("0" "1" "-1" "5" "100" "1000" "99999" "2147483647" "2147483648" "-2147483649"
               "99999999999999999999" "32767" "32768" "-32768" "1e9" "1,5" "1.5" "&H7FFF" "abc" " "
               "0000000000000000000000000000000000000001" "Аня" "-" "+" "12345678901234567890123")
  pick=${texts[RANDOM % ${#texts[@]}]}
}

random_key() {
  local keys=(Return Return Escape Tab shift+Tab space Up Down Left Right Home End Delete BackSpace
              alt+f alt+F4 F1 F10 ctrl+a 1 5 9 0 y n Return)
  pick=${keys[RANDOM % ${#keys[@]}]}
}

# Whether the program's event loop answers a ping on its top window within
# a few seconds (windows come and go, so a few tries).
answers() {
  local info
  for _ in 1 2 3 4 5 6; do
    kill -0 "$pid" 2>/dev/null || return 1
    if info=$("$xprobe" top "$pid" 2>/dev/null); then
      "$xprobe" ping "${info%% *}" 5000 && return 0
    else
      sleep 0.5
    fi
  done
  return 1
}

# One random action on the top window.
act() {
  local info id x y w h popup title px py r
  info=$("$xprobe" top "$pid" 2>/dev/null) || { sleep 0.05; return; }
  read -r id x y w h popup title <<<"$info"
  local where="$id ($title)"
  # Half the time the set-up window is filled in properly, so that most of
  # the minute is spent on the board rather than on the first window.
  if [ "$title" = "Выбор игроков" ] && [ $((RANDOM % 2)) -eq 0 ]; then
    local kind=$((RANDOM % 2)) c1=$((1 + RANDOM % 10)) c2=$((1 + RANDOM % 10))
    echo "set-up: player 2 kind $kind, colours $c1 $c2, OK" >>"$step_log"
    xdotool mousemove $((x + 40)) $((y + 50)) click 1 key ctrl+a type --delay 5 "Аня"
    xdotool mousemove $((x + 40)) $((y + 74)) click 1 key ctrl+a type --delay 5 "Борис"
    xdotool key Tab $( [ "$kind" -eq 1 ] && echo Down ) Tab $(printf 'Down %.0s' $(seq "$c1")) \
      Tab $(printf 'Down %.0s' $(seq "$c2"))
    sleep 0.1
    xdotool mousemove $((x + 92)) $((y + 116)) click 1
    sleep 0.3
    return
  fi
  [ "$w" -gt 2 ] && [ "$h" -gt 2 ] || return
  px=$((x + 1 + RANDOM % (w - 2)))
  py=$((y + 1 + RANDOM % (h - 2)))
  r=$((RANDOM % 100))
  if [ "$r" -lt 50 ]; then
    echo "click $px,$py on $where" >>"$step_log"
    xdotool mousemove "$px" "$py" click 1
  elif [ "$r" -lt 56 ]; then
    echo "double click $px,$py on $where" >>"$step_log"
    xdotool mousemove "$px" "$py" click --repeat 2 --delay 40 1
  elif [ "$r" -lt 68 ] && [ "$popup" -eq 0 ]; then
    # The menu bar, where the window has one: the popup opened here lies on
    # top for the next action, which then picks an item.
    px=$((x + 2 + RANDOM % (w / 2)))
    py=$((y + 2 + RANDOM % 16))
    echo "menu bar $px,$py on $where" >>"$step_log"
    xdotool mousemove "$px" "$py" click 1
  elif [ "$r" -lt 80 ]; then
    random_key
    echo "key $pick on $where" >>"$step_log"
    xdotool key "$pick"
  elif [ "$r" -lt 89 ]; then
    random_text
    echo "type '$pick' at $px,$py on $where" >>"$step_log"
    xdotool mousemove "$px" "$py" click 1 key ctrl+a type --delay 5 -- "$pick"
  elif [ "$r" -lt 91 ] && [ "$popup" -eq 0 ]; then
    echo "close box of $where" >>"$step_log"
    "$xprobe" close "$id"
  elif [ "$r" -lt 95 ]; then
    echo "right click / wheel $px,$py on $where" >>"$step_log"
    xdotool mousemove "$px" "$py" click $((3 + RANDOM % 3))
  else
    # Let the timers and the computer's turns run.
    echo "wait" >>"$step_log"
    sleep 0.4
  fi
  sleep 0.03
}

start_program
deadline=$(( $(date +%s) + seconds ))
steps=0
while [ "$(date +%s)" -lt "$deadline" ]; do
  if ! kill -0 "$pid" 2>/dev/null; then
    check_ended
    start_program
    sleep 0.5
    continue
  fi
  act
  steps=$((steps + 1))
  # Now and then: the event loop must still answer (no hang, no busy loop).
  if [ $((steps % 100)) -eq 0 ]; then
    answers || { kill -0 "$pid" 2>/dev/null && fail "the program stopped answering after $steps actions"; }
  fi
done

# The end: the program is alive and its event loop answers, or it has just
# ended by the game's own ending.
if kill -0 "$pid" 2>/dev/null && ! answers; then
  kill -0 "$pid" 2>/dev/null && fail "the program shows no window that answers"
fi
if kill -0 "$pid" 2>/dev/null; then
  e2e_shot last
  kill -- "-$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
else
  check_ended
fi
reports_in "$log" && fail "sanitizer report in run $runs"
echo "PASS (seed $seed): $steps actions over $runs run(s) in $seconds s, no report, the program answers"
