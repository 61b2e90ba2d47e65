#!/usr/bin/env bash
# Writes the demo installation under demo/ and runs what the program can do on it.
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."
case "$build" in /*) ;; *) build="$PWD/$build" ;; esac
echo "KVVELM demo: built in $build."

demo="$PWD/demo"
rm -rf "$demo"
"$build/tools/demo/kvvelm-mkdemo" "$demo"

export KVVELM_REGISTRY="$demo/registry.reg"
export KVVELM_DRIVES="$demo/drives"
export KVVELM_LOCK="$demo/kvvelm.lock"
# The printers the demo pretends are installed; the printer-settings file names the second.
export KVVELM_PRINTERS="Ufficio_Inkjet;KVVELM_Laser"

echo
echo "To run KVVELM on the demo installation, set:"
echo "  export KVVELM_REGISTRY=$KVVELM_REGISTRY"
echo "  export KVVELM_DRIVES=$KVVELM_DRIVES"
echo "(optional: export KVVELM_PRINTERS=\"$KVVELM_PRINTERS\")"
echo
echo "\$ kvvelm-batch --info"
"$build/cli/kvvelm-batch" --info

# Every report of the demo installation to PDF: all companies, the previous year, all months.
for report in documenti registro certificazioni percipienti; do
  echo
  echo "\$ kvvelm-batch --report $report --ditte tutte --uscita pdf"
  "$build/cli/kvvelm-batch" --report "$report" --ditte tutte --uscita pdf
done

echo "PDF files written:"
find "$demo/FILE-PDF" -name '*.pdf' | sort | sed "s|^$demo/|  demo/|"
