#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and
# runs every test: rules, scenarios, windows (offscreen), music (SDL's
# dummy audio driver) and the end-to-end runs of the real programs (Xvfb).
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh

# At the end, pass or fail: no process of the game built for the tests may
# outlive them (an ending that hung, a stray fork). Any found are named,
# ended, and fail the run. A game started with ./play.sh is not touched.
leftovers() {
  local status=$? p exe found=()
  for p in /proc/[0-9]*; do
    exe=$(readlink "$p/exe" 2>/dev/null) || continue
    case $exe in "$PWD"/build/test/app/Torgalia* | "$PWD"/build/sanitize/app/Torgalia*) found+=("${p#/proc/}") ;; esac
  done
  if [ ${#found[@]} -gt 0 ]; then
    echo "FAIL: processes of the game outlived the tests:" >&2
    ps -o pid=,args= -p "$(IFS=,; echo "${found[*]}")" >&2 || true
    kill -KILL "${found[@]}" 2>/dev/null || true
    status=1
  fi
  exit "$status"
}
trap leftovers EXIT
jobs=$(nproc)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTORGALIA_WERROR=ON >/dev/null
cmake --build build/test -j "$jobs"
export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
ctest --test-dir build/test --output-on-failure -j "$jobs"

# Rules, scenarios and a minute of random clicks on the real program under
# AddressSanitizer and UndefinedBehaviorSanitizer, in a second build.
# TORGALIA_SANITIZE_CI=0 skips it.
[ "${TORGALIA_SANITIZE_CI:-1}" = 0 ] || ./tools/sanitize.sh build/sanitize
