#!/bin/bash
# Costs of the drawn framework under Wine on Xvfb:
#   bench/framework-bench.sh [win64|win32]
# a full frame rendering at the main window's size, GDI objects and private
# bytes over 1,000 hover fades and 1,000 renderings (framework_bench.exe), and
# the real program's CPU idle and while the mouse moves over its window.
# Prints a Markdown summary and keeps it in build/bench/framework-<arch>.md.
set -uo pipefail
arch=${1:-win64}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
export WINE_PLAIN_PREFIX=$ROOT/build/wine/bench-prefix
source scripts/lib/wine-env.sh
source scripts/lib/drive.sh

cmake --preset "$arch" >/dev/null &&
  cmake --build --preset "$arch" --target clicker framework_bench >/dev/null || exit 1
bindir=$ROOT/build/$arch/bin
wine=$(wine_for "$arch")
work=$ROOT/build/bench/framework-work-$arch
out=$ROOT/build/bench/framework-$arch.md
rm -rf "$work"
mkdir -p "$work"
ensure_wine_prefix
start_xvfb
clicker_pid=""
recorder_pid=""
cleanup() {
  stop_programs
  stop_xvfb
}
trap cleanup EXIT
log() { echo "[bench] $*" >&2; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
percent() { python3 -c "print(round(100.0 * ($2 - $1) / $(getconf CLK_TCK) / $3, 2))"; }

"$wine" "$bindir/framework_bench.exe" >"$work/frame.txt" 2>/dev/null
value() { sed -n "s/^$1=//p" "$work/frame.txt" | tr -d '\r'; }
log "$(tr '\r\n' '  ' <"$work/frame.txt")"

start_clicker "$wine" "$bindir"
wait_until 30 has_window "青禾温馨提示" || { log "no instructions box"; exit 1; }
sleep 0.3
xdotool key Return
wait_until 20 has_window "鼠标坐标" || { log "no main window"; exit 1; }
sleep 3
locate_main_window
xdotool mousemove 100 900
sleep 1
pid=$(pgrep -f 'clicker\.exe' | head -1)
server=$(pgrep -f 'wineserver' | head -1)
a=$(cpu_ticks "$pid"); b=$(cpu_ticks "$server")
sleep 10
c=$(cpu_ticks "$pid"); d=$(cpu_ticks "$server")
idle_tool=$(percent "$a" "$c" 10); idle_server=$(percent "$b" "$d" 10)
log "idle: tool $idle_tool %, wineserver $idle_server %"

# Steady mouse movement over the window for 10 s: back and forth along the
# title bar's strip and across the client area, one step every 20 ms.
a=$(cpu_ticks "$pid"); b=$(cpu_ticks "$server")
end=$(($(now_ms) + 10000))
i=0
while [ "$(now_ms)" -lt "$end" ]; do
  x=$((wx + 20 + (i * 7) % (ww - 40)))
  if [ $((i / 60 % 2)) = 0 ]; then y=$((wy + 10)); else y=$((wy + 40 + (i * 5) % (wh - 80))); fi
  xdotool mousemove "$x" "$y"
  sleep 0.02
  i=$((i + 1))
done
c=$(cpu_ticks "$pid"); d=$(cpu_ticks "$server")
move_tool=$(percent "$a" "$c" 10); move_server=$(percent "$b" "$d" 10)
log "moving: tool $move_tool %, wineserver $move_server % ($i moves)"
xdotool key Escape
wait_until 10 process_gone "$clicker_pid" && clicker_pid=""

{
  echo "Build: $arch under Wine, $(date -u +%Y-%m-%d)."
  echo
  echo "- Full frame rendering at 498 x 468 (presented): median $(value render_median_ms) ms, p90 $(value render_p90_ms) ms (200 renderings)."
  echo "- Live GDI objects: $(value gdi_before) before, $(value gdi_after_fades) after 1,000 hover fades, $(value gdi_after_renders) after 1,000 more renderings."
  echo "- Private bytes: $(value private_kib_before) KiB before, $(value private_kib_after_fades) KiB after the fades, $(value private_kib_after_renders) KiB after the renderings."
  echo "- Idle CPU over 10 s with the framework installed: $idle_tool % of one core in the tool, $idle_server % in wineserver."
  echo "- Mouse moving over the window for 10 s ($i moves): $move_tool % in the tool, $move_server % in wineserver."
} | tee "$out"
