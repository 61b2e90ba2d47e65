#!/usr/bin/env bash
# Folivo and the report runs against their peers, as `make bench` runs them: Deflate and Inflate
# against zlib and libdeflate, report-style pages against libharu and cairo, then the four reports
# on demo installations at --scale 100 and 200. Usage: bench/run.sh BUILD_FOLDER
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."

echo "== Deflate at each quality against zlib and libdeflate at the mirrored level"
"$build/bench/bench_deflate_vs_peers" --benchmark_counters_tabular=true
echo "== Inflate against zlib and libdeflate"
"$build/bench/bench_inflate" --benchmark_filter=Inflate
echo "== Report-style pages against libharu and cairo"
"$build/bench/bench_pages_vs_peers" 3 1000 10000
echo "== A two-line DejaVu Sans page: file size against cairo"
"$build/bench/bench_font_subset_vs_cairo"
echo "== The four reports on the demo installation"
python3 bench/whole_runs.py "$build" 100 200
