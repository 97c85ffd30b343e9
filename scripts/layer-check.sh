#!/usr/bin/env bash
# The layer check: every #include "folder/..." of a file under src/ must go to its own folder or
# to one the table (scripts/layers.txt) allows it. An area's ui/ folder is a folder of its own
# ("lists/ui"); a file in a folder the table does not name fails too. Prints each include that
# goes against the table (file, line, the include, the rule) and exits 1; silent and 0 when the
# tree keeps its floors.
#
#   bash scripts/layer-check.sh [SRC_DIR [TABLE]]     defaults: src, scripts/layers.txt
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
src="${1:-$root/src}"
table="${2:-$root/scripts/layers.txt}"
[ -d "$src" ] || { echo "layer-check: no folder $src" >&2; exit 2; }
[ -f "$table" ] || { echo "layer-check: no table $table" >&2; exit 2; }

cd "$src"
find . -type f \( -name '*.h' -o -name '*.cpp' \) | sed 's#^\./##' | LC_ALL=C sort |
  xargs -r grep -Hn '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' /dev/null |
  awk -v table="$table" '
    # The folder a path belongs to: its first component, with "/ui" when the second is ui/.
    function folder(path,   n, p) {
      n = split(path, p, "/")
      if (n >= 3 && p[2] == "ui") return p[1] "/ui"
      return p[1]
    }
    BEGIN {
      while ((getline line < table) > 0) {
        sub(/#.*/, "", line)
        if (line !~ /:/) continue
        key = line; sub(/:.*/, "", key); gsub(/[ \t]/, "", key)
        rest = line; sub(/^[^:]*:/, "", rest)
        known[key] = 1
        n = split(rest, allowed, /[ \t]+/)
        for (i = 1; i <= n; i++) if (allowed[i] != "") ok[key, allowed[i]] = 1
      }
      bad = 0
    }
    {
      # file:line:#include "target"
      file = $0; sub(/:.*/, "", file)
      rest = substr($0, length(file) + 2)
      lineno = rest; sub(/:.*/, "", lineno)
      target = rest; sub(/^[^"]*"/, "", target); sub(/".*/, "", target)
      from = folder(file)
      if (!(from in known)) {
        if (!(from in unknown)) {
          printf "src/%s: the folder %s is not in the layer table\n", file, from
          unknown[from] = 1; bad = 1
        }
        next
      }
      if (target !~ /\//) next # a file of the same folder
      to = folder(target)
      if (to == from || ok[from, "*"] || ok[from, to]) next
      printf "src/%s:%s: #include \"%s\": %s may not include %s\n", file, lineno, target, from, to
      bad = 1
    }
    END { exit bad }
  ' || { echo "layer-check: includes against the floors of $table" >&2; exit 1; }
