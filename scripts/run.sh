#!/usr/bin/env bash
# Builds the program and starts it. The database baza.mdb lives next to the executable in
# build/bin/; the build writes an empty one there when none exists and never replaces it.
# With --demo the program starts from build/demo/ on a configured demo unit instead (made
# once; delete build/demo/baza.mdb for a fresh one).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
dir=build/bin
if [ "${1:-}" = "--demo" ]; then
  shift
  dir=build/demo
  mkdir -p "$dir"
  cp build/bin/vexa build/bin/us.txt build/bin/kp.txt build/bin/pit11.txt "$dir"/
  if [ ! -f "$dir/baza.mdb" ]; then
    build/bin/vexa-cli demo-db "$dir/baza.mdb" --persons 150
  fi
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Brak ekranu (DISPLAY): uruchamiam program w wirtualnym ekranie xvfb-run." >&2
  exec xvfb-run -a -s "-screen 0 1600x900x24" "$dir/vexa" "$@"
fi
exec "$dir/vexa" "$@"
