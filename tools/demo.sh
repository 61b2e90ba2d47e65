#!/usr/bin/env bash
# Writes the demo installation under demo/ and runs what the program can do on it.
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."
echo "KVVELM demo: built in $build."
