#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and
# runs every test: rules, scenarios, windows (offscreen), music (SDL's
# dummy audio driver) and the end-to-end runs of the real programs (Xvfb).
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
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
