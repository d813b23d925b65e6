#!/bin/bash
# check_export_tables.sh PE_EXPORTS IMAGES_DIR ENGINE_DIR
# pe-exports against binutils' objdump on the test images and the skin engine
# of both machines; the engine's tables checked for what a mapped-from-memory
# module may use; a damaged file refused with exit 1 and a one-line reason.
set -uo pipefail
export LC_ALL=C  # objdump's headings in English
peexports=$1 images=$2 engines=$3
objdump=x86_64-w64-mingw32-objdump
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# What objdump says the export lookup must resolve, in pe-exports' format.
expected() {
  "$objdump" -p "$1" | awk '
    /^Export Address Table -- Ordinal Base/ { base = $NF; mode = "eat"; next }
    /^\[Ordinal\/Name Pointer\] Table/ { mode = "names"; next }
    /^$/ { mode = "" }
    mode == "eat" && /Export RVA/ {
      gsub(/[\[\]]/, " "); split($0, f, " ")
      idx = f[1]; rva = f[4]; sub(/^0+/, "", rva)
      if (rva != "") { eat[idx] = rva; order[++n] = idx }
    }
    mode == "names" && /^\t\[/ {
      gsub(/[\[\]]/, " "); split($0, f, " ")
      if (f[1] in eat) names[++m] = "name " f[2] " " eat[f[1]]
    }
    END {
      for (i = 1; i <= n; i++) print "ordinal " order[i] + base " " eat[order[i]]
      for (i = 1; i <= m; i++) print names[i]
    }'
}

for arch in i686 x86_64; do
  for image in "$images/$arch/sample.dll" "$images/$arch/fake_engine.dll" "$engines/$arch/skinengine.dll"; do
    got=$("$peexports" "$image") || fail "pe-exports refused $image"
    want=$(expected "$image")
    [ -n "$want" ] || fail "objdump shows no exports in $image"
    if [ "$got" != "$want" ]; then
      fail "$image: pe-exports and objdump differ"
      diff <(echo "$want") <(echo "$got")
    fi
  done

  engine=$engines/$arch/skinengine.dll
  names=$("$peexports" "$engine" | awk '$1 == "name" { print $2 }' | sort | tr '\n' ' ')
  [ "$names" = "SkinH_AttachRes SkinH_Detach " ] || fail "$arch engine exports: $names"
  dlls=$("$objdump" -p "$engine" | awk '/DLL Name:/ { print toupper($3) }' | sort | tr '\n' ' ')
  [ "$dlls" = "GDI32.DLL KERNEL32.DLL USER32.DLL " ] || fail "$arch engine imports from: $dlls"
  tls=$("$objdump" -p "$engine" | awk '$1 == "Entry" && $2 == "9" { print $3 $4 }')
  [[ "$tls" =~ ^0+$ ]] || fail "$arch engine has a TLS directory: $tls"
  sections=$("$objdump" -h "$engine" | awk '$1 ~ /^[0-9]+$/ { print $2 }' | tr '\n' ' ')
  case " $sections" in
    *" .tls "* | *" .CRT "* | *" .ctors "* | *" .init_array "*) fail "$arch engine sections: $sections" ;;
  esac
  echo "$arch engine: exports $names; imports $dlls; sections $sections"
done

damaged=$(mktemp)
head -c 63 "$images/i686/sample.dll" >"$damaged"
err=$("$peexports" "$damaged" 2>&1 >/dev/null)
rc=$?
rm -f "$damaged"
[ "$rc" -eq 1 ] || fail "a damaged image gave exit $rc"
[ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] && [ -n "$err" ] || fail "reason is not one line: $err"
echo "damaged image: exit $rc: $err"

echo "$failures failures"
[ "$failures" -eq 0 ]
