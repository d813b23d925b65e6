#!/bin/bash
# Costs of the drawn framework under Wine on Xvfb:
#   bench/framework-bench.sh [win64|win32] [OTHER_CLICKER_EXE]
# a full frame rendering at the main window's size at 96 and at 192 DPI, GDI
# objects and private bytes over 1,000 hover fades and 1,000 renderings
# (framework_bench.exe), and the real program's CPU idle (at 96 and 192 DPI)
# and while the mouse moves over its window. With another build of the
# program, its idle CPU is measured beside, turn about.
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
# program_pid EXE: the running Windows program of that file name (the first
# word of its command line is its path; in this script's own command line it
# is an argument); server_pid: the newest wineserver, that of the prefix just
# started.
program_pid() { pgrep -f "^[^ ]*$(basename "$1" | sed 's/\./\\./g')( |$)" | head -1; }
server_pid() { pgrep -n wineserver; }
percent() { python3 -c "print(round(100.0 * ($2 - $1) / $(getconf CLK_TCK) / $3, 2))"; }

other=${2:-}
for dpi in 96 192; do
  CLICKER_DPI=$dpi bash -c 'source scripts/lib/wine-env.sh; ensure_wine_prefix'
  CLICKER_DPI=$dpi scripts/lib/wine-exec "$arch" "$bindir/framework_bench.exe" \
    >"$work/frame-$dpi.txt" 2>/dev/null
  log "$dpi DPI: $(tr '\r\n' '  ' <"$work/frame-$dpi.txt")"
done
value() { sed -n "s/^$2=//p" "$work/frame-$1.txt" | tr -d '\r'; }

# idle EXE DPI: CPU of the program idle over 10 s, "tool server" in per cent.
idle() {
  local exe=$1 a b c d pid server
  (
    export CLICKER_DPI=$2
    source scripts/lib/wine-env.sh
    ensure_wine_prefix
    "$wine" "$exe" >/dev/null 2>&1 &
    wait_until 30 has_window "青禾温馨提示" || exit 1
    sleep 0.3
    xdotool key Return
    wait_until 20 has_window "鼠标坐标" || exit 1
    sleep 3
    xdotool mousemove 5 1000
    sleep 1
    pid=$(program_pid "$exe")
    server=$(server_pid)
    a=$(cpu_ticks "$pid"); b=$(cpu_ticks "$server")
    sleep 10
    c=$(cpu_ticks "$pid"); d=$(cpu_ticks "$server")
    echo "$(percent "$a" "$c" 10) $(percent "$b" "$d" 10)"
    xdotool key Escape
    wait_until 10 process_gone "$pid"
    /usr/lib/wine/wineserver -k 2>/dev/null
    /usr/lib/wine/wineserver -w 2>/dev/null
  )
}
idle_runs=""
for turn in 1 2 3; do
  read -r t s < <(idle "$bindir/clicker.exe" 96)
  idle_runs="$idle_runs; this program at 96 DPI: $t % / $s %"
  log "idle, this program at 96 DPI: tool $t %, wineserver $s %"
  if [ -n "$other" ]; then
    read -r t s < <(idle "$other" 96)
    [ -n "$t" ] || log "the other program gave no figures (no window in 30 s, or it did not end)"
    idle_runs="$idle_runs; the other at 96 DPI: $t % / $s %"
    log "idle, the other program at 96 DPI: tool $t %, wineserver $s %"
  fi
done
read -r idle_tool_192 idle_server_192 < <(idle "$bindir/clicker.exe" 192)
log "idle, this program at 192 DPI: tool $idle_tool_192 %, wineserver $idle_server_192 %"

start_clicker "$wine" "$bindir"
wait_until 30 has_window "青禾温馨提示" || { log "no instructions box"; exit 1; }
sleep 0.3
xdotool key Return
wait_until 20 has_window "鼠标坐标" || { log "no main window"; exit 1; }
sleep 3
locate_main_window
xdotool mousemove 100 900
sleep 1
pid=$(program_pid clicker.exe)
server=$(server_pid)

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
  for dpi in 96 192; do
    echo "- Full frame rendering at $(value $dpi width) x $(value $dpi height) ($(value $dpi dpi) DPI, presented): median $(value $dpi render_median_ms) ms, p90 $(value $dpi render_p90_ms) ms (200 renderings)."
    echo "- At $dpi DPI, live GDI objects: $(value $dpi gdi_before) before, $(value $dpi gdi_after_fades) after 1,000 hover fades, $(value $dpi gdi_after_renders) after 1,000 more renderings; private bytes $(value $dpi private_kib_before), $(value $dpi private_kib_after_fades) and $(value $dpi private_kib_after_renders) KiB."
  done
  echo "- Idle CPU over 10 s, tool / wineserver, turn about${idle_runs}."
  echo "- Idle CPU over 10 s at 192 DPI: $idle_tool_192 % in the tool, $idle_server_192 % in wineserver."
  echo "- Mouse moving over the window for 10 s ($i moves): $move_tool % in the tool, $move_server % in wineserver."
} | tee "$out"
