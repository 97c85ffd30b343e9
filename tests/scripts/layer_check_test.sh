#!/usr/bin/env bash
# The layer check refuses a tree with an include against its table, names the file, the line and
# the include, and passes a tree that keeps its floors (the project's own tree among them).
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
check="$root/scripts/layer-check.sh"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail=0
expect() { # expect CODE DESCRIPTION -- output must contain each further argument
  local code="$1" what="$2"; shift 2
  if [ "$rc" != "$code" ]; then echo "FAIL $what: exit $rc, expected $code"; echo "$out"; fail=1; fi
  for text in "$@"; do
    if ! grep -qF -- "$text" <<<"$out"; then echo "FAIL $what: no \"$text\" in:"; echo "$out"; fail=1; fi
  done
}
run() { out="$(bash "$check" "$tmp/src" "$tmp/layers.txt" 2>&1)"; rc=$?; }

mkdir -p "$tmp/src/low" "$tmp/src/high/ui" "$tmp/src/kit"
printf 'low:\nkit: low\nhigh: low\nhigh/ui: low kit high\n' >"$tmp/layers.txt"
printf '#pragma once\n' >"$tmp/src/low/a.h"
printf '#include "low/a.h"\n#include <QString>\n#include "b.h"\n' >"$tmp/src/high/b.cpp"
printf '#include "high/b.h"\n#include "kit/k.h"\n#include "low/a.h"\n' >"$tmp/src/high/ui/page.cpp"
printf '#include "low/a.h"\n' >"$tmp/src/kit/k.h"
run; expect 0 "a tree that keeps its floors"
[ -z "$out" ] || { echo "FAIL a clean tree printed: $out"; fail=1; }

# Downwards is fine, upwards is not: the lower floor including the higher one.
printf '#pragma once\n#include "high/b.h"\n' >"$tmp/src/low/a.h"
run; expect 1 "an upward include" 'src/low/a.h:2: #include "high/b.h": low may not include high'
printf '#pragma once\n' >"$tmp/src/low/a.h"

# The core of an area never includes a ui/ folder, not even its own.
printf '#include "high/ui/page.h"\n' >"$tmp/src/high/c.cpp"
run; expect 1 "a core file including its own ui" \
  'src/high/c.cpp:1: #include "high/ui/page.h": high may not include high/ui'
rm "$tmp/src/high/c.cpp"

# Two folders of one floor may not lean on each other unless the table says so.
printf '  #  include "kit/k.h"\n' >"$tmp/src/high/d.cpp"
run; expect 1 "a sideways include, written loosely" \
  'src/high/d.cpp:1: #include "kit/k.h": high may not include kit'
rm "$tmp/src/high/d.cpp"

# A folder the table does not know is refused, not let through.
mkdir -p "$tmp/src/stray"
printf '#include "low/a.h"\n' >"$tmp/src/stray/s.cpp"
run; expect 1 "an unknown folder" "src/stray/s.cpp: the folder stray is not in the layer table"
rm -r "$tmp/src/stray"

run; expect 0 "the tree put back"

# The project's own tree keeps the floors of its own table.
out="$(bash "$check" 2>&1)"; rc=$?
expect 0 "the project's tree"

[ "$fail" = 0 ] && echo "layer check: all cases passed"
exit "$fail"
