# Sourced by the end-to-end test and the benchmarks: drive the real program
# on an X display with xdotool and watch a click recorder's log.
# Needs: wine-env.sh sourced, DISPLAY set, $work (a scratch folder).

now_ms() { date +%s%3N; }

# px LENGTH: a length of the window's design (pixels at 96 DPI) at the scale
# of the test prefix, rounded as the program rounds it.
px() { echo $((($1 * ${CLICKER_DPI:-96} + 48) / 96)); }

# wait_until SECONDS COMMAND...: polls until the command succeeds.
wait_until() {
  local end=$(($(now_ms) + $1 * 1000))
  shift
  until "$@"; do
    [ "$(now_ms)" -ge "$end" ] && return 1
    sleep 0.05
  done
}

window_named() { xdotool search --name "^$1\$" 2>/dev/null | head -1; }
has_window() { [ -n "$(window_named "$1")" ]; }
no_window() { [ -z "$(window_named "$1")" ]; }
process_gone() { ! kill -0 "$1" 2>/dev/null; }

# recorder_around_main_window WINE BINDIR: a recorder over the whole screen
# but for where the main window will be (centred, 498 x 510 as created, at
# the prefix's scale).
recorder_around_main_window() {
  local sw sh w h
  read -r sw sh < <(xdotool getdisplaygeometry)
  w=$(px 498)
  h=$(px 510)
  start_recorder "$1" "$2" 0 0 "$sw" "$sh" $(((sw - w) / 2)) $(((sh - h) / 2)) "$w" "$h"
}

# press_rate FROM TO: presses a second over presses FROM+1 .. TO of the
# recorder's log, first to last.
press_rate() {
  grep '^[LlRr] ' "$work/clicks.txt" | sed -n "$(($1 + 1)),$2p" | python3 -c '
import sys
t = [int(l.split()[3]) for l in sys.stdin]
print(round((len(t) - 1) / ((t[-1] - t[0]) / 1e6), 1) if len(t) > 1 and t[-1] > t[0] else 0)'
}

# Presses in the recorder's log so far.
presses() { grep -c '^[LlRr] ' "$work/clicks.txt" 2>/dev/null || true; }
at_least_presses() { [ "$(presses)" -ge "$1" ]; }
# True once no press has come for half a second.
presses_settled() {
  local a
  a=$(presses)
  sleep 0.5
  [ "$(presses)" = "$a" ]
}

# start_recorder WINE BINDIR LEFT TOP WIDTH HEIGHT [HOLE_LEFT HOLE_TOP HOLE_W HOLE_H]:
# sets recorder_pid. Clicks in the hole pass to the windows beneath.
start_recorder() {
  "$1" "$2/click_recorder.exe" "$(winepath_of "$work/clicks.txt")" "${@:3}" \
    >"$work/recorder.log" 2>&1 &
  recorder_pid=$!
  wait_until 30 grep -qs ready "$work/clicks.txt"
}

# start_clicker WINE BINDIR: sets clicker_pid.
start_clicker() {
  "$1" "$2/clicker.exe" >>"$work/clicker.log" 2>&1 &
  clicker_pid=$!
}

# Once the main window shows: its screen position in wx, wy.
locate_main_window() {
  local id
  id=$(window_named "鼠标坐标")
  [ -n "$id" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  wx=$X
  wy=$Y
  ww=$WIDTH
  wh=$HEIGHT
}

# click_at LEFT TOP: a click at a place of the window's design.
click_at() {
  xdotool mousemove $((wx + $(px "$1"))) $((wy + $(px "$2"))) click 1
}

# type_into LEFT TOP TEXT: clicks the box at its place in the window (of the
# design) and types the text one key at a time (Wine's edit boxes do not take
# xdotool type).
type_into() {
  click_at $(($1 + 12)) $(($2 + 12))
  sleep 0.15
  xdotool key End shift+Home BackSpace
  local i c
  for ((i = 0; i < ${#3}; i++)); do
    c=${3:i:1}
    case $c in
      .) c=period ;;
      -) c=minus ;;
    esac
    xdotool key "$c"
  done
}

# stop_programs: ends the clicker and the recorder started above, if running.
stop_programs() {
  local pid
  for pid in ${clicker_pid:-} ${recorder_pid:-}; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
}

# e2e_begin ARCH: what the end-to-end script starts with: the prefix, a
# display of their own unless one is given, a work folder and, at the end,
# the programs stopped (and any working-set utility the program started on
# its way out) and its output kept beside the artefacts as e2e-TAG-clicker.log.
# Needs artefacts and tag; sets wine, work, screen_w and screen_h.
e2e_begin() {
  ensure_wine_prefix
  own_display=0
  if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
    own_display=1
  fi
  wine=$(wine_for "$1")
  work=$(mktemp -d)
  mkdir -p "$artefacts"
  recorder_pid=""
  clicker_pid=""
  trap e2e_end EXIT
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)
}
e2e_end() {
  stop_programs
  pkill -f 'empty\.exe' 2>/dev/null
  cp "$work/clicker.log" "$artefacts/e2e-$tag-clicker.log" 2>/dev/null
  [ "$own_display" = 1 ] && stop_xvfb
  rm -rf "$work"
}

# count_pixels X Y W H AWK-CONDITION-ON-r,g,b: pixels of the window area in
# the last look ($work/look.png) that match.
count_pixels() {
  convert "$work/look.png" -crop "$3x$4+$((wx + $1))+$((wy + $2))" +repage txt:- |
    awk 'NR > 1 { s = $2; gsub(/[()]/, "", s); split(s, a, ","); r = a[1]; g = a[2]; b = a[3];
                  if ('"$5"') n++ } END { print n + 0 }'
}

# close_by_drawn_button: the drawn close button, at its place at the
# prefix's scale, turns red under the mouse and ends the program (checks).
# Under emulation the window may still be busy with its first painting when
# the pointer arrives: the pointer moves inside the button on every look.
close_by_drawn_button() {
  local i hot least=$((40 * ${CLICKER_DPI:-96} * ${CLICKER_DPI:-96} / 9216))
  for i in $(seq 60); do
    xdotool mousemove $((wx + ww - $(px 19) - i % 2)) $((wy + $(px 10)))
    sleep 0.5
    import -display "$DISPLAY" -window root "$work/look.png"
    hot=$(count_pixels $((ww - $(px 36))) $(px 2) $(px 34) $(px 8) 'r > 150 && r > g + 50 && r > b + 50')
    [ "$hot" -gt "$least" ] && break
  done
  cp "$work/look.png" "$artefacts/e2e-$tag-close-hover.png"
  check "the close button turns red under the mouse ($hot px)" test "$hot" -gt "$least"
  xdotool click 1
  if wait_until 10 process_gone "$clicker_pid"; then
    pass "the drawn close button ends the program"
    clicker_pid=""
  else
    fail "the drawn close button ends the program" "still running"
  fi
}
