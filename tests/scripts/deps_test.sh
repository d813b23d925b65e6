#!/bin/bash
# The package step of scripts/lib/deps.sh against a stubbed apt-get: a mirror
# in either state, without touching the machine's packages.
#   deps_test.sh RESULTS_XML
set -uo pipefail
results=$1
here=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$here/../.." && pwd)
source "$ROOT/scripts/lib/checks.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"

# The stub logs every call; it answers as the mirror state in $work/state asks:
#   whole      every install works;
#   i386-lags  an install without a target release finds no consistent set;
#   broken     every install finds no consistent set;
#   locked     every install finds dpkg's lock taken.
cat >"$work/bin/apt-get" <<'STUB'
#!/bin/bash
echo "$*" >>"$STUB_DIR/calls"
state=$(cat "$STUB_DIR/state")
target=""
prev=""
for a in "$@"; do
  [ "$prev" = -t ] && target=$a
  prev=$a
done
case "$state:$target" in
  whole:* | i386-lags:bookworm) echo "Setting up wine32:i386 ..."; exit 0 ;;
  locked:*)
    echo "E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 4242 (unattended-upgr)"
    exit 100
    ;;
  *)
    echo "The following packages have unmet dependencies:"
    echo " wine32:i386 : Depends: libc6:i386 (>= 2.34) but it is not going to be installed"
    echo "E: Unable to correct problems, you have held broken packages."
    exit 100
    ;;
esac
STUB
chmod +x "$work/bin/apt-get"

# run_install STATE: runs the install step in a shell of its own, as root would.
run_install() {
  echo "$1" >"$work/state"
  rm -f "$work/calls"
  (
    export STUB_DIR=$work PATH=$work/bin:$PATH
    source "$ROOT/scripts/lib/deps.sh"
    as_root() { "$@"; }
    apt_install wine32:i386 xdotool
  ) >"$work/out" 2>"$work/err"
}
calls() { [ -f "$work/calls" ] && wc -l <"$work/calls" || echo 0; }
deps_lines() { grep -c '^\[deps\]' "$work/err" || true; }

run_install whole
status=$?
check "a whole mirror: installed at the first try" test "$status" = 0 -a "$(calls)" = 1
check "a whole mirror: the install asks for no target release" \
  test "$(grep -c -- '-t ' "$work/calls")" = 0
check "a whole mirror: nothing is logged" test "$(deps_lines)" = 0

run_install i386-lags
status=$?
check "i386 index behind: the install succeeds" test "$status" = 0
check "i386 index behind: installed again with bookworm as the target release" \
  test "$(calls)" = 2 -a "$(sed -n 2p "$work/calls" | grep -c -- '-t bookworm')" = 1
check "i386 index behind: the second try installs the same packages" \
  test "$(sed -n 2p "$work/calls" | grep -c 'wine32:i386 xdotool$')" = 1
check "i386 index behind: one log line says what happened" \
  test "$(deps_lines)" = 1 -a "$(grep -c 'held broken packages.*bookworm as the target release' "$work/err")" = 1
check "i386 index behind: apt's own output of the failed try is not shown" \
  test "$(grep -c 'unmet dependencies' "$work/err")" = 0

run_install broken
status=$?
check "a broken install: the step fails" test "$status" != 0
check "a broken install: tried twice, then apt's output is shown" \
  test "$(calls)" = 2 -a "$(grep -c 'unmet dependencies' "$work/err")" = 1

run_install locked
status=$?
check "a taken lock: the step fails without a second try from another suite" \
  test "$status" != 0 -a "$(calls)" = 1 -a "$(grep -c -- '-t ' "$work/calls")" = 0
check "a taken lock: apt's message is shown" test "$(grep -c 'Could not get lock' "$work/err")" = 1

# The whole script under set -e: a failed first try must not end it early.
echo i386-lags >"$work/state"
rm -f "$work/calls"
(
  export STUB_DIR=$work PATH=$work/bin:$PATH
  set -e
  source "$ROOT/scripts/lib/deps.sh"
  as_root() { "$@"; }
  apt_updated=1
  need_packages() { printf '%s\n' "$@"; }
  ensure_packages wine32:i386
  echo "after"
) >"$work/out" 2>"$work/err"
check "under set -e the fallback runs and the script goes on" \
  test "$?" = 0 -a "$(calls)" = 2 -a "$(cat "$work/out")" = after

write_checks "$results" deps
