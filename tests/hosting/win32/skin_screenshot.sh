#!/bin/bash
# skin_screenshot.sh win32|win64 SKIN_DEMO_EXE ARTEFACT_DIR
# Runs the skin demo under Wine at the display scale CLICKER_DPI (96, 120, 144
# or 192), screenshots the instructions box (skinned) and the box after the
# detach (not skinned), dismisses each with xdotool and checks the skin's
# colours: present in the first, absent from the second.
set -uo pipefail
arch=$1 exe=$2 out=$3
dpi=${CLICKER_DPI:-96}
# The pictures at 100 % keep their names; the other scales carry theirs.
[ "$dpi" = 96 ] || arch=$arch-dpi$dpi
here=$(cd "$(dirname "$0")" && pwd)
wine_exec=$here/../../../scripts/lib/wine-exec
mkdir -p "$out"
# At 200 % the box is taller than the test display: it gets a display of its
# own, of a size a screen at that scale has.
if [ "$dpi" = 192 ]; then
  source "$here/../../../scripts/lib/wine-env.sh"
  # The prefix's programs of an earlier test showed on the other display.
  /usr/lib/wine/wineserver -w 2>/dev/null
  XVFB_SCREEN=2560x1600x24 start_xvfb
  trap stop_xvfb EXIT
fi
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY"; exit 1; }

"$wine_exec" "${arch%%-*}" "$exe" &
demo=$!

# The box's top-level window: the newest visible window titled like the box.
wait_for_box() {
  local i id
  for i in $(seq 600); do
    id=$(xdotool search --onlyvisible --name '青禾温馨提示' 2>/dev/null | tail -1)
    if [ -n "$id" ] && [ "$id" != "${1:-}" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.2
  done
  return 1
}

# Pixels of one exact colour in a picture.
count_colour() {
  convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:mean*w*h]' info: |
    awk '{ printf "%d", $1 + 0.5 }'
}

fail() {
  echo "FAIL: $*"
  kill "$demo" 2>/dev/null
  wait "$demo" 2>/dev/null
  exit 1
}

# Screenshots of window $1 into $2 until the check $3 passes (it may still be
# painting on a busy machine), at most 20 s.
shoot_until() {
  local i
  for i in $(seq 40); do
    sleep 0.5
    timeout 5 import -display "$DISPLAY" -window "$1" "$2" 2>/dev/null || continue
    "$3" "$2" && return 0
  done
  return 1
}
# Dismisses box $1 with Return, again while it stays on screen: the test
# display has no window manager, so the focus may lag behind a new box. The
# key goes through XTEST: a key sent to the window itself (XSendEvent) also
# closes the box that comes up next under Wine.
dismiss() {
  local i
  for i in $(seq 20); do
    xdotool search --onlyvisible --name '青禾温馨提示' 2>/dev/null | grep -qx "$1" || return 0
    xdotool windowfocus "$1" 2>/dev/null
    xdotool key Return
    sleep 0.5
  done
  return 1
}
skinned() { [ "$(count_colour "$1" '#2E7D52')" -gt 500 ] && [ "$(count_colour "$1" '#F1FAF3')" -gt 100 ]; }
painted() { [ "$(convert "$1" -format '%k' info:)" -gt 2 ]; }

first=$(wait_for_box) || fail "the instructions box did not appear"
shoot_until "$first" "$out/skin_attached_$arch.png" skinned ||
  echo "the instructions box never showed the skin"
timeout 5 import -display "$DISPLAY" -window root "$out/skin_attached_${arch}_screen.png"
dismiss "$first" || fail "the instructions box stayed after Return"

second=$(wait_for_box "$first") || fail "the box after the detach did not appear"
shoot_until "$second" "$out/skin_detached_$arch.png" painted || fail "the second box never painted"
dismiss "$second" || fail "the box after the detach stayed after Return"

for i in $(seq 100); do
  kill -0 "$demo" 2>/dev/null || break
  sleep 0.2
done
kill -0 "$demo" 2>/dev/null && fail "the demo did not end after both boxes were dismissed"
wait "$demo"
rc=$?
[ "$rc" -eq 0 ] || fail "the demo exited $rc"

# The button face and the top of the gradient of data/skin/skin.txt.
face_on=$(count_colour "$out/skin_attached_$arch.png" '#2E7D52')
top_on=$(count_colour "$out/skin_attached_$arch.png" '#F1FAF3')
face_off=$(count_colour "$out/skin_detached_$arch.png" '#2E7D52')
top_off=$(count_colour "$out/skin_detached_$arch.png" '#F1FAF3')
echo "skinned box: $face_on button-face pixels, $top_on gradient-top pixels"
echo "box after the detach: $face_off button-face pixels, $top_off gradient-top pixels"
[ "$face_on" -gt 500 ] || fail "the instructions box shows no skinned button"
[ "$top_on" -gt 100 ] || fail "the instructions box shows no skin gradient"
[ "$face_off" -eq 0 ] && [ "$top_off" -eq 0 ] || fail "the box after the detach is skinned"
echo "screenshots in $out"
