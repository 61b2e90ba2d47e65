#!/usr/bin/env bash
# kvvelm-batch.exe --uscita stampa under wine prints through the Windows spooler and GDI to the
# Linux print system (wine lists the CUPS queues as Windows printers): company 001's list of
# documents goes to a cups-pdf queue, and the printed PDF's text is the PDF target's, page for page.
# "Courier New" is Liberation Mono in the prefix (FontSubstitutes), as fontconfig makes it on Linux.
# Usage: print_test.sh WINDOWS_BUILD_FOLDER. Root only (it starts the CUPS scheduler); exit 77 (skip)
# otherwise. WINEPREFIX names a prepared prefix; without one a prefix is made in a scratch folder.
set -euo pipefail
build=$(cd "$1" && pwd)
queue=KVVELM_Laser  # the printer the demo's printer-settings file names
[ "$(id -u)" = 0 ] || { echo "SKIP: the printing test runs as root only"; exit 77; }
[ -x /usr/lib/cups/backend/cups-pdf ] || { echo "SKIP: printer-driver-cups-pdf is not installed"; exit 77; }

scratch=$(mktemp -d)
started=
cleanup() {
  lpadmin -x "$queue" 2>/dev/null || true
  rm -f "/etc/cups/cups-pdf-$queue.conf"
  [ -z "$started" ] || { kill "$started"; wait "$started" 2>/dev/null || true; }
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The printing service is shared with the Linux printing test: one user at a time.
exec 9>/tmp/kvvelm-printing-test.lock
flock 9
running() { LC_ALL=C lpstat -r 2>/dev/null | grep -q "is running"; }
if ! running; then
  /usr/sbin/cupsd -f >/dev/null 2>&1 &
  started=$!
  for _ in $(seq 75); do running && break; sleep 0.2; done
  running || fail "the CUPS scheduler did not start"
fi
printed=$scratch/printed
mkdir -p "$printed"
chmod 777 "$printed"
printf 'Out %s\nAnonDirName %s\nUserUMask 0000\nLabel 1\n' "$printed" "$printed" >"/etc/cups/cups-pdf-$queue.conf"
# pdftocairo keeps the printed text readable (ghostscript's renderer turns it into Type 3 glyphs).
lpadmin -p "$queue" -v "cups-pdf:/$queue" -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
  -o pdftops-renderer-default=pdftocairo 2>&1 | grep -v "deprecated" || true

export WINEDEBUG=-all
if [ -z "${WINEPREFIX:-}" ]; then
  export WINEPREFIX=$scratch/prefix
  wineboot -i >/dev/null 2>&1
fi
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
  /v "Courier New" /d "Liberation Mono" /f >/dev/null 2>&1

demo=$scratch/demo
wine "$build/tools/demo/kvvelm-mkdemo.exe" "$demo" >/dev/null
cp -r "$demo/drives/c/." "$WINEPREFIX/drive_c/"
batch() {
  env -u KVVELM_PRINTERS KVVELM_REGISTRY="$demo/registry.reg" KVVELM_LOCK="$scratch/kvvelm.lock" \
    timeout 300 wine "$build/cli/kvvelm-batch.exe" "$@" </dev/null | tr -d '\r'
  return "${PIPESTATUS[0]}"
}

info=$(batch --info) || fail "--info: $info"
[[ $info == *"$queue"* ]] || fail "wine does not list the queue $queue: $info"
batch --report documenti --ditte 001 --uscita pdf >/dev/null || fail "the PDF run failed"
batch --report documenti --ditte 001 --uscita stampa >/dev/null || fail "the print run failed"
for _ in $(seq 300); do
  [ -n "$(find "$printed" -name '*.pdf')" ] && [ -z "$(lpstat -o)" ] && break
  sleep 0.2
done

job=$(find "$printed" -name '*.pdf' | head -1)
target=$(find "$demo" -path '*FILE-PDF*' -name '*.pdf' | head -1)
[ -n "$job" ] || fail "no job reached the queue"
[ "$(find "$printed" -name '*.pdf' | wc -l)" = 1 ] || fail "more than one job for one company"
qpdf --check "$job" >/dev/null || fail "the printed PDF does not pass qpdf --check"
# Lines as pdftotext -layout reads them, trimmed, blanks made one, empty lines dropped: the same on
# paper and in the PDF file, whatever the margins. The printed "-" comes back as the soft hyphen,
# the same glyph ("hyphen") at the other code of the Windows code page.
lines() { pdftotext -layout "$1" - | sed 's/\xc2\xad/-/g' | awk '{$1 = $1; if (NF) print}'; }
pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }
diff <(lines "$target") <(lines "$job") >"$scratch/difference" || {
  head -20 "$scratch/difference" >&2
  fail "the printed text differs from the PDF target's"
}
[ "$(pages "$job")" = "$(pages "$target")" ] || fail "pages: printed $(pages "$job"), PDF $(pages "$target")"
pdffonts "$job" | grep -q LiberationMono || fail "the printed job is not in Liberation Mono"
echo "PASS: $(pages "$job") pages, $(lines "$job" | wc -l) lines as the PDF target's"
