#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang in their own build directory and runs each
# from its seed corpus (fuzz/corpus/NAME, never written to), FUZZ_PARALLEL harnesses at a time.
#
#   fuzz.sh BUILD        the check CI runs: each harness executes a fixed number of inputs (the
#                        table below) from a fixed seed, so the same tree finds the same thing on
#                        any machine, however fast or loaded; FUZZ_PERCENT scales the counts.
#   fuzz.sh BUILD hunt   a search: each harness runs for its share of FUZZ_SECONDS, from a seed
#                        of the clock unless FUZZ_SEED is set; what it finds is worth a corpus
#                        entry, but a run is not repeatable.
#
# FUZZ_SECONDS is harness time, not the wall time of a search: each of the 7 harnesses gets
# FUZZ_SECONDS * FUZZ_PARALLEL / 7 seconds (and a second or two to load its seeds and stop), and
# they run in ceil(7 / FUZZ_PARALLEL) rounds, so two at a time a search lasts about 8/7 of
# FUZZ_SECONDS (1200: 342 s a harness, four rounds, about 23 minutes), one at a time FUZZ_SECONDS,
# either after the build (about 2 minutes from an empty BUILD with JOBS=3, seconds after that).
#
# A crash, a sanitizer report or an input slower than FUZZ_TIMEOUT seconds fails the run: the
# report and the input (base64) go to the log, the input itself stays in BUILD/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
build=${1:-build-fuzz}
mode=${2:-check}
parallel=${FUZZ_PARALLEL:-2}
timeout=${FUZZ_TIMEOUT:-10}
percent=${FUZZ_PERCENT:-100}
jobs=${JOBS:-$(nproc)}

# Harness, the longest input it gets, and the inputs the check executes besides its seeds.  The
# sample reader's inputs each run a whole analysis: its check takes about 200 to 300 s, the
# others 25 to 55 s each (on an 8-core machine busy with other builds).  Two at a time, the
# others all run beside it, so the check takes about as long as the sample reader's harness
# (4 to 5 minutes), after the build.
harnesses=(fuzz_samples:4096:50000 fuzz_dates:512:70000 fuzz_script:2048:110000
           fuzz_graphs:1024:110000 fuzz_contours:1024:3500 fuzz_network:1024:15000
           fuzz_surface:1024:100000)

case "$mode" in
  check) ;;
  hunt) total=${FUZZ_SECONDS:-1800}; seed=${FUZZ_SEED:-0} ;;
  *) echo "fuzz: unknown mode '$mode' (check or hunt)" >&2; exit 2 ;;
esac

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTARV_FUZZ=ON -DCMAKE_C_COMPILER=clang \
      -DCMAKE_CXX_COMPILER=clang++ >/dev/null
names=()
for h in "${harnesses[@]}"; do names+=("${h%%:*}"); done
cmake --build "$build" -j"$jobs" --target "${names[@]}"
# Paths are absolute: some harnesses work in a scratch directory of their own.
case "$build" in /*) ;; *) build="$top/$build" ;; esac
rm -rf "$build/artifacts" "$build/logs"
mkdir -p "$build/artifacts" "$build/logs"
stage=$(mktemp -d /tmp/tarv-fuzz-XXXXXX)
trap 'rm -rf "$stage"' EXIT

run() {
  local name maxlen runs
  IFS=: read -r name maxlen runs <<<"$1"
  local dir="$stage/$name" log="$build/logs/$name.log"
  # Everything the harness is given lies in a folder of its own, under names whose lengths do
  # not depend on where the tree is checked out: the seeds are copied in and listed in sorted
  # order (a directory lists its files in an order of the file system's own, and the order the
  # seeds are read in steers every mutation after them).
  mkdir -p "$dir/seeds" "$dir/corpus"
  cp "$top/fuzz/corpus/$name/"* "$dir/seeds/"
  find "$dir/seeds" -type f | LC_ALL=C sort | paste -sd, >"$dir/seeds.txt"
  ln -s "$build/fuzz/$name" "$dir/harness"
  local limit fixed=()
  if [ "$mode" = check ]; then
    limit=(-seed=1 -runs=$((runs * percent / 100)))
    # The comparisons libFuzzer learns from include addresses (a text checked against null), so
    # a repeatable run also needs the same addresses: no address randomisation, the same
    # environment and arguments of the same lengths everywhere; and no corpus reload, which
    # runs by the clock.
    if setarch "$(uname -m)" -R true 2>/dev/null; then
      fixed=(env -i PATH=/usr/bin:/bin LC_ALL=C setarch "$(uname -m)" -R)
    else
      echo "fuzz: $name: cannot turn off address randomisation here; this run is not repeatable"
    fi
  else
    limit=(-seed="$seed" -max_total_time="$seconds")
  fi
  # New inputs go to the folder's corpus, empty at the start of every run.
  local start=$SECONDS
  if "${fixed[@]}" "$dir/harness" "${limit[@]}" -reload=0 -timeout="$timeout" \
       -max_len="$maxlen" -rss_limit_mb=2048 -print_final_stats=1 -seed_inputs=@"$dir/seeds.txt" \
       -artifact_prefix="$dir/artifact-" "$dir/corpus" >"$log" 2>&1; then
    local done cov
    done=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1)
    echo "fuzz: $name: ${done:-?} inputs, $(ls "$dir/corpus" | wc -l) new, ${cov:-no coverage line}," \
         "$(sed -n 's/^stat::peak_rss_mb: *//p' "$log") MB, $((SECONDS - start)) s, no finding"
  else
    echo "fuzz: $name FAILED; the end of its log:"
    grep -v "^#[0-9]" "$log" | tail -n 60 | cut -c1-400
    for a in "$dir/artifact-"*; do
      [ -e "$a" ] || continue
      cp "$a" "$build/artifacts/$name-${a##*/artifact-}"
      echo "fuzz: $name: input $(basename "$a") (base64):"
      base64 -w 76 "$a"
    done
    return 1
  fi
}
export -f run
seconds=0
if [ "$mode" = hunt ]; then
  seconds=$((total * parallel / ${#harnesses[@]}))
  [ "$seconds" -ge 1 ] || seconds=1
  echo "fuzz: hunting, ${#harnesses[@]} harnesses, ${seconds} s each, ${parallel} at a time"
else
  echo "fuzz: ${#harnesses[@]} harnesses, fixed input counts (${percent} %), ${parallel} at a time"
fi
export top build stage timeout mode percent seconds seed
printf '%s\n' "${harnesses[@]}" | xargs -P "$parallel" -I{} bash -c 'run "$1"' _ {}
