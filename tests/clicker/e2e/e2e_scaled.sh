#!/bin/bash
# End to end on a display scaled by the test prefix (CLICKER_DPI, 144 by
# default: 150 %), under Xvfb: the window shows at the scaled size, the points
# typed into it are clicked at exactly those screen pixels, F1 to F4 work, and
# the drawn close button ends the program.
#   e2e_scaled.sh ARCH BINDIR RESULTS_XML ARTEFACT_DIR
set -uo pipefail
arch=$1
bindir=$2
results=$3
artefacts=$4
export CLICKER_DPI=${CLICKER_DPI:-144}
here=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$here/../../.." && pwd)
source "$ROOT/scripts/lib/wine-env.sh"
source "$ROOT/scripts/lib/checks.sh"
source "$ROOT/scripts/lib/drive.sh"

tag="$arch-dpi$CLICKER_DPI"
e2e_begin "$arch"

recorder_around_main_window "$wine" "$bindir" || fail "recorder starts" "no ready line"
start_clicker "$wine" "$bindir"
if wait_until 30 has_window "青禾温馨提示"; then
  sleep 0.5
  xdotool key Return
else
  fail "instructions box shows at start" "no box titled 青禾温馨提示"
fi
if ! wait_until 20 has_window "鼠标坐标"; then
  fail "main window shows after the box" "no window 鼠标坐标"
  write_checks "$results" "e2e-dpi$CLICKER_DPI"
  exit 1
fi
sleep 1
locate_main_window
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
type_into 32 192 2      # 编辑框3: loop count
type_into 32 248 300    # 编辑框4: loop interval
type_into 160 88 101    # X
type_into 296 88 103    # Y
type_into 160 128 1101  # X1
type_into 296 128 151   # Y1
type_into 160 208 151   # X3
type_into 296 208 951   # Y3
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
xdotool mousemove $((wx + $(px 250))) $((wy + $(px 440)))
sleep 0.3
before=$(presses)
xdotool key F1
wait_until 5 at_least_presses $((before + 1))
sleep 0.5
xdotool key F2
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

# Cursor clicking: a left double click every 100 ms where the cursor is.
click_at 40 122         # 单选框3
type_into 32 328 100    # 毫秒数
xdotool mousemove 123 977
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
pairs=$(grep -c '^l 123 977$' "$work/cursor.txt" || true)
odd=$(grep -vcE '^[Ll] 123 977$' "$work/cursor.txt" || true)
check "F3 double-clicks at the cursor's pixel ($pairs pairs, $odd elsewhere)" \
  test "$pairs" -ge 4 -a "$odd" = 0
xdotool key Return
wait_until 5 no_window "青禾温馨提示"

# The drawn close button, at its scaled place, turns red and ends the program.
close_by_drawn_button

write_checks "$results" "e2e-dpi$CLICKER_DPI"
