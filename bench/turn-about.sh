#!/bin/bash
# Frame and family painting of this build beside another, turn about in one
# run, so both see the same machine:
#   bench/turn-about.sh OTHER_BINDIR [ROUNDS] [win64|win32] [FAMILY_COUNT]
# OTHER_BINDIR holds the other build's framework_bench.exe and
# families_bench.exe. Each round runs the frame bench at 96 and 192 DPI and
# the family bench, this build first, then the other. Prints a Markdown
# table of the medians of each round and keeps it in
# build/bench/turn-about-<arch>.md.
set -uo pipefail
other=${1:?usage: bench/turn-about.sh OTHER_BINDIR [ROUNDS] [ARCH] [FAMILY_COUNT]}
rounds=${2:-3}
arch=${3:-win64}
count=${4:-2000}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
export WINE_PLAIN_PREFIX=$ROOT/build/wine/bench-prefix
source scripts/lib/wine-env.sh

cmake --preset "$arch" >/dev/null &&
  cmake --build --preset "$arch" --target framework_bench families_bench >/dev/null || exit 1
this=$ROOT/build/$arch/bin
work=$ROOT/build/bench/turn-about-$arch
out=$ROOT/build/bench/turn-about-$arch.md
rm -rf "$work"
mkdir -p "$work"
ensure_wine_prefix
start_xvfb
trap stop_xvfb EXIT
for dpi in 96 192; do CLICKER_DPI=$dpi bash -c 'source scripts/lib/wine-env.sh; ensure_wine_prefix'; done

# run NAME BINDIR ROUND: one round of one build, its figures in work/NAME-ROUND-*.txt.
run() {
  for dpi in 96 192; do
    CLICKER_DPI=$dpi scripts/lib/wine-exec "$arch" "$2/framework_bench.exe" \
      >"$work/$1-$3-frame$dpi.txt" 2>/dev/null
  done
  scripts/lib/wine-exec "$arch" "$2/families_bench.exe" "$count" >"$work/$1-$3-families.txt" \
    2>/dev/null
}
for round in $(seq "$rounds"); do
  echo "[bench] round $round of $rounds" >&2
  run this "$this" "$round"
  run other "$other" "$round"
done

python3 - "$work" "$rounds" <<'EOF' | tee "$out"
import pathlib, sys
work, rounds = pathlib.Path(sys.argv[1]), int(sys.argv[2])
def figures(name, round_, part):
    values = {}
    for line in (work / f"{name}-{round_}-{part}.txt").read_text().splitlines():
        key, _, value = line.strip().partition("=")
        values[key] = value
    return values
rows = [("frame rendering, 96 DPI", "frame96", "render_median_ms"),
        ("frame rendering, 192 DPI", "frame192", "render_median_ms")]
families = figures("this", 1, "families")
rows += [(f"{key[:-len('_median_ms')]} repaint", "families", key)
         for key in families if key.endswith("_median_ms")]
print("| Median (ms), per round | this build | the other |")
print("|---|---|---|")
for label, part, key in rows:
    cells = [" ".join(figures(name, r, part).get(key, "-") for r in range(1, rounds + 1))
             for name in ("this", "other")]
    print(f"| {label} | {cells[0]} | {cells[1]} |")
gdi = [(name, figures(name, 1, "frame96").get("gdi_after_renders", "-")) for name in ("this", "other")]
print()
print("Live GDI objects after 1,000 renderings at 96 DPI: " +
      ", ".join(f"{name} {value}" for name, value in gdi) + ".")
EOF
