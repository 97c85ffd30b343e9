#!/usr/bin/env bash
# Builds the program and starts it. The database baza.mdb lives next to the executable in
# build/bin/; the build writes an empty one there when none exists and never replaces it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Brak ekranu (DISPLAY): uruchamiam program w wirtualnym ekranie xvfb-run." >&2
  exec xvfb-run -a -s "-screen 0 1600x900x24" build/bin/vexa "$@"
fi
exec build/bin/vexa "$@"
