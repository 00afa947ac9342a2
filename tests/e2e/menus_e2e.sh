#!/usr/bin/env bash
# The board's menus through the real program: help from the menu (a topic
# opened and left) and from F1, the about window, a track chosen in "Музыка",
# the music file window opened and cancelled, and "Меню" -> "Выход", after
# which the program must end with status 0. While a side window is open the
# board takes no clicks.
# Usage: menus_e2e.sh PROGRAM SOURCE_DIR ARTIFACT_DIR
set -euo pipefail
program=$1
cd "$2"
ARTIFACTS=$3
rm -rf "$ARTIFACTS"
. "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT

e2e_start_display
e2e_start_program "$program"
e2e_setup_game "Аня" "Борис" "Человек"

# While a side window is open the board is disabled: a click on the bank
# square (at the board's right edge, beside the side windows) opens nothing.
e2e_board_stays_disabled() {
  e2e_board_click 11152 3400
  sleep 0.4
  ! e2e_visible_window "Банк" >/dev/null || e2e_fail "the board opened the bank while \"$1\" was open"
  [ -z "$(e2e_dialogs)" ] || e2e_fail "a box appeared while \"$1\" was open"
}

# ---- help from the menu: "Справка" -> "Справка" ----
e2e_menu 2 0
help=$(e2e_wait_window "Справка" 5) || e2e_fail "the help window did not open from the menu"
sleep 0.2
e2e_shot 01-help
e2e_snap
sig_topics=$(eval "$(xdotool getwindowgeometry --shell "$help")"; e2e_region_sig "$X" "$((Y + 60))" 259 200)
e2e_click_twips "$help" 1987 1327          # "Цель игры"
sleep 0.3
e2e_snap
sig_text=$(eval "$(xdotool getwindowgeometry --shell "$help")"; e2e_region_sig "$X" "$((Y + 60))" 259 200)
[ "$sig_topics" != "$sig_text" ] || e2e_fail "the topic \"Цель игры\" did not open"
e2e_shot 02-help-topic
e2e_board_stays_disabled "Справка"
e2e_click_twips "$help" 1987 4447          # "Назад"
sleep 0.3
e2e_snap
sig_back=$(eval "$(xdotool getwindowgeometry --shell "$help")"; e2e_region_sig "$X" "$((Y + 60))" 259 200)
[ "$sig_back" = "$sig_topics" ] || e2e_fail "\"Назад\" did not bring the topics back"
e2e_click_twips "$help" 1987 4447          # "Закрыть"
e2e_wait_gone "Справка" 5 || e2e_fail "the help window did not close"

# ---- help from F1: the board has the keyboard after a click on it ----
e2e_board_click 2000 5500
xdotool key F1
help=$(e2e_wait_window "Справка" 5) || e2e_fail "F1 did not open the help window"
sleep 0.2
e2e_shot 03-help-f1
e2e_click_twips "$help" 1987 4447          # "Закрыть"
e2e_wait_gone "Справка" 5 || e2e_fail "the help window did not close after F1"

# ---- about: "Справка" -> "О программе..." ----
e2e_menu 2 1
about=$(e2e_wait_window "О программе..." 5) || e2e_fail "the about window did not open"
sleep 0.2
e2e_shot 04-about
e2e_board_stays_disabled "О программе..."
e2e_click_twips "$about" 4987 2887         # "Закрыть"
e2e_wait_gone "О программе..." 5 || e2e_fail "the about window did not close"

# ---- a track from "Музыка": Открыть..., без музыки, track1, track2, track3 ----
eval "$(xdotool getwindowgeometry --shell "$E2E_BOARD")"
xdotool mousemove $((X + 14)) $((Y + E2E_BOARD_TOP / 2)) click 1
sleep 0.3
xdotool key Right
sleep 0.3
e2e_snap
sig_menu1=$(e2e_region_sig "$X" "$((Y + E2E_BOARD_TOP))" 220 290)
xdotool key Down Down Down Down Return      # track3
sleep 0.5
e2e_alive || e2e_fail "the program ended on choosing a track"
xdotool mousemove $((X + 14)) $((Y + E2E_BOARD_TOP / 2)) click 1
sleep 0.3
xdotool key Right
sleep 0.3
e2e_snap
convert "$E2E_SNAP" "$ARTIFACTS/05-music-menu-track3.png"
sig_menu2=$(e2e_region_sig "$X" "$((Y + E2E_BOARD_TOP))" 220 290)
xdotool key Escape Escape
sleep 0.3
[ "$sig_menu1" != "$sig_menu2" ] || [ "$(basename "$program")" = TorgaliaSilent ] ||
  e2e_fail "the check mark of \"Музыка\" did not move to the chosen track"
[ -z "$(e2e_dialogs)" ] || e2e_fail "a box appeared on choosing a track"

# ---- the music file window: "Музыка" -> "Открыть...", then "Отмена" ----
e2e_menu 1 0
open=$(e2e_wait_window "Открыть" 5) || e2e_fail "the music file window did not open"
sleep 0.2
e2e_shot 06-open-music
e2e_board_stays_disabled "Открыть"
e2e_click_twips "$open" 6127 1207          # "Отмена"
e2e_wait_gone "Открыть" 5 || e2e_fail "the music file window did not close on \"Отмена\""
sleep 0.2

# The board takes clicks again: a roll works.
e2e_press_and_dismiss kub
e2e_snap
[ "$(e2e_turn_button)" = sled ] || e2e_fail "the board does not take a roll after the side windows"
e2e_shot 07-after-windows
# ...and the same click on the bank square that did nothing above opens it.
e2e_board_click 11152 3400
bank=$(e2e_wait_window "Банк" 5) || e2e_fail "the bank square does not open the bank on the enabled board"
e2e_click_twips "$bank" 1927 3967         # Выход
e2e_wait_gone "Банк" 5 || e2e_fail "the bank did not close"

# ---- the end: "Меню" -> "Выход" ----
e2e_menu 0 1
e2e_wait_exit 10 || e2e_fail "the program did not end after \"Выход\""
[ "$E2E_EXIT_STATUS" = 0 ] || e2e_fail "the program ended with status $E2E_EXIT_STATUS"
echo "PASS: help, F1, about, track3, music file window, exit"
