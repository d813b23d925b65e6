#!/bin/bash
# Installs what the build and the tests need on a Debian 12 machine, as root.
# Quick when everything is present: every step checks first and only then acts.
set -euo pipefail

log() { printf '[deps] %s\n' "$*" >&2; }

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The mirror the machine already uses; the backports suite is added on the same URI.
debian_mirror() {
  local uri=""
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    uri=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources)
  fi
  if [ -z "$uri" ] && [ -f /etc/apt/sources.list ]; then
    uri=$(awk '$1 == "deb" && $0 ~ /bookworm[ \t]/ {for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) {print $i; exit}}' /etc/apt/sources.list)
  fi
  [ -n "$uri" ] || { log "cannot find the Debian mirror in the apt sources"; return 1; }
  printf '%s\n' "$uri"
}

need_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  printf '%s\n' "${missing[@]}"
}

apt_updated=0
# A mirror in the middle of a sync serves index files that fail their hashes
# for a while: the update is tried again, and where one index still fails the
# install below says whether what was fetched is enough.
apt_update_once() {
  if [ "$apt_updated" -eq 0 ]; then
    local try
    for try in 1 2 3 4; do
      as_root apt-get update -qq && break
      log "apt-get update failed (try $try)"
      [ "$try" -lt 4 ] && sleep $((try * 15))
    done
    apt_updated=1
  fi
}

# The suite every architecture has whole: a mirror can serve a broken index
# of one suite for one architecture for days (bookworm-security for i386, say),
# and apt then knows amd64 packages at their security versions and i386 ones
# only at their base versions, which multi-arch packages cannot mix.
BASE_SUITE=bookworm

# apt_install PACKAGE...: installs; when apt finds no consistent set of
# versions, installs again with the base suite as the target release, so
# that both architectures take their versions from one suite. Any other
# failure (a held lock, the network) is reported as it is.
apt_install() {
  local out status=0 reason
  out=$(mktemp)
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "$@" \
    >"$out" 2>&1 || status=$?
  if [ "$status" -ne 0 ] && grep -qE 'held broken packages|unmet dependencies' "$out"; then
    reason=$(grep '^E:' "$out" | tail -1 || true)
    log "install failed (${reason:-apt-get exit $status}); installing again with $BASE_SUITE as the target release, so that amd64 and i386 come from one suite"
    status=0
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends \
      -t "$BASE_SUITE" "$@" >"$out" 2>&1 || status=$?
  fi
  [ "$status" -eq 0 ] || cat "$out" >&2
  rm -f "$out"
  return "$status"
}

ensure_packages() {
  local missing
  mapfile -t missing < <(need_packages "$@" | sed '/^$/d')
  if [ "${#missing[@]}" -gt 0 ]; then
    log "installing ${missing[*]}"
    apt_update_once
    apt_install "${missing[@]}"
  fi
}

ensure_i386() {
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    log "adding the i386 architecture"
    as_root dpkg --add-architecture i386
    apt_updated=0
  fi
}

ensure_backports() {
  if ! grep -rqs 'bookworm-backports' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    local uri
    uri=$(debian_mirror)
    log "adding bookworm-backports from $uri"
    printf 'Types: deb\nURIs: %s\nSuites: bookworm-backports\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' "$uri" |
      as_root tee /etc/apt/sources.list.d/backports.sources >/dev/null
    apt_updated=0
  fi
}

ensure_qemu() {
  local v
  v=$(dpkg-query -W -f='${Version}' qemu-user 2>/dev/null || true)
  case "$v" in
    1:[0-7].* | "")
      ensure_backports
      apt_update_once
      log "installing qemu-user from bookworm-backports"
      DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends -t bookworm-backports qemu-user >/dev/null
      ;;
  esac
}

# The registration does not survive a reboot, so it is checked every time.
ensure_binfmt() {
  if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
    as_root mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  fi
  if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    local conf=/usr/share/qemu/binfmt.d/qemu-i386.conf
    [ -f "$conf" ] || conf=/usr/lib/binfmt.d/qemu-i386.conf
    log "registering qemu-i386 with binfmt_misc"
    if [ -x /usr/lib/systemd/systemd-binfmt ]; then
      as_root /usr/lib/systemd/systemd-binfmt "$conf"
    else
      as_root sh -c "cat '$conf' > /proc/sys/fs/binfmt_misc/register"
    fi
  fi
}

ensure_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    log "generating the zh_CN.UTF-8 locale"
    as_root sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
  fi
}

main() {
  ensure_i386
  ensure_packages cmake ninja-build g++ googletest libgtest-dev \
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix \
    clang libclang-rt-14-dev \
    wine wine64 wine32:i386 xvfb xauth xdotool imagemagick x11-utils \
    locales fonts-arphic-uming fonts-arphic-ukai fonts-wqy-microhei fonts-noto-cjk fonts-wine python3 \
    python3-pil
  ensure_qemu
  ensure_binfmt
  ensure_locale
}

# Sourced (by its test) it only defines the steps.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  main "$@"
fi
