# Helpers for end-to-end runs of the real programs under Xvfb, driven by
# xdotool as a player drives them. Source it; set ARTIFACTS first.

E2E_PIDS=()

e2e_start_display() {
  local n
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
      E2E_PIDS+=($!)
      export DISPLAY=":$n"
      for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; xdotool getmouselocation >/dev/null 2>&1 && return 0; sleep 0.1; done
      return 0
    fi
  done
  echo "no free X display" >&2
  return 1
}

e2e_cleanup() {
  local p
  for p in "${E2E_PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
}

e2e_shot() {
  mkdir -p "$ARTIFACTS"
  import -window root "$ARTIFACTS/$1.png" 2>/dev/null || true
}

e2e_fail() {
  echo "FAIL: $*" >&2
  e2e_shot "failure"
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
