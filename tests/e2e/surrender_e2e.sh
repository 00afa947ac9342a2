#!/usr/bin/env bash
# A whole game to a surrender through the real program. Player 1 puts all
# his cash into the bank before each roll that his cash label shows changed
# (the amount is found without reading the screen, each refused deposit
# answered by an "Ошибка" box), player 2 buys every share he can. Sooner or
# later rent or an event leaves someone's cash below zero: his next roll is
# refused with "Нет денег", "Сдаться" appears, he gives up, the loser's and
# the winner's boxes follow and the program ends with status 0.
# Usage: surrender_e2e.sh PROGRAM SOURCE_DIR ARTIFACT_DIR [Человек|Компьютер]
set -euo pipefail
program=$1
cd "$2"
ARTIFACTS=$3
kind=${4:-Человек}
rm -rf "$ARTIFACTS"
. "$(dirname "$0")/lib.sh"
trap e2e_cleanup EXIT
budget=${E2E_SURRENDER_BUDGET:-140}

e2e_start_display
e2e_start_program "$program"
e2e_setup_game "Аня" "Борис" "$kind"
e2e_menu 0 0 Right Return   # messages off: fewer boxes to wait for

# Deposits everything player 1 has; prints how many deposits went through.
deposit_all() {
  local bank a n=0
  e2e_board_click 11152 3400   # the bank square
  bank=$(e2e_wait_window "Банк" 5) || e2e_fail "the bank did not open"
  e2e_click_twips "$bank" 400 2220   # "Положить под проценты"
  # The start cash and the 200 of a lap or of the bank square first: most
  # visits need only that. A refused 1 then says the cash is gone; else
  # powers of two take the rest, which is under 2048 (a roll brings at most
  # an event's 2000 and a lap's 200).
  for a in 10000 200 1 1024 512 256 128 64 32 16 8 4 2 1; do
    e2e_type_into "$bank" 2100 3375 "$a"
    e2e_click_twips "$bank" 3187 2767   # ОК
    e2e_dismiss_dialogs 0.2
    if [ ${#E2E_LAST_DIALOGS[@]} -eq 0 ]; then n=$((n + 1)); elif [ "$a" = 1 ]; then break; fi
  done
  e2e_click_twips "$bank" 1927 3967   # Выход
  e2e_wait_gone "Банк" 5 || e2e_fail "the bank did not close"
  echo "$n"
}

start=$SECONDS turns=0 surrendered=0 deposits=0 emptied=""
while [ $((SECONDS - start)) -lt "$budget" ]; do
  e2e_alive || e2e_fail "the program ended during play"
  e2e_snap
  button=$(e2e_turn_button)
  seat=$(e2e_whose_turn)
  case $button in
    kub)
      # The bank only when player 1's cash label no longer looks as it did
      # after the last emptying: most turns bring no cash.
      if [ "$seat" = 1 ] && [ "$(e2e_board_region_sig 3360 2160 1215 375)" != "$emptied" ]; then
        n=$(deposit_all)
        deposits=$((deposits + n))
        e2e_snap
        emptied=$(e2e_board_region_sig 3360 2160 1215 375)
      fi
      turns=$((turns + 1))
      e2e_press_and_dismiss kub 0.3
      if [ "${E2E_LAST_DIALOGS[*]:-}" = "Нет денег" ]; then
        e2e_snap
        e2e_button_shown close || e2e_fail "\"Сдаться\" is not shown after \"Нет денег\""
        e2e_shot 01-before-surrender
        loser=$seat
        e2e_press close
        E2E_SHOOT_DIALOGS=1 e2e_dismiss_dialogs 0.5
        surrendered=1
        break
      fi
      e2e_snap
      if [ "$seat" = 2 ] && e2e_button_shown kup; then e2e_press_and_dismiss kup 0.2; fi
      ;;
    sled)
      # A click on the police square frees both players, as a player who
      # knows the rule does before he ends his turn. Player 1 left jailed
      # would keep his "Конец хода" over player 2's: player 2 would roll
      # for ever and player 1 never move again.
      e2e_board_click 11152 900
      e2e_press_and_dismiss sled 0.3
      ;;
    none)
      e2e_dismiss_dialogs 0.3
      e2e_snap
      [ "$(e2e_turn_button)" != none ] || e2e_fail "neither \"Сходить\" nor \"Конец хода\" is shown"
      ;;
  esac
done
if [ "$surrendered" -eq 0 ]; then
  e2e_shot 99-no-surrender
  echo "SKIP: nobody ran out of cash in $turns turns (${budget}s, $deposits deposits)"
  exit 77
fi
[ "${E2E_LAST_DIALOGS[*]:-}" = "Поражение Победа" ] ||
  e2e_fail "surrender showed [${E2E_LAST_DIALOGS[*]:-}] instead of \"Поражение\" then \"Победа\""
e2e_wait_exit 10 || e2e_fail "the program did not end after the surrender"
[ "$E2E_EXIT_STATUS" = 0 ] || e2e_fail "the program ended with status $E2E_EXIT_STATUS"
echo "PASS: player $loser gave up after $turns turns ($deposits deposits); boxes: ${E2E_DIALOGS_SEEN[*]}"
