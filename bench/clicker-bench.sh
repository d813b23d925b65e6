#!/bin/bash
# Timing and idle-cost benchmarks of the real program under Wine on Xvfb.
#   bench/clicker-bench.sh [win64|win32]   (default win64: native, so timing is the program's own)
# Prints a Markdown summary and keeps it in build/bench/clicker-<arch>.md.
set -uo pipefail
arch=${1:-win64}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
export WINEPREFIX=$ROOT/build/wine/bench-prefix
source scripts/lib/wine-env.sh
source scripts/lib/drive.sh

cmake --preset "$arch" >/dev/null && cmake --build --preset "$arch" --target clicker click_recorder >/dev/null || exit 1
bindir=$ROOT/build/$arch/bin
wine=$(wine_for "$arch")
work=$ROOT/build/bench/work-$arch
out=$ROOT/build/bench/clicker-$arch.md
rm -rf "$work"
mkdir -p "$work"
reset_wine_prefix
ensure_wine_prefix
start_xvfb
recorder_pid=""
clicker_pid=""
cleanup() {
  stop_programs
  /usr/lib/wine/wineserver -k 2>/dev/null
  stop_xvfb
}
trap cleanup EXIT

log() { echo "[bench] $*" >&2; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
opacity_gone_and_viewable() {
  local id
  id=$(window_named "鼠标坐标")
  [ -n "$id" ] || return 1
  xwininfo -id "$id" 2>/dev/null | grep -q IsViewable || return 1
  ! xprop -id "$id" _NET_WM_WINDOW_OPACITY 2>/dev/null | grep -q '='
}
dismiss_box() {
  wait_until 30 has_window "青禾温馨提示" || return 1
  sleep 0.3
  xdotool key Return
}
close_clicker() {
  xdotool key Escape
  wait_until 10 process_gone "$clicker_pid" || kill "$clicker_pid"
  wait "$clicker_pid" 2>/dev/null
  clicker_pid=""
}
# slice FROM TO FILE: presses FROM+1 .. TO of the recorder's log into FILE
slice() { grep '^[LlRr] ' "$work/clicks.txt" | sed -n "$(($1 + 1)),$2p" >"$3"; }

# 1. From the instructions box closing to the window fully shown (faded in to alpha 255).
startup=()
for run in 1 2 3 4 5; do
  start_clicker "$wine" "$bindir"
  wait_until 30 has_window "青禾温馨提示" || { log "no instructions box"; exit 1; }
  sleep 0.5
  t0=$(now_ms)
  xdotool key Return
  wait_until 10 opacity_gone_and_viewable
  startup+=($(($(now_ms) - t0)))
  sleep 0.3
  close_clicker
done
startup_sorted=$(printf '%s\n' "${startup[@]}" | sort -n | tr '\n' ' ')
startup_median=$(printf '%s\n' "${startup[@]}" | sort -n | sed -n 3p)
log "box closed -> fully shown: $startup_sorted ms"

# 2. Idle cost over 10 s, window shown, nothing running.
start_recorder "$wine" "$bindir" 0 0 360 1024 || { log "recorder did not start"; exit 1; }
start_clicker "$wine" "$bindir"
dismiss_box
sleep 3
pid=$(pgrep -f 'clicker\.exe' | head -1)
server=$(pgrep -f 'wineserver' | head -1)
hz=$(getconf CLK_TCK)
a=$(cpu_ticks "$pid")
b=$(cpu_ticks "$server")
sleep 10
c=$(cpu_ticks "$pid")
d=$(cpu_ticks "$server")
idle_tool=$(python3 -c "print(round(100.0 * ($c - $a) / $hz / 10, 2))")
idle_server=$(python3 -c "print(round(100.0 * ($d - $b) / $hz / 10, 2))")
log "idle CPU: tool $idle_tool %, wineserver $idle_server %"

# 3. Point-list runs at 10 ms and 50 ms, and xdotool the same way.
locate_main_window
run_points() {  # COUNT INTERVAL
  local before
  before=$(presses)
  type_into 32 192 "$1"
  type_into 32 248 "$2"
  type_into 160 88 100
  type_into 296 88 500
  xdotool mousemove $((wx + 250)) $((wy + 440))
  sleep 0.3
  before=$(presses)
  xdotool key F1
  wait_until 60 at_least_presses $((before + $1))
  sleep 0.3
  slice "$before" $((before + $1)) "$work/run-$2.txt"
}
run_xdotool() {  # COUNT DELAY
  local before
  xdotool mousemove 100 600
  sleep 0.3
  before=$(presses)
  xdotool click --repeat "$1" --delay "$2" 1
  wait_until 60 at_least_presses $((before + $1))
  sleep 0.3
  slice "$before" $((before + $1)) "$work/xdotool-$2.txt"
}
run_points 301 10
run_points 101 50
run_xdotool 301 10
run_xdotool 101 50
stats() { python3 bench/press_stats.py "$1" "$2"; }
field() { python3 -c "import json,sys; print(json.loads(sys.argv[1])['$2'])" "$1"; }
p10=$(stats "$work/run-10.txt" 10)
p50=$(stats "$work/run-50.txt" 50)
x10=$(stats "$work/xdotool-10.txt" 10)
x50=$(stats "$work/xdotool-50.txt" 50)
log "run 10 ms: $p10"
log "run 50 ms: $p50"
log "xdotool 10 ms: $x10"
log "xdotool 50 ms: $x50"

# 4. Cursor clicking at a 10 ms period, left single clicks, for 3 s.
xdotool mousemove $((wx + 40)) $((wy + 76)) click 1  # 单选框1
type_into 32 328 10
xdotool mousemove 100 700
sleep 0.3
before=$(presses)
xdotool key F3
sleep 3
xdotool key F4
sleep 0.3
slice "$before" "$(presses)" "$work/cursor-10.txt"
dismiss_box
rate=$(python3 -c "
import sys
t = [int(l.split()[3]) for l in open('$work/cursor-10.txt')]
print(round((len(t) - 1) / ((t[-1] - t[0]) / 1e6), 1) if len(t) > 1 else 0)")
log "cursor clicking at 10 ms: $rate clicks/s"
close_clicker

machine="$(lscpu | sed -n 's/^Model name: *//p' | head -1), $(nproc) cores, $(uname -r), $(wine --version 2>/dev/null)"
row() { printf '| %s | %s | %s | %s | %s |\n' "$1" "$(field "$2" intervals)" "$(field "$2" median_error_ms)" "$(field "$2" p99_error_ms)" "$(field "$2" p99_abs_error_ms)"; }
{
  echo "Build: $arch under Wine, $(date -u +%Y-%m-%d). Machine: $machine."
  echo
  echo "| Clicks | Intervals | Median error (ms) | p99 error (ms) | p99 of abs. error (ms) |"
  echo "|---|---|---|---|---|"
  row "point-list run, 10 ms" "$p10"
  row "xdotool click --delay 10" "$x10"
  row "point-list run, 50 ms" "$p50"
  row "xdotool click --delay 50" "$x50"
  echo
  echo "- Cursor clicking at a 10 ms period: $rate clicks/s."
  echo "- Idle CPU over 10 s: $idle_tool % of one core in the tool, $idle_server % in wineserver."
  echo "- Instructions box closed to window fully shown: median $startup_median ms (runs: $startup_sorted ms)."
} | tee "$out"
