#!/usr/bin/env bash
# The program ends at once, even while its music is starting: RUNS times
# (default 20), a game is set up against the computer and "Меню" -> "Выход"
# is chosen as soon as the board appears, while the start-up track is being
# loaded. Each run must end within 2 s of the choice, with status 0, and
# leave no process behind. Prints each run's time and the slowest.
# Usage: quit_e2e.sh PROGRAM SOURCE_DIR ARTIFACT_DIR [RUNS]
set -euo pipefail
program=$1
cd "$2"
ARTIFACTS=$3
runs=${4:-20}
rm -rf "$ARTIFACTS"
. "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT
# Under the sanitizers: any report fails the run; allocations of Qt and the
# X libraries that live until the end are not ours to report.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=0"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"

e2e_start_display
times=()
for run in $(seq "$runs"); do
  e2e_start_program "$program"
  e2e_setup_game "Аня" "Борис" "Компьютер"
  E2E_MENU_SETTLE=0 e2e_menu 0 1
  ended=""
  while [ $(( ($(date +%s%N) - E2E_MENU_CHOSEN_AT) / 1000000 )) -lt 2000 ]; do
    if ! e2e_alive; then ended=$(( ($(date +%s%N) - E2E_MENU_CHOSEN_AT) / 1000000 )); break; fi
    sleep 0.02
  done
  [ -n "$ended" ] || e2e_fail "run $run: the program did not end within 2 s of \"Выход\""
  e2e_wait_exit 1
  [ "$E2E_EXIT_STATUS" = 0 ] || e2e_fail "run $run: the program ended with status $E2E_EXIT_STATUS"
  left=$(pgrep -g "$E2E_PROGRAM_PID" || true)
  [ -z "$left" ] || e2e_fail "run $run: processes left behind: $(ps -o pid=,args= -p "${left//$'\n'/,}")"
  times+=("$ended")
  echo "run $run: ended in $ended ms"
done
slowest=$(printf '%s\n' "${times[@]}" | sort -n | tail -1)
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
echo "PASS: $runs of $runs runs ended with status 0 and left nothing behind; median $median ms, slowest $slowest ms after \"Выход\""
