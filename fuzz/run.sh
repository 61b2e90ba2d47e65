#!/usr/bin/env bash
# Runs the fuzz targets built in a folder (cmake -DKVVELM_FUZZ=ON, clang).
#   fuzz/run.sh BUILD              every target once over its seed corpus and its regression inputs
#   fuzz/run.sh BUILD SECONDS      every target fuzzed for SECONDS, two at a time; new inputs that
#                                  reach new code are added to fuzz/corpus/<target>, failures are
#                                  written to fuzz/findings/<target>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?build folder}
seconds=${2:-}
# Limits every input runs under: no input may take more memory or time than these.
limits=(-rss_limit_mb=2048 -malloc_limit_mb=1024 -timeout=20)

targets=()
for t in "$build"/fuzz/fuzz_*; do [ -x "$t" ] && targets+=("$t"); done
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $build/fuzz"; exit 1; }

run_corpus() {
    local target=$1 name=${1##*/fuzz_}
    local inputs=()
    while IFS= read -r -d '' f; do inputs+=("$f"); done < <(find "$here/corpus/$name" "$here/regressions/$name" -type f -print0 2>/dev/null)
    [ ${#inputs[@]} -gt 0 ] || { echo "$name: no inputs"; return 0; }
    local start=$SECONDS
    if "$target" "${limits[@]}" "${inputs[@]}" > "$build/fuzz/$name.log" 2>&1; then
        echo "$name: ${#inputs[@]} inputs passed in $((SECONDS - start)) s"
    else
        echo "$name: FAILED (see $build/fuzz/$name.log)"; tail -n 30 "$build/fuzz/$name.log"; return 1
    fi
}

fuzz_for() {
    local target=$1 name=${1##*/fuzz_}
    mkdir -p "$here/corpus/$name" "$here/findings/$name"
    local dict=()
    [ -f "$here/dict/$name.dict" ] && dict=(-dict="$here/dict/$name.dict")
    "$target" "${limits[@]}" "${dict[@]}" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$here/findings/$name/" "$here/corpus/$name" > "$build/fuzz/$name.fuzz.log" 2>&1 || true
    echo "$name: $(grep -E 'stat::number_of_executed_units|cov:' "$build/fuzz/$name.fuzz.log" | tail -n 2 | tr '\n' ' ')"
}

if [ -z "$seconds" ]; then
    failed=0
    for t in "${targets[@]}"; do run_corpus "$t" || failed=1; done
    exit $failed
fi
for ((i = 0; i < ${#targets[@]}; i += 2)); do
    fuzz_for "${targets[$i]}" &
    [ $((i + 1)) -lt ${#targets[@]} ] && fuzz_for "${targets[$((i + 1))]}" &
    wait
done
