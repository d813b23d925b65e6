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
# The pictures at 100 % are the ones the window has always been drawn with:
# at 96 DPI it stays pixel for pixel what it was. (The icon file carries the
# sizes a Windows icon carries beside its 128 x 128 image of before, which
# the picture tests find unchanged in it.)
while read -r sum name; do
  check "$name at 100 % is unchanged" \
    test "$(sha256sum "$ROOT/data/pictures/$name" | cut -c1-64)" = "$sum"
done <<'SUMS'
  6b8c8c9b7dd331d3b8cea111b3c3d7c491694c16e0c6946defc32bfad582da65  arrow_down.png
  d33ca549488d3c103ff2ef70298316487e6637934a0faf0793051c5efeb13053  arrow_left.png
  9023fc2d115fd99a46ad84dccd12421b94cfc84c76ae04ac495d45a246a89c6c  arrow_right.png
  1ad6d7cea7fe62bdc867d61107d2dbc393a685b73916de7ad27ff9cc7f01cc30  arrow_up.png
  0a6486f14a9c2f6f6360e187338f53d513d09f3d15b52cc9914546bce2fa79fa  background.jpg
  72d3d9df1939a26983e0604080dfcf24c8cd0afed85f71f5580ee3e696eea2e0  check_box.png
  80feeb25bdc64e95896aa09d038d7d93082db8a1cd4b21133d99b3224b975402  check_mark.png
  c12308c74d2438f7f3d0dbfd6252a56d72c5a2c82fcf2d79ee0c0a192ca44768  close_button.png
  6b8c8c9b7dd331d3b8cea111b3c3d7c491694c16e0c6946defc32bfad582da65  combo_arrow.png
  dc9a6f0397973e367c8574e4b2a22dbfcf4357707bf67c3d96e34e3564f311ef  help_button.png
  9b1405be06008fabe05aa5d16186dc47250f46d8467e51e5c16a767bdf13188e  icon.ico
  4cddb166195ef3611c2f275656d6dbfe4ac5601d942cde92bcded45aa23d3b1c  main_menu_button.png
  3c0246429d95e9e87b90e3ee2c11c621cb899399deceb981571e31abb1e2555b  maximise_button.png
  1dcbe46bda2caf313beabb53536ea106d60fcbcb5ec0c56dc3f5a872a76efe71  minimise_button.png
  bf66051ce48b42cd4e3841d9edabf3c5a642264b9d4a144487efcb9ca9b333b2  restore_button.png
SUMS
write_checks "$results" pictures
