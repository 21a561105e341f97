#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang in their own build directory and runs each
# from its seed corpus (fuzz/corpus/NAME, never written to) for its share of FUZZ_SECONDS,
# FUZZ_PARALLEL harnesses at a time.  A crash, a sanitizer report or an input slower than
# FUZZ_TIMEOUT seconds fails the run: the report and the input (base64) go to the log, the
# input itself stays in BUILD/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
build=${1:-build-fuzz}
total=${FUZZ_SECONDS:-150}
parallel=${FUZZ_PARALLEL:-2}
timeout=${FUZZ_TIMEOUT:-10}
jobs=${JOBS:-$(nproc)}

# Harness and the longest input it gets.
harnesses=(fuzz_samples:4096 fuzz_dates:512 fuzz_script:2048 fuzz_graphs:1024
           fuzz_contours:1024 fuzz_network:1024 fuzz_surface:1024)

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTARV_FUZZ=ON -DCMAKE_C_COMPILER=clang \
      -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j"$jobs" --target "${harnesses[@]%%:*}"
seconds=$(( total * parallel / ${#harnesses[@]} ))
[ "$seconds" -ge 1 ] || seconds=1
# Paths are absolute: some harnesses work in a scratch directory of their own.
case "$build" in /*) ;; *) build="$top/$build" ;; esac
rm -rf "$build/artifacts" "$build/corpus" "$build/logs"
mkdir -p "$build/artifacts" "$build/corpus" "$build/logs"

run() {
  local name=${1%%:*} maxlen=${1##*:}
  local corpus="$build/corpus/$name" log="$build/logs/$name.log"
  mkdir -p "$corpus"
  # A fixed seed keeps a run repeatable (given the same code); the harness reads its seeds and
  # writes what it finds new to a corpus of its own in the build directory.
  if "$build/fuzz/$name" -seed=1 -max_total_time="$seconds" -timeout="$timeout" \
       -max_len="$maxlen" -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$build/artifacts/$name-" "$corpus" "$top/fuzz/corpus/$name" >"$log" 2>&1; then
    local runs
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz: $name: ${runs:-?} inputs in ${seconds} s, no finding"
  else
    echo "fuzz: $name FAILED; the end of its log:"
    grep -v "^#[0-9]" "$log" | tail -n 60 | cut -c1-400
    for a in "$build/artifacts/$name-"*; do
      [ -e "$a" ] || continue
      echo "fuzz: $name: input $(basename "$a") (base64):"
      base64 -w 76 "$a"
    done
    return 1
  fi
}
export -f run
export top build seconds timeout

echo "fuzz: ${#harnesses[@]} harnesses, ${seconds} s each, ${parallel} at a time"
printf '%s\n' "${harnesses[@]}" | xargs -P "$parallel" -I{} bash -c 'run "$1"' _ {}
