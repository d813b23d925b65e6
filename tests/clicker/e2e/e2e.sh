#!/bin/bash
# End to end, under Xvfb, at the display scale of the test prefix
# (CLICKER_DPI, 96 when not given): start the program, dismiss the
# instructions box, type into the real boxes and check where the clicks land,
# on a recording window of the test's own.
# At 100 %: a main point, rows, count and interval pressed with F1 at 200 and
# 1000 ms; F3/F4 with a radio selected; F2 then F1 inside a long interval; a
# cleared row, 初 始 化 and a million cycles; Esc from the hotkey list; a
# corner drag and the drawn close button.
# At another scale: the window at the scaled size, odd points clicked at
# exactly those screen pixels, F1 to F4, and the drawn close button at its
# scaled place.
#   e2e.sh ARCH BINDIR RESULTS_XML ARTEFACT_DIR
set -uo pipefail
arch=$1
bindir=$2
results=$3
artefacts=$4
export CLICKER_DPI=${CLICKER_DPI:-96}
here=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$here/../../.." && pwd)
source "$ROOT/scripts/lib/wine-env.sh"
source "$ROOT/scripts/lib/checks.sh"
source "$ROOT/scripts/lib/drive.sh"

at_design_scale() { [ "$CLICKER_DPI" = 96 ]; }
if at_design_scale; then
  tag=$arch
  suite=e2e
else
  tag="$arch-dpi$CLICKER_DPI"
  suite="e2e-dpi$CLICKER_DPI"
fi
e2e_begin "$arch"

# fill_boxes COUNT INTERVAL X Y X1 Y1 X3 Y3: the loop count, the interval,
# the main point and rows 1 and 3.
fill_boxes() {
  type_into 32 192 "$1"   # 编辑框3: loop count
  type_into 32 248 "$2"   # 编辑框4: loop interval
  type_into 160 88 "$3"   # X
  type_into 296 88 "$4"   # Y
  type_into 160 128 "$5"  # X1
  type_into 296 128 "$6"  # Y1
  type_into 160 208 "$7"  # X3
  type_into 296 208 "$8"  # Y3
}

# f1_then_f2: F1 with the pointer off the boxes, and F2 once the first click
# is in; `before` keeps the presses before F1.
f1_then_f2() {
  xdotool mousemove $((wx + $(px 250))) $((wy + $(px 440)))
  sleep 0.3
  before=$(presses)
  xdotool key F1
  wait_until 5 at_least_presses $((before + 1))
  sleep 0.5
  xdotool key F2
}

# cursor_clicking X Y: F3 with 单选框3 selected and 100 ms typed, the cursor at
# screen pixel (X, Y) for 0.75 s, then F4: a left double click every 100 ms
# there and nothing after F4's notice.
cursor_clicking() {
  local before after_f4 pairs odd
  click_at 40 122         # 单选框3
  type_into 32 328 100    # 毫秒数
  xdotool mousemove "$1" "$2"
  sleep 0.2
  before=$(presses)
  xdotool key F3
  sleep 0.75
  xdotool key F4
  if wait_until 10 has_window "青禾温馨提示"; then
    pass "F4 shows its notice"
  else
    fail "F4 shows its notice" "no notice"
  fi
  after_f4=$(presses)
  sleep 0.4
  check "no click after F4" test "$(presses)" = "$after_f4"
  grep '^[LlRr] ' "$work/clicks.txt" | tail -n +$((before + 1)) | cut -d' ' -f1-3 >"$work/cursor.txt"
  pairs=$(grep -c "^l $1 $2\$" "$work/cursor.txt" || true)
  odd=$(grep -vcE "^[Ll] $1 $2\$" "$work/cursor.txt" || true)
  check "F3 double-clicks at the cursor's pixel every 100 ms ($pairs pairs, $odd elsewhere)" \
    test "$pairs" -ge 4 -a "$odd" = 0
  xdotool key Return
  wait_until 5 no_window "青禾温馨提示"
}

# The recorder covers the screen but for a hole where the centred window goes.
recorder_around_main_window "$wine" "$bindir" || fail "recorder starts" "no ready line"
start_clicker "$wine" "$bindir"

if wait_until 30 has_window "青禾温馨提示"; then
  if at_design_scale; then
    pass "instructions box shows at start"
    sleep 0.5
    import -display "$DISPLAY" -window root "$artefacts/e2e-$arch-instructions.png"
    # F1 does nothing while the box is open.
    xdotool key F1
    sleep 0.3
  else
    sleep 0.5
  fi
  xdotool key Return
else
  fail "instructions box shows at start" "no box titled 青禾温馨提示"
fi

if wait_until 20 has_window "鼠标坐标"; then
  at_design_scale && pass "main window shows after the box"
else
  fail "main window shows after the box" "no window 鼠标坐标"
  write_checks "$results" "$suite"
  exit 1
fi
sleep 1  # the fade-in
locate_main_window

if ! at_design_scale; then
  # Under emulation the first painting of every control takes seconds: the
  # window is ready for keys once the colour timer has turned the notes red.
  red_note() {
    import -display "$DISPLAY" -window root "$work/look.png"
    [ "$(count_pixels $(px 32) $(px 280) $(px 96) $(px 20) 'r > g + 60 && r > b + 60')" -gt 20 ]
  }
  check "the window is drawn and its notes turn red" wait_until 40 red_note
  check "window centred at the scaled size ($(px 498) x $(px 468), got ${ww} x $wh)" \
    test "$ww" = "$(px 498)" -a "$wh" = "$(px 468)" \
    -a "$wx" = $(((screen_w - $(px 498)) / 2)) -a "$wy" = $(((screen_h - $(px 510)) / 2))

  # Odd points spread across the screen: a click a pixel off would show.
  fill_boxes 2 300 101 103 1101 151 151 951
  xdotool mousemove $((wx + $(px 250))) $((wy + $(px 440)))
  sleep 0.3
  import -display "$DISPLAY" -window root "$artefacts/e2e-$tag-filled.png"
  check "no click before F1" test "$(presses)" = 0

  before=$(presses)
  xdotool key F1
  wait_until 10 at_least_presses $((before + 6))
  sleep 1
  got=$(grep '^[LlRr] ' "$work/clicks.txt" | tail -n +$((before + 1)) | cut -d' ' -f1-3 | tr '\n' ',')
  check "F1 clicks the typed points at exactly those pixels: $got" \
    test "$got" = "L 101 103,L 1101 151,L 151 951,L 101 103,L 1101 151,L 151 951,"

  # F2 inside a long interval: the stop's notice, and nothing clicked after it.
  type_into 160 128 ""
  type_into 296 128 ""
  type_into 160 208 ""
  type_into 296 208 ""
  type_into 32 248 5000
  f1_then_f2
  if wait_until 10 has_window "青禾温馨提示"; then
    pass "F2 shows its notice"
  else
    fail "F2 shows its notice" "no notice"
  fi
  sleep 5
  xdotool key Return
  wait_until 5 no_window "青禾温馨提示"
  sleep 0.5
  got=$(grep '^[LlRr] ' "$work/clicks.txt" | tail -n +$((before + 1)) | cut -d' ' -f1-3 | tr '\n' ',')
  check "F2 ends the run: one click, none after ($got)" test "$got" = "L 101 103,"
  cursor_clicking 123 977
  # The drawn close button, at its scaled place, turns red and ends the program.
  close_by_drawn_button
  write_checks "$results" "$suite"
  exit
fi

check "window centred and locked to 498 x 468" \
  test "$ww" = 498 -a "$wh" = 468 -a "$wx" = $(((screen_w - 498) / 2)) -a "$wy" = $(((screen_h - 510) / 2))

# The drawn frame, once the colour timer has run: the notes red and blue, the
# caption white on the title bar, the corners cut off. Under emulation the
# first painting of every control takes seconds: the screen is photographed
# again until the notes show or 20 s have passed.
# A note counts as red (blue) by the pixels whose red (blue) channel stands
# well above the other two: smoothed text blends its colour into the veiled
# background, so few of its pixels are the pure colour.
for _ in $(seq 40); do
  import -display "$DISPLAY" -window root "$work/look.png"
  red_note=$(count_pixels 32 280 96 20 'r > g + 60 && r > b + 60')
  blue_note=$(count_pixels 152 344 72 24 'b > r + 60 && b > g + 60')
  [ "$red_note" -gt 20 ] && [ "$blue_note" -gt 20 ] && break
  sleep 0.5
done
cp "$work/look.png" "$artefacts/e2e-$arch-framework.png"
check "the notes turn red ($red_note px)" test "$red_note" -gt 20
check "the Esc note turns blue ($blue_note px)" test "$blue_note" -gt 20
caption=$(count_pixels 27 3 90 20 'r > 235 && g > 235 && b > 235')
check "the caption is drawn on the title bar ($caption px)" test "$caption" -gt 30
corner=$(count_pixels 0 0 1 1 'r == 0 && g == 0 && b == 0')
check "outside the rounded corner the screen shows through" test "$corner" = 1

# Points spread across the screen, clicked in row order, three cycles.
fill_boxes 3 200 100 100 1100 150 150 950
xdotool mousemove $((wx + 250)) $((wy + 440))
sleep 0.3
import -display "$DISPLAY" -window root "$artefacts/e2e-$arch-filled.png"
check "no click before F1" test "$(presses)" = 0

cycle=$'L 100 100\nL 1100 150\nL 150 950'
expected="$cycle"$'\n'"$cycle"$'\n'"$cycle"
for interval in 200 1000; do
  [ "$interval" = 200 ] || type_into 32 248 "$interval"
  xdotool mousemove $((wx + 250)) $((wy + 440))
  sleep 0.3
  before=$(presses)
  xdotool key F1
  wait_until $((5 + 9 * interval / 1000)) at_least_presses $((before + 9))
  sleep $((interval / 1000 + 1))
  got=$(grep '^[LlRr] ' "$work/clicks.txt" | tail -n +$((before + 1)) | cut -d' ' -f1-3)
  if [ "$got" = "$expected" ]; then
    pass "F1 at $interval ms clicks the three points in row order, 3 cycles"
  else
    fail "F1 at $interval ms clicks the three points in row order, 3 cycles" "got: $(echo "$got" | tr '\n' ',')"
  fi
done

cursor_clicking 200 600

# Cursor clicking below the 10 ms of a window timer, 1.2 s each: about 1,000,
# 500 and 200 presses a second natively; under emulation a click costs the
# i686 build over a millisecond, and only a window timer's 100 must be beaten.
# The recorder, which lags there, is read once it has caught up.
xdotool mousemove $((wx + 40)) $((wy + 76)) click 1  # 单选框1
for period in 1 2 5; do
  type_into 32 328 "$period"
  xdotool mousemove 200 600
  before=$(presses)
  xdotool key F3
  sleep 1.2
  xdotool key F4
  check "F4 at $period ms shows its notice" wait_until 10 has_window "青禾温馨提示"
  wait_until 10 presses_settled
  after_f4=$(presses)
  rate=$(press_rate "$before" "$after_f4")
  least=$((800 / period))
  [ "$arch" = win64 ] || least=$((250 / period < 120 ? 250 / period : 120))
  check "F3 at $period ms: $rate presses a second, at least $least" \
    python3 -c "import sys; sys.exit(not $least <= float(sys.argv[1]) <= 1050 / $period)" "$rate"
  sleep 0.3
  check "no click after F4 at $period ms" test "$(presses)" = "$after_f4"
  xdotool key Return
  wait_until 5 no_window "青禾温馨提示"
done

# F2, then F1 while the stop's notice is open, inside a 5 s interval: the new
# run clicks its two cycles, and the stopped run never comes back.
type_into 160 128 ""    # rows 1 and 3 emptied: the main point alone
type_into 296 128 ""
type_into 160 208 ""
type_into 296 208 ""
type_into 32 192 2
type_into 32 248 5000
f1_then_f2
wait_until 10 has_window "青禾温馨提示"
sleep 0.3
xdotool key F1
wait_until 10 at_least_presses $((before + 3))
sleep 5.5
xdotool key Return
wait_until 5 no_window "青禾温馨提示"
sleep 1.5
got=$(grep '^[LlRr] ' "$work/clicks.txt" | tail -n +$((before + 1)) | cut -d' ' -f1-3 | tr '\n' ',')
check "F2 then F1 in a 5 s interval: the new run's clicks and nothing after" \
  test "$got" = "L 100 100,L 100 100,L 100 100,"

# An interval beyond 32 bits (cut to its low half it was negative: no wait)
# clicks once and waits; a point left of every monitor (the system would
# press on the screen's edge) is never clicked, and a notice names its row.
for case in "3000000000 100 1" "200 -100 0"; do
  read -r interval x clicks <<<"$case"
  type_into 32 248 "$interval"
  type_into 160 88 "$x"
  xdotool mousemove $((wx + 250)) $((wy + 440))
  sleep 0.3
  before=$(presses)
  xdotool key F1
  [ "$clicks" = 0 ] && check "a point left of every monitor: a notice" wait_until 10 has_window "青禾温馨提示"
  sleep 1.5
  check "interval $interval, X $x: $clicks clicks" test "$(presses)" = $((before + clicks))
  [ "$clicks" = 1 ] && xdotool key F2 && wait_until 10 has_window "青禾温馨提示"
  xdotool key Return
  wait_until 5 no_window "青禾温馨提示"
done
type_into 160 88 100

# A row filled and then cleared with its 清除 button is skipped: two cycles
# click the main point alone (600 ms apart, so that the recorder does not
# take them for a double click).
type_into 32 248 600
type_into 160 128 1100  # X1
type_into 296 128 150   # Y1
xdotool mousemove $((wx + 436)) $((wy + 140)) click 1  # 按钮4: clears row 1
xdotool mousemove $((wx + 250)) $((wy + 440))
sleep 0.3
before=$(presses)
xdotool key F1
wait_until 5 at_least_presses $((before + 2))
sleep 1
got=$(grep '^[LlRr] ' "$work/clicks.txt" | tail -n +$((before + 1)) | cut -d' ' -f1-3 | tr '\n' ',')
if [ "$got" = "L 100 100,L 100 100," ]; then
  pass "a row cleared with its button is skipped"
else
  fail "a row cleared with its button is skipped" "got: $got"
fi

# After 初 始 化 every box holds a space, which counts as empty: F1 asks for
# the loop count (the first box it checks) and clicks nothing.
xdotool mousemove $((wx + 80)) $((wy + 424)) click 1  # 按钮9
xdotool mousemove $((wx + 250)) $((wy + 440))
sleep 0.3
before=$(presses)
xdotool key F1
if wait_until 10 has_window "青禾温馨提示"; then
  pass "F1 after 初 始 化 shows the loop-count notice"
else
  fail "F1 after 初 始 化 shows the loop-count notice" "no notice"
fi
xdotool key Return
wait_until 5 no_window "青禾温馨提示"
check "F1 after 初 始 化 clicks nothing" test "$(presses)" = "$before"

# A count of 1000000 is written back as 1e+006 and still runs a million
# cycles: at 20 ms the run is clicking after 2 s, and F2 ends it.
type_into 32 192 1000000
type_into 32 248 20
type_into 160 88 100
type_into 296 88 100
xdotool mousemove $((wx + 250)) $((wy + 440))
sleep 0.3
before=$(presses)
xdotool key F1
sleep 2.2
at_2s=$(presses)
sleep 0.5
at_2_5s=$(presses)
check "a count of 1000000 at 20 ms still clicks after 2 s ($((at_2s - before)) presses by then, $((at_2_5s - at_2s)) in the next 0.5 s)" \
  test $((at_2_5s - at_2s)) -ge 5
xdotool key F2
if wait_until 10 has_window "青禾温馨提示"; then
  after_stop=$(presses)
  sleep 0.6
  check "F2 ends the million-cycle run: nothing is clicked after its notice" test "$(presses)" = "$after_stop"
  xdotool key Return
  wait_until 5 no_window "青禾温馨提示"
else
  fail "F2 ends the million-cycle run: nothing is clicked after its notice" "no notice"
fi

# Esc in the hotkey list closes the window and ends the program.
xdotool mousemove $((wx + 364)) $((wy + 404)) click 1
sleep 0.2
xdotool key Escape
if wait_until 10 process_gone "$clicker_pid"; then
  pass "Esc in the hotkey list closes the program"
  clicker_pid=""
else
  fail "Esc in the hotkey list closes the program" "still running"
fi

locked_at_design_size() { locate_main_window && [ "$ww" = 498 ] && [ "$wh" = 468 ]; }

# A second start: the drawn close button ends the program.
start_clicker "$wine" "$bindir"
if wait_until 30 has_window "青禾温馨提示"; then
  sleep 0.5
  xdotool key Return
fi
if wait_until 20 has_window "鼠标坐标"; then
  sleep 1
  locate_main_window
  # Sizing by the bottom-right corner is undone by the size lock.
  xdotool mousemove $((wx + ww - 5)) $((wy + wh - 5)) mousedown 1
  sleep 0.2
  xdotool mousemove $((wx + ww + 45)) $((wy + wh + 45))
  sleep 0.3
  eval "$(xdotool getwindowgeometry --shell "$(window_named "鼠标坐标")")"
  during="${WIDTH}x$HEIGHT"
  xdotool mouseup 1
  # The lock comes at the next tick once the window has painted at the size
  # the drag left: under emulation, with its first painting still going on,
  # that may take seconds.
  wait_until 20 locked_at_design_size
  locate_main_window
  check "a corner drag (${during} while dragging) ends locked at 498 x 468" \
    test "$ww" = 498 -a "$wh" = 468
  close_by_drawn_button
else
  fail "the drawn close button ends the program" "no main window"
fi

write_checks "$results" "$suite"
