#!/usr/bin/env bash
# A second build with AddressSanitizer and UndefinedBehaviorSanitizer, and
# the tests that exercise the most code under them: every rule test (the
# random-play and typed-number tests among them), every scenario, and a
# minute of random clicks on the real program under Xvfb, and twenty games
# ended the moment their board appears. Any sanitizer report fails the run.
#
# Usage: tools/sanitize.sh [BUILD_DIR]      (default build/sanitize)
# Environment: TORGALIA_SEED fixes the random-click seed (printed on every
# run), TORGALIA_SECONDS sets its length (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/sanitize}
seconds=${TORGALIA_SECONDS:-60}
jobs=${JOBS:-$(nproc)}

# -O1 keeps the sanitized tests quick while keeping every check.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
      -DTORGALIA_SANITIZE=ON -DTORGALIA_WERROR=ON \
      -DTORGALIA_RANDOM_CLICK_SECONDS="$seconds" >/dev/null
cmake --build "$build" -j "$jobs" --target rules_tests scenario_runner Torgalia xprobe

export SDL_AUDIODRIVER=dummy
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
# The game layer is plain C++: its tests also check for leaks.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"

echo "== rules_tests under ASan+UBSan"
"$build/tests/rules_tests" --gtest_brief=1

echo "== scenarios under ASan+UBSan"
ctest --test-dir "$build" -R '^scenario\.' -j "$jobs" --output-on-failure

echo "== random clicks on Torgalia under ASan+UBSan ($seconds s)"
# The script sets its own sanitizer options (no leak check: Qt's and the X
# libraries' allocations that live until exit are not ours).
tests/robustness/random_clicks.sh "$build/app/Torgalia" "$build/tests/xprobe" "$PWD" \
  "$build/robustness-artifacts" --seconds "$seconds"

echo "== ending at once under ASan+UBSan: \"Выход\" while the music starts, 20 times"
tests/e2e/quit_e2e.sh "$build/app/Torgalia" "$PWD" "$build/quit-artifacts" 20
echo "sanitize: all passed"
