#!/usr/bin/env bash
# Installs what is missing, builds the game and starts Торгалия.
# Run it from anywhere: the game starts in this folder, where musik/ lies.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release --target Torgalia
exec ./build/release/app/Torgalia
