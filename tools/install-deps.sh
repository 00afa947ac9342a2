#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test.
# Does nothing when they are all there already.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config libgtest-dev python3
  qt6-base-dev qt6-translations-l10n libgl-dev
  libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth xdotool x11-apps x11-utils imagemagick
  gdb procps
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
