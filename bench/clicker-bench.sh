#!/bin/bash
# Timing and idle-cost benchmarks of the real program under Wine on Xvfb.
#   bench/clicker-bench.sh [win64|win32]   (default win64: native, so timing is the program's own)
# Beside every run it clicks the same presses with xdotool and with
# press_floor, a program of ours that makes the run's clicks with no window:
# the floor of what the way of a press through Wine and X allows.
# Prints a Markdown summary and keeps it in build/bench/clicker-<arch>.md.
set -uo pipefail
arch=${1:-win64}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
export WINE_PLAIN_PREFIX=$ROOT/build/wine/bench-prefix
source scripts/lib/wine-env.sh
source scripts/lib/drive.sh

cmake --preset "$arch" >/dev/null && cmake --build --preset "$arch" --target clicker click_recorder press_floor >/dev/null || exit 1
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
# our_pid PATTERN: the process of this prefix (other Wine users may run the same names).
our_pid() {
  local pid
  for pid in $(pgrep -f "$1"); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
      echo "$pid"
      return
    fi
  done
}
percent() { python3 -c "print(round(100.0 * ($2 - $1) / $hz / ($3), 1))"; }
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
recorder_around_main_window "$wine" "$bindir" || { log "recorder did not start"; exit 1; }
start_clicker "$wine" "$bindir"
dismiss_box
sleep 3
pid=$(our_pid 'clicker\.exe')
server=$(our_pid 'wineserver')
hz=$(getconf CLK_TCK)
a=$(cpu_ticks "$pid")
b=$(cpu_ticks "$server")
sleep 10
c=$(cpu_ticks "$pid")
d=$(cpu_ticks "$server")
idle_tool=$(python3 -c "print(round(100.0 * ($c - $a) / $hz / 10, 2))")
idle_server=$(python3 -c "print(round(100.0 * ($d - $b) / $hz / 10, 2))")
log "idle CPU: tool $idle_tool %, wineserver $idle_server %"

# 3. Point-list runs over three points spread across the screen, and xdotool
# the same number of clicks at the same delay.
locate_main_window
type_into 160 88 100    # main point
type_into 296 88 100
type_into 160 128 1100  # row 1
type_into 296 128 150
type_into 160 208 150   # row 3
type_into 296 208 950
run_points() {  # PRESSES INTERVAL
  local before t0 s0 t1 s1 started ended
  type_into 32 192 $((($1 + 2) / 3))
  type_into 32 248 "$2"
  xdotool mousemove $((wx + 250)) $((wy + 440))
  sleep 0.3
  before=$(presses)
  t0=$(cpu_ticks "$pid")
  s0=$(cpu_ticks "$server")
  started=$(now_ms)
  xdotool key F1
  wait_until 120 at_least_presses $((before + $1))
  t1=$(cpu_ticks "$pid")
  s1=$(cpu_ticks "$server")
  ended=$(now_ms)
  run_cpu_tool=$(percent "$t0" "$t1" "$(((ended - started)))/1000.0")
  run_cpu_server=$(percent "$s0" "$s1" "$(((ended - started)))/1000.0")
  wait_until 30 at_least_presses $((before + ($1 + 2) / 3 * 3))
  sleep 0.5
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
# The points of the runs, in row order: main point, row 1, row 3.
run_points_order="100,100 1100,150 150,950"
run_floor() {  # COUNT INTERVAL
  local before
  before=$(presses)
  "$wine" "$bindir/press_floor.exe" "$1" "$2" $run_points_order
  wait_until 60 at_least_presses $((before + $1))
  sleep 0.3
  slice "$before" $((before + $1)) "$work/floor-$2.txt"
}
stats() { python3 bench/press_stats.py "$1" "$2" 0 ${3:+"$3"}; }
field() { python3 -c "import json,sys; print(json.loads(sys.argv[1])['$2'])" "$1"; }
declare -A run_stats xdo_stats floor_stats
for plan in 301:10 101:50 31:200; do
  presses_wanted=${plan%%:*}
  interval=${plan##*:}
  run_points "$presses_wanted" "$interval"
  [ "$interval" = 50 ] && cpu_tool=$run_cpu_tool cpu_server=$run_cpu_server
  run_xdotool "$presses_wanted" "$interval"
  run_floor "$presses_wanted" "$interval"
  floor_stats[$interval]=$(stats "$work/floor-$interval.txt" "$interval" "$run_points_order")
  log "floor $interval ms: ${floor_stats[$interval]}"
  run_stats[$interval]=$(stats "$work/run-$interval.txt" "$interval" "$run_points_order")
  xdo_stats[$interval]=$(stats "$work/xdotool-$interval.txt" "$interval")
  log "run $interval ms: ${run_stats[$interval]}"
  log "xdotool $interval ms: ${xdo_stats[$interval]}"
done
log "CPU during the 50 ms run: tool $cpu_tool %, wineserver $cpu_server %"

# 4. Cursor clicking, left single clicks, at 1, 2, 5 and 10 ms for 3 s each,
# and xdotool the same number of clicks at the same delay.
xdotool mousemove $((wx + 40)) $((wy + 76)) click 1  # 单选框1
declare -A cursor_stats cursor_rate cursor_cpu xdo_cursor_stats xdo_cursor_rate
rate_of() {
  python3 -c "
t = [int(l.split()[3]) for l in open('$1')]
print(round((len(t) - 1) / ((t[-1] - t[0]) / 1e6), 1) if len(t) > 1 else 0)"
}
for period in 1 2 5 10; do
  type_into 32 328 "$period"
  xdotool mousemove 100 700
  sleep 0.3
  before=$(presses)
  t0=$(cpu_ticks "$pid")
  started=$(now_ms)
  xdotool key F3
  sleep 3
  xdotool key F4
  t1=$(cpu_ticks "$pid")
  ended=$(now_ms)
  wait_until 10 has_window "青禾温馨提示"
  sleep 0.3
  slice "$before" "$(presses)" "$work/cursor-$period.txt"
  dismiss_box
  cursor_cpu[$period]=$(percent "$t0" "$t1" "$(((ended - started)))/1000.0")
  cursor_stats[$period]=$(stats "$work/cursor-$period.txt" "$period")
  cursor_rate[$period]=$(rate_of "$work/cursor-$period.txt")
  log "cursor clicking at $period ms: ${cursor_rate[$period]} presses/s, CPU ${cursor_cpu[$period]} %: ${cursor_stats[$period]}"
  count=$(grep -c . "$work/cursor-$period.txt")
  run_xdotool "$count" "$period"
  xdo_cursor_stats[$period]=$(stats "$work/xdotool-$period.txt" "$period")
  xdo_cursor_rate[$period]=$(rate_of "$work/xdotool-$period.txt")
  log "xdotool at $period ms: ${xdo_cursor_rate[$period]} presses/s: ${xdo_cursor_stats[$period]}"
done
close_clicker

machine="$(lscpu | sed -n 's/^Model name: *//p' | head -1), $(nproc) cores, $(uname -r), $(wine --version 2>/dev/null)"
crow() { printf '| %s | %s | %s | %s | %s | %s | %s |\n' "$1" "$2" "$(field "$3" intervals)" "$(field "$3" median_abs_error_ms)" "$(field "$3" p99_abs_error_ms)" "$(field "$3" mean_interval_ms)" "$4"; }
row() { printf '| %s | %s | %s | %s | %s | %s |\n' "$1" "$(field "$2" intervals)" "$(field "$2" median_abs_error_ms)" "$(field "$2" p99_abs_error_ms)" "$(field "$2" mean_interval_ms)" "$(field "$2" misplaced | sed 's/None/-/')"; }
{
  echo "Build: $arch under Wine, $(date -u +%Y-%m-%d). Machine: $machine."
  echo
  echo "| Clicks | Intervals | Median abs. error (ms) | p99 abs. error (ms) | Mean interval (ms) | Off their point |"
  echo "|---|---|---|---|---|---|"
  for interval in 10 50 200; do
    row "point-list run over three points, $interval ms" "${run_stats[$interval]}"
    row "xdotool click --delay $interval" "${xdo_stats[$interval]}"
    row "the same clicks from a program with no window, $interval ms" "${floor_stats[$interval]}"
  done
  echo
  echo "- CPU during the 50 ms run: $cpu_tool % of one core in the tool, $cpu_server % in wineserver."
  echo
  echo "| Cursor clicking | Presses/s | Intervals | Median abs. error (ms) | p99 abs. error (ms) | Mean interval (ms) | CPU of the tool (% of a core) |"
  echo "|---|---|---|---|---|---|---|"
  for period in 1 2 5 10; do
    crow "F3 at $period ms" "${cursor_rate[$period]}" "${cursor_stats[$period]}" "${cursor_cpu[$period]}"
    crow "xdotool click --delay $period" "${xdo_cursor_rate[$period]}" "${xdo_cursor_stats[$period]}" "-"
  done
  echo
  echo "- Idle CPU over 10 s: $idle_tool % of one core in the tool, $idle_server % in wineserver."
  echo "- Instructions box closed to window fully shown: median $startup_median ms (runs: $startup_sorted ms)."
} | tee "$out"
