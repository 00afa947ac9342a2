# Helpers for end-to-end runs of the real programs under Xvfb, driven by
# xdotool as a player drives them. Source it; set ARTIFACTS first.

# Every process started here leads a process group of its own, so that
# whatever it forks ends with it.
E2E_PIDS=()

# Starts a command in the background in a new process group, its output in
# a file; sets E2E_SPAWNED to its pid (also the group's id).
e2e_spawn() {
  local out=$1
  shift
  setsid "$@" >"$out" 2>&1 &
  E2E_SPAWNED=$!
  E2E_PIDS+=("$E2E_SPAWNED")
}

# Starts an Xvfb of this run's own and sets DISPLAY. The server takes the
# first free display number itself (two runs started at once never share
# one) and writes it to fd 3 once it accepts clients, so nothing is guessed
# from lock files and no client polls it. -noreset: by default the server
# resets whenever its last client leaves, closing every connection that is
# still being set up, the program's first one included, and the harness's
# short xdotool clients come and go all the time. Its output is kept with
# the artefacts; a server that does not start fails at once.
e2e_start_display() {
  local fifo n=""
  mkdir -p "$ARTIFACTS"
  fifo=$(mktemp -u "${TMPDIR:-/tmp}/e2e-display.XXXXXX")
  mkfifo "$fifo"
  setsid Xvfb -displayfd 3 -noreset -screen 0 1280x900x24 -nolisten tcp \
    >"$ARTIFACTS/xvfb.log" 2>&1 3>"$fifo" &
  E2E_PIDS+=("$!")
  # An end of the server before its number gives end of file at once.
  read -r -t 30 n <"$fifo" || true
  rm -f "$fifo"
  if [ -z "$n" ]; then
    echo "FAIL: Xvfb gave no display (it ended, or said nothing for 30 s); its output ($ARTIFACTS/xvfb.log):" >&2
    cat "$ARTIFACTS/xvfb.log" >&2
    return 1
  fi
  export DISPLAY=":$n"
}

# Ends every process group started here, with all that it forked.
e2e_cleanup() {
  local p
  for p in "${E2E_PIDS[@]}"; do kill -TERM -- "-$p" 2>/dev/null || true; done
  sleep 0.3
  for p in "${E2E_PIDS[@]}"; do kill -KILL -- "-$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
}

# Every thread's backtrace of each process in a group (the program and
# whatever it forked), printed and kept with the artefacts: what a program
# that stopped answering was waiting for.
e2e_backtraces() {
  local p out
  if ! command -v gdb >/dev/null; then echo "(gdb is missing: no backtraces)" >&2; return 0; fi
  mkdir -p "$ARTIFACTS"
  for p in $(pgrep -g "$1"); do
    out="$ARTIFACTS/backtrace-$p.txt"
    timeout 60 gdb -p "$p" -batch -ex 'thread apply all bt' >"$out" 2>&1 || true
    echo "---- every thread of process $p ($(ps -o args= -p "$p")), kept in $out:" >&2
    grep -E '^(Thread |#)' "$out" >&2 || true
  done
}

e2e_shot() {
  mkdir -p "$ARTIFACTS"
  import -window root "$ARTIFACTS/$1.png" 2>/dev/null || true
}

e2e_fail() {
  echo "FAIL: $*" >&2
  [ -n "$E2E_PROGRAM_PID" ] && e2e_alive && e2e_backtraces "$E2E_PROGRAM_PID"
  e2e_shot "failure"
  declare -F e2e_shoot_windows >/dev/null && e2e_shoot_windows
  exit 1
}

# Waits for a window with this exact title; prints its id.
e2e_wait_window() {
  local title=$1 timeout=${2:-10} id
  for _ in $(seq $((timeout * 10))); do
    id=$(xdotool search --name "^$title\$" 2>/dev/null | head -1 || true)
    if [ -n "$id" ] && xdotool getwindowgeometry "$id" >/dev/null 2>&1; then
      # only mapped windows count
      if xwininfo -id "$id" 2>/dev/null | grep -q "IsViewable"; then echo "$id"; return 0; fi
    fi
    sleep 0.1
  done
  return 1
}

e2e_wait_gone() {
  local title=$1 timeout=${2:-10} id
  for _ in $(seq $((timeout * 10))); do
    id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1 || true)
    [ -z "$id" ] && return 0
    sleep 0.1
  done
  return 1
}

# Clicks at a point of a window given in twips (15 twips = 1 pixel).
e2e_click_twips() {
  local id=$1 x=$(( ($2 + 7) / 15 )) y=$(( ($3 + 7) / 15 )) top=${4:-0}
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove $((X + x)) $((Y + top + y)) click 1
  sleep 0.15
}

# ---------------------------------------------------------------------------
# Playing the game. The window models give every control's place in twips;
# the board's canvas lies below its menu bar, whose height is the window's
# height less the canvas (8100 twips = 540 px).

E2E_BOARD_TITLE="Торгалия города Медноярска ver.3.0"
# Titles of the game's message boxes. "Банк" is also the bank window's title:
# that window is told apart by its size (4005 x 4470 twips).
E2E_DIALOG_TITLES=("Сообщение" "Чужая земля" "Милиция" "Удача" "Налоговая инспекция" "Информация"
                   "Банк" "Нет денег" "Ошибка" "Наша земля" "Выкуп акции" "Победа" "Поражение")
E2E_BANK_SIZE="267x298"
E2E_PROGRAM_PID=""
E2E_BOARD=""
E2E_BOARD_TOP=0
# Every box met: "title" lines, also written to $ARTIFACTS/dialogs.log.
E2E_DIALOGS_SEEN=()

# Starts the program from the current folder (the source folder, where its
# music folder lies), with SDL's dummy audio driver.
e2e_start_program() {
  mkdir -p "$ARTIFACTS"
  : >"$ARTIFACTS/dialogs.log"
  export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
  unset QT_SCALE_FACTOR
  e2e_spawn "$ARTIFACTS/program.log" "$1"
  E2E_PROGRAM_PID=$E2E_SPAWNED
}

# Whether the program still runs (a zombie has ended). Asked several times a
# second while boxes are awaited: read from /proc, without starting a process.
e2e_alive() {
  local st
  { read -r st <"/proc/$E2E_PROGRAM_PID/stat"; } 2>/dev/null || return 1
  [[ ${st##*) } != Z* ]]
}

# Waits for the program to end and sets E2E_EXIT_STATUS; fails on timeout.
# (Not in a command substitution: only this shell can wait for its child.)
E2E_EXIT_STATUS=""
e2e_wait_exit() {
  local timeout=${1:-10}
  for _ in $(seq $((timeout * 10))); do
    if ! e2e_alive; then
      E2E_EXIT_STATUS=0
      wait "$E2E_PROGRAM_PID" || E2E_EXIT_STATUS=$?
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Title of a window.
e2e_title() { xdotool getwindowname "$1" 2>/dev/null || true; }

e2e_is_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q "IsViewable"; }

# A visible window with this exact title (the first), or nothing.
e2e_visible_window() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    if e2e_is_viewable "$id"; then echo "$id"; return 0; fi
  done
  return 1
}

# Message boxes now on screen, one "id title" line each. Only windows with
# a box's title are looked at: one search, and no more when none is up.
E2E_DIALOG_RE="^($(IFS='|'; echo "${E2E_DIALOG_TITLES[*]}"))\$"
e2e_dialogs() {
  local id t size
  for id in $(xdotool search --onlyvisible --name "$E2E_DIALOG_RE" 2>/dev/null); do
    t=$(e2e_title "$id")
    for d in "${E2E_DIALOG_TITLES[@]}"; do
      [ "$t" = "$d" ] || continue
      e2e_is_viewable "$id" || continue
      if [ "$t" = "Банк" ]; then
        size=$(xwininfo -id "$id" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
        [ "$size" = "$E2E_BANK_SIZE" ] && continue
      fi
      echo "$id $t"
    done
  done
}

# Dismisses every message box that appears within `settle` seconds of the
# last one (Return presses the default button: OK, or "Да" for a question).
# Stops early when the program has ended. Returns 0; the titles met are
# appended to E2E_DIALOGS_SEEN and the log.
e2e_dismiss_dialogs() {
  local settle=${1:-0.6} line id t quiet=0 limit
  limit=$(awk "BEGIN{print int($settle * 10)}")
  E2E_LAST_DIALOGS=()
  while [ "$quiet" -le "$limit" ]; do
    e2e_alive || return 0
    line=$(e2e_dialogs | head -1)
    if [ -z "$line" ]; then
      quiet=$((quiet + 1))
      sleep 0.1
      continue
    fi
    quiet=0
    id=${line%% *}
    t=${line#* }
    E2E_DIALOGS_SEEN+=("$t")
    E2E_LAST_DIALOGS+=("$t")
    echo "$t" >>"$ARTIFACTS/dialogs.log"
    # E2E_SHOOT_DIALOGS=1 keeps a picture of every box met.
    if [ "${E2E_SHOOT_DIALOGS:-0}" = 1 ]; then
      sleep 0.1
      e2e_shot "box-${#E2E_DIALOGS_SEEN[@]}-$t"
    fi
    for _ in 1 2 3 4 5; do
      xdotool windowfocus "$id" 2>/dev/null || true
      sleep 0.05
      xdotool key --clearmodifiers Return 2>/dev/null || true
      for _ in $(seq 20); do
        e2e_is_viewable "$id" || break
        sleep 0.05
      done
      e2e_is_viewable "$id" || break
    done
    e2e_is_viewable "$id" && e2e_fail "the box \"$t\" did not close on Return"
  done
  return 0
}

# Fills in the set-up window and presses OK: names, player 2's kind
# ("Человек" or "Компьютер"), red and blue tokens. Sets E2E_BOARD.
e2e_setup_game() {
  local name1=$1 name2=$2 kind=$3 setup
  setup=$(e2e_wait_window "Выбор игроков" 10) || e2e_fail "the set-up window did not appear"
  e2e_click_twips "$setup" 600 750
  xdotool key ctrl+a type --delay 80 "$name1"
  e2e_click_twips "$setup" 600 1110
  xdotool key ctrl+a type --delay 80 "$name2"
  # Kind of player 2: the first Down picks "Человек", the second "Компьютер".
  if [ "$kind" = "Компьютер" ]; then xdotool key Tab Down Down; else xdotool key Tab Down; fi
  # Colours: red for player 1, blue for player 2.
  xdotool key Tab Down Down Down Down Tab Down Down Down Down Down Down Down Down Down
  sleep 0.3
  e2e_shot setup
  e2e_click_twips "$setup" 1380 1740   # ОК
  E2E_BOARD=$(e2e_wait_window "$E2E_BOARD_TITLE" 10) || e2e_fail "the board did not appear"
  e2e_wait_gone "Выбор игроков" 5 || e2e_fail "the set-up window stayed open"
  local h
  h=$(xwininfo -id "$E2E_BOARD" | awk '/Height:/{print $2}')
  E2E_BOARD_TOP=$((h - 540))
  eval "$(xdotool getwindowgeometry --shell "$E2E_BOARD")"
  E2E_BX=$X E2E_BY=$Y
  sleep 0.3
}

# A click on the board's canvas at a point in twips.
# The board's place is read once: there is no window manager to move it.
E2E_BX=0 E2E_BY=0
e2e_board_click() {
  xdotool mousemove $((E2E_BX + ($1 + 7) / 15)) $((E2E_BY + E2E_BOARD_TOP + ($2 + 7) / 15)) click 1
  sleep 0.05
}

# Seat buttons: all 2415 x 495 twips at left 4440; their tops.
declare -A E2E_BUTTON_TOP=([kub]=3600 [sled]=3600 [kup]=4200 [close]=4200 [prod]=4800 [wikup1]=5400 [rul]=6000)
e2e_press() { e2e_board_click 5647 $((E2E_BUTTON_TOP[$1] + 247)); }

# A screenshot of the whole screen for the pixel checks that follow, in
# ImageMagick's own uncompressed format: written and read a third faster.
E2E_SNAP=""
e2e_snap() {
  E2E_SNAP="$ARTIFACTS/.snap.miff"
  # 8 bits a channel, as the colours below are written.
  import -window root -depth 8 "$E2E_SNAP" 2>/dev/null || e2e_fail "no screenshot"
}

# Colour (RRGGBB) of a pixel of the last snap, in screen pixels.
e2e_px() { convert "$E2E_SNAP" -format "%[hex:p{$1,$2}]" info:; }

# Colour of a board point in twips, from the last snap.
e2e_board_px() { e2e_px $((E2E_BX + $1 / 15)) $((E2E_BY + E2E_BOARD_TOP + $2 / 15)); }

# Whether a seat button is shown, from the last snap: its left border is a
# dark line where the canvas is light grey.
e2e_button_shown() {
  local c
  c=$(e2e_board_px 4440 $((E2E_BUTTON_TOP[$1] + 247)))
  [ $((16#${c:0:2})) -lt 200 ]
}

# Twips of a square's top-left corner (the ring is 12 x 6, clockwise from
# the top-left corner).
e2e_square_place() {
  local s=$1 col row
  if [ "$s" -le 12 ]; then col=$((s - 1)); row=0
  elif [ "$s" -le 17 ]; then col=11; row=$((s - 12))
  elif [ "$s" -le 28 ]; then col=$((28 - s)); row=5
  else col=0; row=$((33 - s)); fi
  echo "$((120 + 960 * col)) $((120 + 1320 * row))"
}

E2E_SHARE_SQUARES=(2 3 4 5 6 7 9 10 11 13 15 16 18 19 20 21 23 24 25 26 27 29 31 32)

# Owner marks of all 24 shares from the last snap, as one word each:
# "grey" (nobody), "red" (player 1), "blue" (player 2) or the colour.
e2e_owner_marks() {
  local s l t c fmt="" out=()
  for s in "${E2E_SHARE_SQUARES[@]}"; do
    read -r l t <<<"$(e2e_square_place "$s")"
    # Right end of the marker strip: the tokens stand at its left.
    fmt+="%[hex:p{$((E2E_BX + (l + 860) / 15)),$((E2E_BY + E2E_BOARD_TOP + (t + 140) / 15))}] "
  done
  for c in $(convert "$E2E_SNAP" -format "$fmt" info:); do
    case "$c" in
      C0C0C0) out+=(grey) ;;
      FF0000) out+=(red) ;;
      0000FF) out+=(blue) ;;
      *) out+=("$c") ;;
    esac
  done
  echo "${out[*]}"
}

e2e_count_word() { tr ' ' '\n' <<<"$1" | grep -cx "$2" || true; }

# Signature of a screen region of the last snap (x y w h in pixels), to see
# whether a label changed.
e2e_region_sig() { convert "$E2E_SNAP" -crop "$3x$4+$1+$2" +repage -format '%#' info:; }

# Signature of a board region given in twips.
e2e_board_region_sig() {
  e2e_region_sig $((E2E_BX + $1 / 15)) $((E2E_BY + E2E_BOARD_TOP + $2 / 15)) $(($3 / 15)) $(($4 / 15))
}

# Screenshot of each window on screen, kept when a run fails.
e2e_shoot_windows() {
  local id t i=0
  mkdir -p "$ARTIFACTS"
  for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    e2e_is_viewable "$id" || continue
    t=$(e2e_title "$id" | sed 's#[/ .]#_#g')
    i=$((i + 1))
    import -window "$id" "$ARTIFACTS/window-$i-$t.png" 2>/dev/null || true
  done
}

# Picks a menu item with the keyboard: a click opens the first menu of the
# bar, Right moves to menu `index` (0 "Меню", 1 "Музыка", 2 "Справка") with
# its first item active, `downs` more Down presses, then the keys given
# (Return by default; Right opens a submenu).
e2e_menu() {
  local index=$1 downs=$2
  shift 2
  local keys=("$@")
  [ ${#keys[@]} -eq 0 ] && keys=(Return)
  xdotool mousemove $((E2E_BX + 14)) $((E2E_BY + E2E_BOARD_TOP / 2)) click 1
  sleep 0.3
  # Right then Left makes the first menu's first item active too.
  if [ "$index" -eq 0 ]; then xdotool key Right Left; else
    for _ in $(seq "$index"); do xdotool key Right; done
  fi
  sleep 0.2
  for _ in $(seq "$downs"); do xdotool key Down; done
  sleep 0.1
  xdotool key "${keys[@]}"
  E2E_MENU_CHOSEN_AT=$(date +%s%N)
  sleep "${E2E_MENU_SETTLE:-0.3}"
}

# Which of the two buttons sharing the roll place is shown, from the last
# snap: "kub" ("Сходить"), "sled" ("Конец хода") or "none". "Конец хода" is
# the wider caption: only it has ink near the button's left end.
e2e_turn_button() {
  if ! e2e_button_shown kub; then echo none; return; fi
  local ink
  ink=$(convert "$E2E_SNAP" -crop "14x16+$((E2E_BX + 296 + 29))+$((E2E_BY + E2E_BOARD_TOP + 240 + 9))" +repage \
        -colorspace gray -format '%[fx:minima < 0.5 ? 1 : 0]' info:)
  if [ "$ink" = 1 ]; then echo sled; else echo kub; fi
}

# Presses a seat button and dismisses the boxes it brings.
e2e_press_and_dismiss() {
  e2e_press "$1"
  xdotool mousemove $((E2E_BX + 200)) $((E2E_BY + E2E_BOARD_TOP + 300))   # away from the buttons
  e2e_dismiss_dialogs "${2:-0.3}"
}

# Types a text into a text box of a window (twips of a point inside it).
e2e_type_into() {
  local id=$1 x=$2 y=$3 text=$4
  e2e_click_twips "$id" "$x" "$y"
  xdotool key ctrl+a BackSpace
  xdotool type --delay 20 "$text"
  sleep 0.1
}

# Whose turn the label under "Ходит:" names, from the last snap: its text
# takes the token colour, red for player 1 and blue for player 2.
e2e_whose_turn() {
  local colours
  colours=$(convert "$E2E_SNAP" -crop "144x25+$((E2E_BX + 312))+$((E2E_BY + E2E_BOARD_TOP + 144))" +repage \
            -unique-colors txt: 2>/dev/null)
  if grep -q "#FF0000" <<<"$colours"; then echo 1
  elif grep -q "#0000FF" <<<"$colours"; then echo 2
  else echo 0; fi
}
