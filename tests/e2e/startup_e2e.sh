#!/usr/bin/env bash
# Starts the real program as a player does, waits for the splash, fills in
# the set-up window, presses OK and finds the board by its title.
# Usage: startup_e2e.sh PROGRAM SOURCE_DIR ARTIFACT_DIR
set -euo pipefail
program=$1
cd "$2"
ARTIFACTS=$3
. "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR

e2e_start_display
e2e_start_program "$program"

splash=$(e2e_wait_window "Form1" 10) || e2e_fail "the splash window did not appear"
setup=$(e2e_wait_window "Выбор игроков" 10) || e2e_fail "the set-up window did not follow the splash"
e2e_wait_gone "Form1" 5 || e2e_fail "the splash window stayed"

# Names: click into each box, select all and type.
e2e_click_twips "$setup" 600 750
xdotool key ctrl+a type --delay 15 "Аня"
e2e_click_twips "$setup" 600 1110
xdotool key ctrl+a type --delay 15 "Борис"
# Player 2 a person (the first Down picks "Человек"), colours by keyboard.
xdotool key Tab Down Tab Down Down Down Down Tab Down Down Down Down Down Down Down Down Down
sleep 0.3
e2e_shot setup
e2e_click_twips "$setup" 1380 1740   # ОК

board=$(e2e_wait_window "Торгалия города Медноярска ver.3.0" 10) || e2e_fail "the board did not appear"
e2e_wait_gone "Выбор игроков" 5 || e2e_fail "the set-up window stayed open"
sleep 0.3
e2e_shot board
e2e_alive || e2e_fail "the program died"
echo "PASS: board $board shown"
