#!/bin/bash
# The committed pictures are what make_pictures.py draws: every file it writes
# equals the one in data/pictures byte for byte, and no picture it no longer
# draws is left behind.
#   pictures_reproduce.sh RESULTS_XML
set -uo pipefail
results=$1
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
source "$ROOT/scripts/lib/checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if /usr/bin/python3 "$ROOT/data/pictures/make_pictures.py" "$work" 2>"$work.err"; then
  pass "make_pictures.py runs"
else
  fail "make_pictures.py runs" "$(tail -1 "$work.err")"
fi
rm -f "$work.err"
for drawn in "$work"/*; do
  name=$(basename "$drawn")
  check "$name is the committed file" cmp -s "$drawn" "$ROOT/data/pictures/$name"
done
for kept in "$ROOT"/data/pictures/*.png "$ROOT"/data/pictures/*.jpg "$ROOT"/data/pictures/*.ico; do
  name=$(basename "$kept")
  check "$name is still drawn" test -f "$work/$name"
done
write_checks "$results" pictures
