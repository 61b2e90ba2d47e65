#!/usr/bin/env bash
# kvvelm.exe under wine on a virtual display: the window opens with its title; a user (the driver,
# tests/win32_gui/window_driver.cpp) chooses a company and the list of documents to PDF and confirms,
# and the PDF appears; Ctrl+Shift+P shows the information box; closing the window ends the program.
# Started again, a print run to a printer the spooler does not have stops on the one printer
# question (Riprova / Crea PDF / Annulla), and "Crea PDF" turns the run into PDF files.
# Usage: window_test.sh WINDOWS_BUILD_FOLDER [PICTURE_FOLDER]
# With a picture folder, the window's pictures at start and during the run are saved there
# (kvvelm-win32-window.png, kvvelm-win32-running.png). WINEPREFIX names a prepared prefix; without
# one a prefix is made in a scratch folder. Without a DISPLAY the test runs on a virtual one.
set -euo pipefail
build=$(cd "$1" && pwd)
pictures=${2:-}
caption="Nuova Gestione Certificazione Parcelle"

# Every wine program of the run on one display: wine's desktop takes the display of the first
# program that starts while its server runs, so a program started without one would leave the
# window without a display driver.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
scratch=$(mktemp -d)
window=
cleanup() {
  [ -z "$window" ] || kill "$window" 2>/dev/null || true  # the window still open when a step fails
  [ -n "${KVVELM_KEEP:-}" ] || rm -rf "$scratch"
}
trap cleanup EXIT
export WINEDEBUG=-all
if [ -z "${WINEPREFIX:-}" ]; then
  export WINEPREFIX=$scratch/prefix
  wineboot -i >/dev/null 2>&1
fi
[ -z "$pictures" ] || pictures=$(mkdir -p "$pictures" && cd "$pictures" && pwd)
# The window draws its own frame and title (no window manager on the virtual display).
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

fail() { echo "FAIL: $*" >&2; exit 1; }
demo=$scratch/demo
wine "$build/tools/demo/kvvelm-mkdemo.exe" "$demo" >/dev/null
# The suite's files on drive C: of the prefix.
cp -r "$demo/drives/c/." "$WINEPREFIX/drive_c/"
export KVVELM_REGISTRY=$demo/registry.reg KVVELM_LOCK=$scratch/kvvelm.lock
# A printer the spooler does not have: a print run meets the printer question.
export KVVELM_PRINTERS="KVVELM_Laser"
driver() { wine "$build/tests/win32_gui/kvvelm-window-driver.exe" "$@" | tr -d "\r"; return "${PIPESTATUS[0]}"; }

# The picture of the window (and of a box over it) from the display.
picture() {
  [ -n "$pictures" ] || return 0
  local id
  id=$(xdotool search --name "$caption" | head -1)
  eval "$(xdotool getwindowgeometry --shell "$id")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$pictures/$1"
}

wine "$build/gui/win32/kvvelm.exe" &
window=$!
opened=$(driver window) || fail "the window did not open"
[ "$opened" = "window: $caption" ] || fail "title: $opened"
xdotool search --name "$caption" >/dev/null || fail "no window titled $caption on the display"
sleep 1
picture kvvelm-win32-window.png

# A second start says so, exits 3 and brings the (minimized) running window back, opening none.
driver minimize >/dev/null || fail "the window did not minimize"
wine "$build/gui/win32/kvvelm.exe" &
second=$!
other=$(driver box OK) || fail "a second start showed no box"
[[ $other == *"Un altro KVVELM"* ]] || fail "the second start's box: $other"
status=0
wait "$second" || status=$?
[ "$status" = 3 ] || fail "exit status $status of a second start"
driver front >/dev/null || fail "the running window did not come back to the front, alone"

closing=$(driver select "001 " click "Elenco Documenti" click "Crea PDF" click Conferma box .) ||
  fail "the PDF run did not end in a box"
echo "$closing"
pdf=$(find "$demo" -path '*FILE-PDF*' -name '*.pdf' | head -1)
[ -n "$pdf" ] || fail "no PDF written"
qpdf --check "$pdf" >/dev/null || fail "$pdf does not pass qpdf --check"
[[ $(pdftotext -layout "$pdf" -) == *"DITTA: 001 ROSSI"* ]] || fail "$pdf is not company 001's list of documents"
[[ $closing == *"$(winepath -w "$(dirname "$pdf")")"* ]] || fail "the closing box does not name $(dirname "$pdf")"
# "Apri PDF" on the file, gone since, names it (the closing box was given the real file).
rm "$pdf"
opened=$(driver box "Apri PDF" box OK) || fail "no box after Apri PDF on a missing file"
echo "$opened"
[[ $opened == *"$(winepath -w "$pdf")"* ]] || fail "the failed open does not name $pdf"

xdotool search --name "$caption" windowfocus --sync key ctrl+shift+p
info=$(driver box -) || fail "Ctrl+Shift+P showed no box"
[[ $info == *"Informazioni Progetto"* ]] || fail "the information box: $info"
driver close gone >/dev/null || fail "the window did not close"
status=0
wait "$window" || status=$?
[ "$status" = 0 ] || fail "exit status $status after closing the window"

rm -rf "$demo/FILE-PDF"
wine "$build/gui/win32/kvvelm.exe" &
window=$!
driver select "001 " click "Elenco Documenti" click "Stampa Laser" click Conferma box . >/dev/null ||
  fail "the print run did not stop on a box"
sleep 1
picture kvvelm-win32-running.png
answers=$(driver box "Crea PDF" box OK) || fail "no printer question with Riprova, Crea PDF and Annulla"
echo "$answers"
[ "$(grep -c "Riprova, crea i PDF" <<<"$answers")" = 1 ] || fail "the printer question was not asked once"
[ -n "$(find "$demo" -path '*FILE-PDF*' -name '*.pdf')" ] || fail "Crea PDF wrote no PDF"
driver close gone >/dev/null || fail "the window did not close"
status=0
wait "$window" || status=$?
[ "$status" = 0 ] || fail "exit status $status after a run switched to PDF"
echo "PASS"
