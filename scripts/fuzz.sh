#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under AddressSanitizer and UndefinedBehaviorSanitizer
# into build-fuzz/ and runs each for SECONDS (default 60), starting from the seeds in
# tests/fuzz/corpus/. A crash, a leak, a hang or undefined behaviour fails the run and leaves
# the input in build-fuzz/findings/.
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
seconds="${1:-60}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then targets=(fuzz_list_file fuzz_person_file fuzz_lines); fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXA_FUZZ=ON \
  -DVEXA_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"

# Seeds as long as the files that once hung the readers: a header, then two million bare CR LF
# (rejoining the pieces of a record must stay linear). Made here, not kept in the repository.
max_len=4194304
big="build-fuzz/seeds-large"
mkdir -p "$big/person_file" "$big/list_file" "$big/lines"
crlf() { awk 'BEGIN { for (i = 0; i < 2000000; i++) printf "\r\n" }'; }
{ printf '\x16\x15\r\nkjj\r\n'; crlf; } >"$big/person_file/crlf.os"            # "LO", "100"
{ printf '\x16\x14\x00\r\n\r\n\r\nkjj\r\n'; crlf; } >"$big/list_file/crlf.lnz" # "LNZ", "", "", "100"
cp "$big/person_file/crlf.os" "$big/lines/crlf"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
mkdir -p build-fuzz/findings
status=0
for t in "${targets[@]}"; do
  seeds="tests/fuzz/corpus/${t#fuzz_}"
  work="build-fuzz/corpus/${t#fuzz_}"   # grows while fuzzing; the seeds stay as they are
  mkdir -p "$work"
  echo "fuzz: $t for ${seconds} s"
  if ! "build-fuzz/fuzz/$t" "$work" "$seeds" "$big/${t#fuzz_}" -max_total_time="$seconds" \
        -timeout=10 -rss_limit_mb=2048 -max_len="$max_len" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/findings/$t-" 2>"build-fuzz/$t.log"; then
    status=1
    tail -n 60 "build-fuzz/$t.log" >&2
    echo "fuzz: $t FAILED (input kept in build-fuzz/findings/)" >&2
  else
    grep -E "^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)" \
      "build-fuzz/$t.log" || true
    # The longest input run: the largest seed, and the length limit the mutations reached.
    grep -E "INFO: seed corpus: " "build-fuzz/$t.log" | tail -n 1 || true
    grep -oE "lim: [0-9]+" "build-fuzz/$t.log" | tail -n 1 | sed 's/^/mutation length /' || true
  fi
done
exit $status
