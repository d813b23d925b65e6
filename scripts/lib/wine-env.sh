# Sourced by the scripts that run Windows programs under Wine.
# One prefix per test run under build/wine/, made fresh by copying a pristine
# template (building a prefix takes ~20 s, copying one well under a second).

ROOT=${ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
WINE_DIR=$ROOT/build/wine
WINE_TEMPLATE=$WINE_DIR/template
# The display scale a program sees: CLICKER_DPI (96, 120, 144 or 192) picks a
# prefix of its own whose LogPixels says so, beside the plain one: the test
# prefix, or the caller's own (the run and the benchmarks have theirs). The
# plain one is kept for the test programs a test run starts at other scales.
export CLICKER_DPI=${CLICKER_DPI:-96}
export WINE_PLAIN_PREFIX=${WINE_PLAIN_PREFIX:-${WINEPREFIX:-$WINE_DIR/prefix}}
if [ "$CLICKER_DPI" = 96 ]; then
  export WINEPREFIX=$WINE_PLAIN_PREFIX
else
  export WINEPREFIX=$WINE_PLAIN_PREFIX-dpi$CLICKER_DPI
fi
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko prompts, no menu entries; a crash must not hang in winedbg
# (under qemu page faults surface as illegal-instruction exceptions).
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
WINE32=/usr/lib/wine/wine
WINE64=/usr/lib/wine/wine64
WINE_MARLETT=/usr/share/wine/fonts/marlett.ttf

# The CJK faces the program asks for, each mapped to the nearest free face of
# its style: the Song faces to AR PL UMing (which, as SimSun does, carries
# hand-made bitmaps for small sizes), Kai to AR PL UKai, YaHei to Noto Sans
# CJK SC, a Hei face with a bold of its own as YaHei has (a bold made up from
# a regular face is wider than the real one). GDI+ under Wine finds none of
# them otherwise. Windows are left unmanaged: the test display has no window
# manager, and Wine would wait two seconds for one at every hide.
# Wine draws the caption buttons and arrows of its own controls (the close
# cross of a message box) with Marlett. Debian's Wine does not find its own
# faces (it looks for them under a path with "..", which it cannot open), so
# Marlett fell back to a CJK face and the cross showed as "r": the prefix is
# told where the face is, and no replacement may ever take its name.
write_prefix_settings() {
  local out=$1
  printf '%s\r\n' \
    'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' \
    '"Managed"="N"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"宋体"="AR PL UMing CN"' \
    '"新宋体"="AR PL UMing CN"' \
    '"SimSun"="AR PL UMing CN"' \
    '"SimSun-ExtB"="AR PL UMing CN"' \
    '"楷体"="AR PL UKai CN"' \
    '"微软雅黑"="Noto Sans CJK SC"' \
    '"Microsoft YaHei"="Noto Sans CJK SC"' '' \
    '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts]' \
    "\"Marlett (TrueType)\"=\"$(winepath_of "$WINE_MARLETT" | sed 's/\\/\\\\/g')\"" '' |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$out"
}

make_wine_template() {
  local tmp=$WINE_DIR/template.tmp
  rm -rf "$tmp"
  mkdir -p "$WINE_DIR"
  echo "[wine] building the template prefix (once)" >&2
  WINEPREFIX=$tmp "$WINE64" wineboot -i >/dev/null 2>&1
  write_prefix_settings "$WINE_DIR/settings.reg"
  WINEPREFIX=$tmp "$WINE64" regedit /S "$(winepath_of "$WINE_DIR/settings.reg")" >/dev/null 2>&1
  WINEPREFIX=$tmp /usr/lib/wine/wineserver -w
  cp "$WINE_DIR/settings.reg" "$tmp/settings.reg"
  mv "$tmp" "$WINE_TEMPLATE"
}

# smooth_text: ClearType text in $WINEPREFIX, as a Windows desktop has it
# (set once per prefix; 64-bit Wine edits the registry of both halves).
smooth_text() {
  [ -e "$WINEPREFIX/.smooth-text" ] && return 0
  local key='HKCU\Control Panel\Desktop'
  "$WINE64" reg add "$key" /v FontSmoothing /d 2 /f >/dev/null 2>&1
  "$WINE64" reg add "$key" /v FontSmoothingType /t REG_DWORD /d 2 /f >/dev/null 2>&1
  "$WINE64" reg add "$key" /v FontSmoothingGamma /t REG_DWORD /d 1400 /f >/dev/null 2>&1
  "$WINE64" reg add "$key" /v FontSmoothingOrientation /t REG_DWORD /d 1 /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
  touch "$WINEPREFIX/.smooth-text"
}

winepath_of() { printf 'Z:%s' "${1//\//\\}"; }

# Makes sure $WINEPREFIX exists; a missing one is copied from the template.
ensure_wine_prefix() {
  mkdir -p "$WINE_DIR"
  (
    flock 9
    # A template made before 32-bit Wine was installed cannot run i686 programs.
    if [ -d "$WINE_TEMPLATE" ] && [ -x "$WINE32" ] && [ ! -e "$WINE_TEMPLATE/drive_c/windows/syswow64/kernel32.dll" ]; then
      rm -rf "$WINE_TEMPLATE"
    fi
    # One made with other settings (the face mapping, say) is made again.
    if [ -d "$WINE_TEMPLATE" ]; then
      write_prefix_settings "$WINE_DIR/settings.now"
      cmp -s "$WINE_DIR/settings.now" "$WINE_TEMPLATE/settings.reg" || rm -rf "$WINE_TEMPLATE"
    fi
    [ -d "$WINE_TEMPLATE" ] || make_wine_template
    # A prefix kept from another template (the run's, made with other
    # settings) is made again too.
    if [ -d "$WINEPREFIX" ] && ! cmp -s "$WINEPREFIX/settings.reg" "$WINE_TEMPLATE/settings.reg"; then
      /usr/lib/wine/wineserver -k 2>/dev/null || true
      /usr/lib/wine/wineserver -w 2>/dev/null || true
      rm -rf "$WINEPREFIX"
    fi
    if [ ! -d "$WINEPREFIX" ]; then
      rm -rf "$WINEPREFIX.tmp"
      cp -a "$WINE_TEMPLATE" "$WINEPREFIX.tmp"
      if [ "$CLICKER_DPI" != 96 ]; then
        WINEPREFIX=$WINEPREFIX.tmp "$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels \
          /t REG_DWORD /d "$CLICKER_DPI" /f >/dev/null 2>&1
        WINEPREFIX=$WINEPREFIX.tmp /usr/lib/wine/wineserver -w
      fi
      mv "$WINEPREFIX.tmp" "$WINEPREFIX"
    fi
  ) 9>"$WINE_DIR/.lock"
}

# Throws the current prefix away (its wineserver first), so the next run starts fresh.
reset_wine_prefix() {
  if [ -d "$WINEPREFIX" ]; then
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    /usr/lib/wine/wineserver -w 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
}

# The same for the test prefixes of every display scale.
reset_test_prefixes() {
  local prefix
  for prefix in "$WINE_DIR/prefix" "$WINE_DIR"/prefix-dpi*; do
    [ -d "$prefix" ] && WINEPREFIX=$prefix reset_wine_prefix
  done
  return 0
}

XVFB_PID=""
# Starts an Xvfb on a free display and exports DISPLAY; its screen is
# XVFB_SCREEN (width x height x depth), 1280 x 1024 unless told.
start_xvfb() {
  local n=90
  while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp -noreset >/dev/null 2>&1 &
  XVFB_PID=$!
  local i
  for i in $(seq 100); do
    [ -e /tmp/.X11-unix/X$n ] && break
    sleep 0.05
  done
  export DISPLAY=":$n"
}

stop_xvfb() {
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  fi
}

wine_for() {
  case "$1" in
    win32) echo "$WINE32" ;;
    win64) echo "$WINE64" ;;
    *) echo "unknown architecture $1" >&2; return 1 ;;
  esac
}
