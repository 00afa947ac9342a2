#!/usr/bin/env bash
# A game against the computer, played through the real program as a player
# plays it: set-up with player 2 the computer, rolls, a purchase, ends of
# turn answered by the computer, a loan of 500 at the bank, and the exit
# command, after which the program must end with status 0.
# Usage: play_computer_e2e.sh PROGRAM SOURCE_DIR ARTIFACT_DIR
set -euo pipefail
program=$1
cd "$2"
ARTIFACTS=$3
rm -rf "$ARTIFACTS"
. "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT

e2e_start_display
e2e_start_program "$program"
e2e_setup_game "Аня" "Борис" "Компьютер"
e2e_shot 01-board

e2e_snap
[ "$(e2e_turn_button)" = kub ] || e2e_fail "the board does not offer \"Сходить\" to player 1"
marks=$(e2e_owner_marks)
[ "$(e2e_count_word "$marks" grey)" -eq 24 ] || e2e_fail "shares owned before the first roll: $marks"

# Turns until player 1 stands on a share nobody owns and buys it. Every
# turn: roll, (buy), end of turn, the computer's answer.
bought=0 turns=0
while [ "$turns" -lt 25 ] && [ "$bought" -eq 0 ]; do
  turns=$((turns + 1))
  e2e_snap
  state=$(e2e_turn_button)
  if [ "$state" = kub ]; then
    e2e_press_and_dismiss kub
    e2e_alive || e2e_fail "the program ended after a roll"
    e2e_snap
    [ "$(e2e_turn_button)" = sled ] || [ "${E2E_LAST_DIALOGS[*]:-}" = "Нет денег" ] ||
      e2e_fail "after a roll the board does not offer \"Конец хода\""
    if e2e_button_shown kup; then
      before=$(e2e_owner_marks)
      e2e_shot 02-before-purchase
      e2e_press_and_dismiss kup
      e2e_snap
      after=$(e2e_owner_marks)
      [ $(($(e2e_count_word "$after" red) - $(e2e_count_word "$before" red))) -eq 1 ] ||
        e2e_fail "buying did not mark one more share red: before [$before] after [$after] (${E2E_LAST_DIALOGS[*]:-})"
      e2e_shot 03-after-purchase
      bought=1
    fi
  fi
  # End of turn: the computer plays inside it and hands the die back.
  red_before=$(e2e_count_word "$(e2e_owner_marks)" red)
  e2e_press_and_dismiss sled
  e2e_alive || e2e_fail "the program ended during the computer's turn"
  e2e_snap
  state=$(e2e_turn_button)
  [ "$state" != none ] || e2e_fail "no roll or end-of-turn button after the computer's turn"
  [ "$(e2e_count_word "$(e2e_owner_marks)" red)" -eq "$red_before" ] || e2e_fail "the computer's turn changed player 1's shares"
done
[ "$bought" -eq 1 ] || e2e_fail "no share could be bought in $turns turns"
e2e_shot 04-after-computer

# The bank: a click on its square opens it, the board is disabled meanwhile.
e2e_snap
money_sig=$(e2e_board_region_sig 3360 2160 1215 375)
e2e_board_click 11152 3400   # karta14, the bank square
bank=$(e2e_wait_window "Банк" 5) || e2e_fail "the bank did not open"
sleep 0.3
e2e_snap
debt_sig=$(eval "$(xdotool getwindowgeometry --shell "$bank")"; e2e_region_sig $((X + 64)) $((Y + 80)) 105 17)
e2e_click_twips "$bank" 400 1860          # "Взять взаймы"
e2e_type_into "$bank" 2100 3375 "500"     # the amount
e2e_click_twips "$bank" 3187 2767         # ОК
e2e_dismiss_dialogs 0.4
[ ${#E2E_LAST_DIALOGS[@]} -eq 0 ] || e2e_fail "the loan was refused: ${E2E_LAST_DIALOGS[*]}"
e2e_snap
debt_sig2=$(eval "$(xdotool getwindowgeometry --shell "$bank")"; e2e_region_sig $((X + 64)) $((Y + 80)) 105 17)
[ "$debt_sig" != "$debt_sig2" ] || e2e_fail "the bank's debt label did not change after the loan"
e2e_shot 05-bank-loan
e2e_click_twips "$bank" 1927 3967         # Выход
e2e_wait_gone "Банк" 5 || e2e_fail "the bank did not close"
sleep 0.2
e2e_snap
[ "$money_sig" != "$(e2e_board_region_sig 3360 2160 1215 375)" ] || e2e_fail "player 1's cash label did not change after the loan"
e2e_shot 06-after-bank

# One more turn after the loan: the board answers again.
e2e_snap
[ "$(e2e_turn_button)" = kub ] && e2e_press_and_dismiss kub
e2e_snap
[ "$(e2e_turn_button)" = sled ] && e2e_press_and_dismiss sled
e2e_alive || e2e_fail "the program ended after the loan"

# The end: "Меню" -> "Выход" ends at once with status 0.
e2e_menu 0 1
e2e_wait_exit 10 || e2e_fail "the program did not end after \"Выход\""
[ "$E2E_EXIT_STATUS" = 0 ] || e2e_fail "the program ended with status $E2E_EXIT_STATUS"
echo "PASS: $turns turns, a share bought, a loan taken, boxes met: ${E2E_DIALOGS_SEEN[*]:-none}"
