#!/usr/bin/env bash
# Takes the picture of the kvvelm window that the README shows: a demo installation in a scratch
# folder, the window on a virtual X display (xvfb-run), the window's pixels saved as a PNG
# (ImageMagick's import).
# Usage: tools/screenshot.sh [BUILD_FOLDER] [OUTPUT_PNG]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-docs/kvvelm-window.png}
case "$build" in /*) ;; *) build="$PWD/$build" ;; esac
case "$out" in /*) ;; *) out="$PWD/$out" ;; esac
caption="Nuova Gestione Certificazione Parcelle"

if [ "${KVVELM_SCREENSHOT_INSIDE:-}" != 1 ]; then
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  "$build/tools/demo/kvvelm-mkdemo" "$scratch/demo" >/dev/null
  export KVVELM_REGISTRY="$scratch/demo/registry.reg"
  export KVVELM_DRIVES="$scratch/demo/drives"
  export KVVELM_LOCK="$scratch/kvvelm.lock"
  export KVVELM_PRINTERS="Ufficio_Inkjet;KVVELM_Laser"
  export KVVELM_SCREENSHOT_INSIDE=1
  mkdir -p "$(dirname "$out")"
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$out"
fi

# On the virtual display: start the window, wait (at most ten seconds) until it is mapped, give it
# a moment to paint, take its picture and end it.
"$build/gui/kvvelm" &
pid=$!
for _ in $(seq 100); do
  if id=$(xwininfo -name "$caption" 2>/dev/null | awk '/Window id:/ {print $4}') && [ -n "$id" ] \
     && xwininfo -id "$id" | grep -q IsViewable; then
    break
  fi
  id=
  sleep 0.1
done
if [ -z "$id" ]; then
  kill "$pid" 2>/dev/null || true
  echo "screenshot: the window did not appear" >&2
  exit 1
fi
sleep 1
import -window "$id" "$out"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
echo "Window picture written to $out"
