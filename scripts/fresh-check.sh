#!/usr/bin/env bash
# Proves the README's two commands on a bare Debian 12: builds (once) a minimal bookworm root
# with debootstrap from this machine's own apt source, then, in a fresh copy of it, clones the
# committed HEAD and runs as root `bash scripts/test.sh`, then `timeout 30 bash scripts/run.sh`
# (the program must still be running when the time-out ends it). Prints both results and exits
# non-zero on either failure. Run as root; takes as long as a full build from nothing.
#   bash scripts/fresh-check.sh            (FRESH_DIR=/var/tmp/vexa-fresh by default)
#   bash scripts/fresh-check.sh --prepare  only makes the minimal root
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
base="${FRESH_DIR:-/var/tmp/vexa-fresh}"
pristine="$base/pristine"   # the untouched minimal root, made once
root="$base/root"           # a copy of it, made anew for every check

if [ "$(id -u)" -ne 0 ]; then
  echo "fresh-check: run as root (debootstrap and chroot need it)" >&2
  exit 2
fi

mirror() {
  # The machine's own Debian mirror, from a deb822 or a one-line apt source.
  local m
  m=$(grep -hE '^URIs:' /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '{print $2}' |
      grep -v security | head -n 1 || true)
  if [ -z "$m" ]; then
    m=$(grep -hE '^deb ' /etc/apt/sources.list 2>/dev/null | awk '{print $2}' |
        grep -v security | head -n 1 || true)
  fi
  echo "${m:-http://deb.debian.org/debian}"
}

if [ ! -f "$pristine/.complete" ]; then
  command -v debootstrap >/dev/null || {
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
  }
  rm -rf "$pristine"
  mkdir -p "$base"
  echo "fresh-check: debootstrap --variant=minbase bookworm from $(mirror)"
  debootstrap --variant=minbase bookworm "$pristine" "$(mirror)" >"$base/debootstrap.log" 2>&1 || {
    tail -n 30 "$base/debootstrap.log" >&2
    exit 1
  }
  # The same sources as this machine (security and updates included).
  rm -f "$pristine/etc/apt/sources.list"
  mkdir -p "$pristine/etc/apt/sources.list.d"
  if ls /etc/apt/sources.list.d/*.sources >/dev/null 2>&1; then
    cp /etc/apt/sources.list.d/*.sources "$pristine/etc/apt/sources.list.d/"
  fi
  if [ -s /etc/apt/sources.list ]; then cp /etc/apt/sources.list "$pristine/etc/apt/"; fi
  touch "$pristine/.complete"
fi

if [ "${1:-}" = "--prepare" ]; then
  echo "fresh-check: minimal root ready in $pristine"
  exit 0
fi

cleanup() {
  # A program left running inside the root (an orphan of the time-out) is ended first.
  local p
  for p in /proc/[0-9]*; do
    if [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ]; then kill -9 "${p#/proc/}" 2>/dev/null || true; fi
  done
  for m in dev/pts dev proc sys; do
    mountpoint -q "$root/$m" 2>/dev/null && umount -l "$root/$m" || true
  done
}
trap cleanup EXIT

cleanup
rm -rf "$root"
cp -a "$pristine" "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"

# The committed HEAD only (what a new user clones), with shared/ beside it as in CI.
mkdir -p "$root/work"
commit="$(git -C "$repo" rev-parse --short HEAD)" # the commit checked, whatever HEAD does meanwhile
git clone -q --no-local "$repo" "$root/work/main"
git -C "$root/work/main" checkout -q "$commit"
if [ -d "$repo/../shared" ]; then cp -a "$repo/../shared" "$root/work/shared"; fi

in_root() {
  chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/bash -c "cd /work/main && $1"
}

start=$(date +%s)
test_status=0
in_root "bash scripts/test.sh" >"$base/test.log" 2>&1 || test_status=$?
test_secs=$(( $(date +%s) - start ))

start=$(date +%s)
run_status=0
in_root "timeout 30 bash scripts/run.sh" >"$base/run.log" 2>&1 || run_status=$?
run_secs=$(( $(date +%s) - start ))

echo "fresh-check: commit $commit on a minimal Debian 12 root"
if [ $test_status -eq 0 ]; then
  echo "fresh-check: scripts/test.sh passed in ${test_secs} s: $(grep -E 'tests passed' "$base/test.log" | tail -n 1)"
else
  echo "fresh-check: scripts/test.sh FAILED (exit $test_status) after ${test_secs} s; last lines:"
  tail -n 40 "$base/test.log"
fi
# 124 is timeout's own code: the program was still running after 30 s, as it should be.
if [ $run_status -eq 124 ]; then
  echo "fresh-check: scripts/run.sh started the program; it was still running after 30 s (${run_secs} s in all)"
  run_status=0
else
  echo "fresh-check: scripts/run.sh FAILED: it ended by itself with exit $run_status; last lines:"
  tail -n 40 "$base/run.log"
  run_status=1
fi
echo "fresh-check: logs in $base/test.log and $base/run.log"
[ $test_status -eq 0 ] && [ $run_status -eq 0 ]
