#!/bin/bash
# Runs the libFuzzer targets that `make fuzz` built in BUILD/fuzz/.
#
#   tools/fuzz_run.sh smoke BUILD          every target: replay its seeds and regression files
#                                          once, then a seeded run of 20000 inputs or 90
#                                          seconds, whichever ends first
#   tools/fuzz_run.sh long BUILD SECONDS   every target fuzzes SECONDS side by side
#
# Targets run in parallel, at most one per core. Each writes its log to
# BUILD/fuzz-logs/<name>.log and any crashing input to BUILD/fuzz-artifacts/<name>/.
# New inputs a run finds go to BUILD/fuzz-work/<name>/ (emptied before each smoke run, kept
# between long runs); the committed corpus in fuzz/corpus/ is never written.
# Exit status: 0 when every target ran clean.
set -u
cd "$(dirname "$0")/.."

mode=${1:-}
build=${2:-build-fuzz}
seconds=${3:-600}
case "$mode" in
smoke | long) ;;
*)
    echo "usage: $0 smoke|long BUILD [SECONDS]" >&2
    exit 2
    ;;
esac

limits="-timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512"

# Runs one target; prints one line; returns non-zero on a crash, leak or time-out.
run_target() {
    local bin=$1 name=${1##*/fuzz_}
    local log=$build/fuzz-logs/$name.log
    local work=$build/fuzz-work/$name
    local artifacts=$build/fuzz-artifacts/$name
    local corpus=fuzz/corpus/$name regressions=fuzz/regressions/$name
    local dict=""
    [ -f "fuzz/dicts/$name.dict" ] && dict="-dict=fuzz/dicts/$name.dict"
    # The target's own flags (fuzz/options/<name>: one or more a line, # comments).
    local options=()
    [ -f "fuzz/options/$name" ] && read -r -a options <<<"$(grep -v '^#' "fuzz/options/$name" | tr '\n' ' ')"
    mkdir -p "$work" "$artifacts"
    : >"$log"
    local dirs=("$work")
    [ -d "$corpus" ] && dirs+=("$corpus")
    [ -d "$regressions" ] && dirs+=("$regressions")
    local status=0
    if [ "$mode" = smoke ]; then
        rm -rf "$work" && mkdir -p "$work"
        # Every committed input once, by name, so a failure names its file.
        local files=()
        [ -d "$corpus" ] && mapfile -t -O "${#files[@]}" files < <(find "$corpus" -type f | sort)
        [ -d "$regressions" ] &&
            mapfile -t -O "${#files[@]}" files < <(find "$regressions" -type f | sort)
        if [ "${#files[@]}" -gt 0 ]; then
            "$bin" $limits -artifact_prefix="$artifacts/" "${files[@]}" >>"$log" 2>&1 || status=$?
        fi
        if [ "$status" -eq 0 ]; then
            "$bin" -seed=1 -runs=20000 -max_total_time=90 $limits "${options[@]}" $dict -artifact_prefix="$artifacts/" \
                -print_final_stats=1 "${dirs[@]}" >>"$log" 2>&1 || status=$?
        fi
    else
        "$bin" -max_total_time="$seconds" $limits "${options[@]}" $dict -artifact_prefix="$artifacts/" \
            -print_final_stats=1 "${dirs[@]}" >>"$log" 2>&1 || status=$?
    fi
    if [ "$status" -eq 0 ]; then
        echo "fuzz_$name: clean ($(grep -m1 -o 'stat::number_of_executed_units: [0-9]*' "$log" |
            grep -o '[0-9]*$' || echo '?') runs)"
    else
        echo "fuzz_$name: FAILED (exit $status), log $log:"
        grep -E 'Running: |runtime error|ERROR:|SUMMARY:|Test unit written|^ +#[0-9]+ ' "$log" |
            grep -v -E 'Running: .*(corpus|regressions)/.*$' | head -40 | sed 's/^/    /'
        grep -E 'Running: ' "$log" | tail -1 | sed 's/^/    last input: /'
    fi
    return "$status"
}

# The targets are the sources in fuzz/ (a binary left from a removed source is not run).
targets=()
for source in fuzz/*_fuzz.cpp; do
    [ -f "$source" ] || continue
    name=${source##*/}
    name=${name%_fuzz.cpp}
    if [ ! -x "$build/fuzz/fuzz_$name" ]; then
        echo "fuzz-$mode: $build/fuzz/fuzz_$name is missing (run make fuzz)" >&2
        exit 2
    fi
    targets+=("$build/fuzz/fuzz_$name")
done
if [ "${#targets[@]}" -eq 0 ]; then
    echo "fuzz-$mode: no fuzz targets in fuzz/"
    exit 0
fi
mkdir -p "$build/fuzz-logs"

jobs_max=$(nproc)
results=$(mktemp)
trap 'rm -f "$results"' EXIT
running=0
for bin in "${targets[@]}"; do
    if [ "$running" -ge "$jobs_max" ]; then
        wait -n
        running=$((running - 1))
    fi
    (if run_target "$bin"; then echo pass >>"$results"; else echo fail >>"$results"; fi) &
    running=$((running + 1))
done
wait

passed=$(grep -c pass "$results")
failed=$(grep -c fail "$results")
echo "fuzz-$mode: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
