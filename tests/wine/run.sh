#!/usr/bin/env bash
# The Windows programs under wine, in one prefix on a virtual display, judged by the Linux tools: the
# unit tests; the four reports on the demo installation (in a folder named "Società", one company
# renamed "CAFFÈ", the certificates dated in "Città di Castello") compared with the Linux build's,
# the archives left byte-identical; the batch's messages and exit statuses, a missing launch file;
# the registry read from wine's registry; the installer; the window played by
# kvvelm-window-driver.exe (tests/win32_gui); and, as root, printing through wine's spooler to a
# cups-pdf queue.
# Usage: tests/wine/run.sh LINUX_BUILD WINDOWS_BUILD. KVVELM_PICTURES=FOLDER saves the window's
# pictures there (the README's). Exit status: 0 when every check passed.
set -uo pipefail
# wine's desktop keeps the display of the first program of its server: every program gets this one.
[ -n "${DISPLAY:-}" ] || exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
linux=$(realpath "$1")
win=$(realpath "$2")
work="$win/wine-run"
# The demo installations, in folders with an accented name, as an office's may be.
ldemo="$work/Società-linux" wdemo="$work/Società-win"
pictures=${KVVELM_PICTURES:+$(mkdir -p "$KVVELM_PICTURES" && realpath "$KVVELM_PICTURES")}
# wine names Unix files in the locale's character set: UTF-8, as the Linux build does. Quiet, without
# the mono and gecko installers; the same local time on both systems, in a form Windows reads too.
export LC_ALL=C.UTF-8 WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEARCH=win64 \
    WINEDLLOVERRIDES="mscoree=;mshtml=" TZ=CET-1CEST
caption="Nuova Gestione Certificazione Parcelle"
queue=KVVELM_Laser  # the printer the demo's printer-settings file names
failures=0

say() { printf '%s\n' "$*"; }
check() {  # check NAME COMMAND...
    local name=$1; shift
    if "$@"; then say "  ok   $name"; else say "  FAIL $name"; failures=$((failures + 1)); fi
}
winpath() { winepath -w "$1" 2>/dev/null; }
cleanup() {
    lpadmin -x "$queue" 2>/dev/null
    rm -f "/etc/cups/cups-pdf-$queue.conf"
    [ -z "${cupsd:-}" ] || kill "$cupsd" 2>/dev/null
    [ -z "${window:-}" ] || kill "$window" 2>/dev/null
    wineserver -k 2>/dev/null
}
trap cleanup EXIT

prepare_prefix() {
    rm -rf "$work"
    mkdir -p "$work"
    wineboot -i >/dev/null 2>&1
    wineserver -p 60  # keep the server for the whole run
    # An Italian user's regional settings: "," and dd/MM/yyyy, as on Linux under the C locale.
    wine reg add 'HKCU\Control Panel\International' /v sDecimal /d , /f >/dev/null 2>&1
    wine reg add 'HKCU\Control Panel\International' /v sShortDate /d dd/MM/yyyy /f >/dev/null 2>&1
    # The window draws its own frame (no window manager on the virtual display); "Courier New" is
    # Liberation Mono, as fontconfig makes it on Linux.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
        /v "Courier New" /d "Liberation Mono" /f >/dev/null 2>&1
}

run_unit_tests() {
    local exe
    for exe in "$win"/tests/*/*_tests.exe; do
        local log="$work/$(basename "$exe" .exe).log"
        check "$(basename "$exe")" eval '(cd "$(dirname "$exe")" && wine "$exe" --gtest_brief=1 >"$log" 2>&1) ||
            ! tail -30 "$log"'
    done
}

# A demo installation for each system, the Windows one with Windows paths and C:\ as drive C.
# Company 003 becomes "L'ARTIGIANA DEL CAFFÈ" (È is one byte in Windows-1252, the same length).
make_demos() {
    "$linux/tools/demo/kvvelm-mkdemo" "$ldemo" >/dev/null
    wine "$win/tools/demo/kvvelm-mkdemo.exe" "$(winpath "$wdemo")" >/dev/null
    cp -r "$wdemo/drives/c/." "$WINEPREFIX/drive_c/"
    LC_ALL=C sed -i 's/DEL LEGNO/DEL CAFF\xc8/g' "$ldemo"/archivi/* "$wdemo"/archivi/*
}

linux_batch() {  # linux_batch ARGS...
    KVVELM_REGISTRY="$ldemo/registry.reg" KVVELM_DRIVES="$ldemo/drives" KVVELM_LOCK="$work/linux.lock" \
        KVVELM_PRINTERS="Ufficio_Inkjet;KVVELM_Laser" "$linux/cli/kvvelm-batch" "$@" </dev/null
}

# win_batch ARGS...: KVVELM_REGISTRY and KVVELM_LOCK may be set by the caller; SPOOLER=1 prints
# through wine's spooler instead of a list of printers.
win_batch() {
    local printers=(KVVELM_PRINTERS="Ufficio_Inkjet;KVVELM_Laser")
    [ -z "${SPOOLER:-}" ] || printers=(-u KVVELM_PRINTERS)
    env "${printers[@]}" KVVELM_REGISTRY="${KVVELM_REGISTRY-$(winpath "$wdemo/registry.reg")}" \
        KVVELM_LOCK="${KVVELM_LOCK:-kvvelm-wine-test}" timeout 300 wine "$win/cli/kvvelm-batch.exe" "$@" \
        </dev/null | tr -d '\r'
    return "${PIPESTATUS[0]}"
}

# The PDF with its dates (and the identifier made from them) blanked. A date inside a compressed
# stream (the XMP metadata of a compressed document) changes the stream's bytes and may change its
# length: such a stream is compared decoded, and stream lengths and cross-reference offsets are left
# out (qpdf --check judges those).
undated() {
    /usr/bin/python3 - "$1" <<'PY'
import re, sys, pikepdf
dates = [rb"D:\d{14}[-+Z]?(\d\d'\d\d'?)?", rb"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d([-+]\d\d:\d\d|Z)?"]
data = open(sys.argv[1], "rb").read()
with pikepdf.open(sys.argv[1]) as pdf:
    for obj in pdf.objects:
        if isinstance(obj, pikepdf.Stream) and any(re.search(d, obj.read_bytes()) for d in dates):
            data = data.replace(obj.read_raw_bytes(), obj.read_bytes())
for pattern in dates + [rb"/ID\s*\[\s*<[0-9A-Fa-f]*>\s*<[0-9A-Fa-f]*>\s*\]", rb"/Length \d+",
                        rb"\d{10} \d{5} [nf]", rb"startxref\s+\d+"]:
    data = re.sub(pattern, lambda m: re.sub(rb"\d+", b"0", m.group(0)), data)
sys.stdout.buffer.write(data)
PY
}

# Both systems' standard output, standard error and exit status for the same arguments, the demo
# folders, the separators and the line ends made alike.
same_run() {  # same_run NAME ARGS...
    local name=$1; shift
    linux_batch "$@" >"$work/linux.out" 2>"$work/linux.err"; local ls=$?
    win_batch "$@" >"$work/win.out" 2>"$work/win.err"; local ws=$?
    sed -i "s|$ldemo|DEMO|g" "$work"/linux.{out,err}
    sed -i "s|$(winpath "$wdemo" | sed 's|\\|\\\\|g')|DEMO|g; s|\\\\|/|g; s|\r\$||" "$work"/win.{out,err}
    check "$name: exit $ws as on Linux, the same messages" eval '[ "$ws" = "$ls" ] &&
        diff "$work/linux.out" "$work/win.out" && diff "$work/linux.err" "$work/win.err"'
}

archives_digest() { (cd "$wdemo/archivi" && find . -type f -print0 | sort -z | xargs -0 sha256sum); }

# Every report on both systems, the certificates dated with an accented place given on the command
# line, then each Windows PDF against the Linux one.
compare_reports() {
    local before; before=$(archives_digest)
    local report
    for report in documenti registro percipienti; do
        same_run "$report" --report "$report" --ditte tutte --uscita pdf
    done
    same_run certificazioni --report certificazioni --ditte tutte --uscita pdf --data "Città di Castello, 15/01/2026"
    check "archives byte-identical after the reports" test "$before" = "$(archives_digest)"
    local pdfs; pdfs=$(cd "$ldemo/FILE-PDF" && find . -name '*.pdf' | sort)
    check "the same PDF files ($(wc -l <<<"$pdfs"), one named CAFFÈ)" eval '[[ $pdfs == *"CAFFÈ"* ]] &&
        [ "$pdfs" = "$(cd "$wdemo/FILE-PDF" && find . -name "*.pdf" | sort)" ]'
    local pdf bad=0
    while read -r pdf; do
        local l="$ldemo/FILE-PDF/$pdf" w="$wdemo/FILE-PDF/$pdf"
        cmp -s <(undated "$l") <(undated "$w") || { say "    differs: $pdf"; bad=1; }
        qpdf --check "$w" >/dev/null 2>&1 || { say "    qpdf --check: $pdf"; bad=1; }
    done <<<"$pdfs"
    check "every PDF byte for byte as Linux's apart from dates, qpdf-clean" test "$bad" = 0
    local certificate; certificate=$(find "$wdemo/FILE-PDF" -name 'PARC_*' | head -1)
    check "the certificates dated in Città di Castello" \
        grep -q "Città di Castello, 15/01/2026" <(pdftotext "$certificate" -)
}

choices_and_statuses() {
    exec 9>/tmp/kvvelm-printing-test.lock  # no test's queue named as the demo's printer meanwhile
    flock 9
    same_run "a choice missing" --report registro
    same_run "a month out of range" --report registro --ditte 001 --mesi 13
    same_run "an unknown option" --bogus
    same_run "--help" --help
    same_run "--info" --info
    same_run "a print run to a printer that refuses jobs" --report documenti --ditte 001 --uscita stampa
    local before; before=$(archives_digest)
    mv "$WINEPREFIX/drive_c/CORVIN" "$WINEPREFIX/drive_c/CORVIN.off"
    win_batch --report documenti --ditte 001 --uscita pdf >/dev/null 2>"$work/win.err"
    local status=$?
    mv "$WINEPREFIX/drive_c/CORVIN.off" "$WINEPREFIX/drive_c/CORVIN"
    check "a missing launch file: exit 2, named on standard error, no archive file made" eval '[ $status = 2 ] &&
        grep -q "C:.CORVIN.CORVIN.INI" "$work/win.err" && [ "$before" = "$(archives_digest)" ]'
}

registry_from_wine() {
    # reg reads an 8-bit file in the ANSI code page: the accented folder goes in as UTF-16, as
    # regedit exports it.
    iconv -f UTF-8 -t UTF-16 "$wdemo/registry.reg" >"$work/registry-utf16.reg"
    wine reg import "$(winpath "$work/registry-utf16.reg")" >/dev/null 2>&1
    # Without the older path files on C:, which name the same folders, only the registry can.
    rm -rf "$WINEPREFIX/drive_c/PQTPAGHE"
    KVVELM_REGISTRY="" win_batch --info >"$work/info-registry.out" 2>&1
    local rs=$?
    win_batch --info >"$work/info-standin.out" 2>&1
    check "the real registry after reg import gives what the stand-in gives" \
        eval '[ "$rs" = 0 ] && cmp -s "$work/info-registry.out" "$work/info-standin.out"'
}

installer() {
    local setup; setup=$(ls "$win"/installer/kvvelm-*-setup.exe 2>/dev/null | head -1)
    local target="$WINEPREFIX/drive_c/Program Files/KVVELM"
    wine "$setup" /S >/dev/null 2>&1
    for _ in $(seq 100); do [ -e "$target/uninstall.exe" ] && break; sleep 0.2; done
    check "installs the window, the batch and the Start-menu entry" test -e "$target/kvvelm.exe" \
        -a -e "$target/kvvelm-batch.exe" \
        -a -e "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/KVVELM/KVVELM.lnk"
    check "the installed kvvelm-batch runs" eval 'wine "$target/kvvelm-batch.exe" --help >/dev/null 2>&1'
    wine "$target/uninstall.exe" /S >/dev/null 2>&1
    # The uninstaller runs from a copy of itself and returns at once: wait for the folder to go.
    for _ in $(seq 300); do [ -e "$target" ] || break; sleep 0.2; done
    check "uninstalls silently, the folder removed" test ! -e "$target"
}

# As root with cups-pdf: company 001's list of documents printed by kvvelm-batch.exe through wine's
# spooler and GDI to a cups-pdf queue (wine lists the CUPS queues as Windows printers) reads as the
# PDF target, page for page, in Liberation Mono.
printing() {
    [ "$(id -u)" = 0 ] && [ -x /usr/lib/cups/backend/cups-pdf ] || { say "  skip: root with cups-pdf only"; return; }
    running() { LC_ALL=C lpstat -r 2>/dev/null | grep -q "is running"; }
    if ! running; then
        /usr/sbin/cupsd -f >/dev/null 2>&1 &
        cupsd=$!
        for _ in $(seq 75); do running && break; sleep 0.2; done
    fi
    local printed=$work/printed
    mkdir -p "$printed" && chmod 777 "$printed"
    printf 'Out %s\nAnonDirName %s\nUserUMask 0000\nLabel 1\n' "$printed" "$printed" \
        >"/etc/cups/cups-pdf-$queue.conf"
    # pdftocairo keeps the printed text readable (ghostscript's renderer turns it into Type 3 glyphs).
    lpadmin -p "$queue" -v "cups-pdf:/$queue" -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
        -o pdftops-renderer-default=pdftocairo 2>&1 | grep -v "deprecated"
    rm -rf "$wdemo/FILE-PDF"
    local info; info=$(SPOOLER=1 win_batch --info)
    SPOOLER=1 win_batch --report documenti --ditte 001 --uscita pdf >/dev/null
    SPOOLER=1 win_batch --report documenti --ditte 001 --uscita stampa >/dev/null
    for _ in $(seq 300); do
        [ -n "$(find "$printed" -name '*.pdf')" ] && [ -z "$(lpstat -o)" ] && break
        sleep 0.2
    done
    local job target; job=$(find "$printed" -name '*.pdf') target=$(find "$wdemo/FILE-PDF" -name '*.pdf')
    # Lines as pdftotext -layout reads them, trimmed, blanks made one, empty lines dropped. The
    # printed "-" comes back as the soft hyphen, the same glyph at the other code of the code page.
    lines() { pdftotext -layout "$1" - | sed 's/\xc2\xad/-/g' | awk '{$1 = $1; if (NF) print}'; }
    pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }
    check "wine lists the queue; one job, qpdf-clean, the PDF target's text and pages, in Liberation Mono" eval '
        [[ $info == *"$queue"* ]] && [ -n "$job" ] && [ "$(wc -l <<<"$job")" = 1 ] && qpdf --check "$job" >/dev/null &&
        diff <(lines "$target") <(lines "$job") >"$work/printed.diff" &&
        [ "$(pages "$job")" = "$(pages "$target")" ] && pdffonts "$job" | grep -q LiberationMono'
}

driver() { wine "$win/tests/win32_gui/kvvelm-window-driver.exe" "$@" | tr -d '\r'; return "${PIPESTATUS[0]}"; }
picture() {  # the window (and a box over it) from the display, into KVVELM_PICTURES
    [ -n "$pictures" ] || return 0
    eval "$(xdotool search --name "$caption" | head -1 | xargs xdotool getwindowgeometry --shell)"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$pictures/$1"
}
ended() { driver close gone >/dev/null && wait "$window"; }

# kvvelm.exe played by the driver: a second start against the minimized window; a PDF run and its
# closing box; Apri PDF on a file removed meanwhile; the information box; closing. Started again, a
# print run to a printer the spooler does not have stops once on the printer question, and "Crea
# PDF" turns the run into PDF files.
the_window() {
    local -x KVVELM_REGISTRY; KVVELM_REGISTRY=$(winpath "$wdemo/registry.reg")
    local -x KVVELM_LOCK=kvvelm-window KVVELM_PRINTERS=$queue
    rm -rf "$wdemo/FILE-PDF"
    wine "$win/gui/win32/kvvelm.exe" & window=$!
    check "opens titled $caption" eval '[ "$(driver window)" = "window: $caption" ]'
    sleep 1
    picture kvvelm-win32-window.png
    driver minimize >/dev/null
    timeout 90 wine "$win/gui/win32/kvvelm.exe" &  # a second window would stay open
    local second=$! other; other=$(driver box OK)
    wait "$second"; local status=$?
    check "a second start: its box, exit 3, the running window restored in front, alone" \
        eval '[ $status = 3 ] && [[ $other == *"Un altro KVVELM"* ]] && driver front >/dev/null'
    win_batch --info >/dev/null 2>"$work/second.err"; status=$?
    check "a second batch: exit 3, said on standard error" \
        eval '[ $status = 3 ] && grep -q "Un altro KVVELM" "$work/second.err"'
    local closing; closing=$(driver select "001 " click "Elenco Documenti" click "Crea PDF" click Conferma box .)
    local pdf; pdf=$(find "$wdemo/FILE-PDF" -name '*.pdf')
    check "a PDF run: company 001's list, qpdf-clean, its real folder in the closing box" eval '[ -n "$pdf" ] &&
        qpdf --check "$pdf" >/dev/null && [[ $(pdftotext -layout "$pdf" -) == *"DITTA: 001 "* ]] &&
        [[ $closing == *"$(winpath "$(dirname "$pdf")")"* ]]'
    rm -f "$pdf"
    local opened named; opened=$(driver box "Apri PDF" box OK) named="$(winpath "$pdf")"$'\n\n'
    check "Apri PDF on a file removed meanwhile names it and the system's reason" eval '[[ $opened == *"$named"?* ]]'
    check "after the run the company list shows none selected" eval '[ "$(driver selected "001 ")" = "selected: 0" ]'
    xdotool search --name "$caption" windowfocus --sync key ctrl+shift+p
    check "Ctrl+Shift+P shows the information box" eval '[[ $(driver box -) == *"Informazioni Progetto"* ]]'
    check "closing the window ends it with status 0" ended
    rm -rf "$wdemo/FILE-PDF"
    wine "$win/gui/win32/kvvelm.exe" & window=$!
    driver select "001 " click "Elenco Documenti" click "Stampa Laser" click Conferma box . >/dev/null
    sleep 1
    picture kvvelm-win32-running.png
    local answers; answers=$(driver box "Crea PDF" box OK)
    check "a print run to a missing printer: the question once, Crea PDF writes the PDF, status 0" eval '
        [ "$(grep -c "Riprova, crea i PDF" <<<"$answers")" = 1 ] && ended &&
        [ -n "$(find "$wdemo/FILE-PDF" -name "*.pdf")" ]'
    window=
}

# Every company's certificates, the bar watched as the run goes; then the same run with Annulla
# pressed once the bar has moved, inside the first company; then a window started with a malformed
# registry stand-in, and the batch with it.
window_runs() {
    local -x KVVELM_REGISTRY; KVVELM_REGISTRY=$(winpath "$wdemo/registry.reg")
    local -x KVVELM_LOCK=kvvelm-window
    local out="$wdemo/FILE-PDF" certificates=(click Certificazioni click "Crea PDF")
    rm -rf "$out"
    wine "$win/gui/win32/kvvelm.exe" & window=$!
    local bar
    bar=$(driver click "Seleziona tutte le Ditte" "${certificates[@]}" click Conferma bar "$(winpath "$out")" box OK |
        grep '^bar: ')
    local files; files=$(find "$out" -name '*.pdf' | wc -l)
    say "$bar" >"$work/bar.log"
    # A step at the bar's end with files still missing fails, as does a bar short of its end under the
    # closing box.
    check "the bar moves, and reaches its end only when all $files files are written" eval '[ "$files" -gt 1 ] &&
        [ "$(grep -c . <<<"$bar")" -gt 3 ] && awk -v n="$files" "{ split(\$2, b, \"/\") }
        b[1] == b[2] && \$3 != n { bad = 1 } END { exit bad || b[1] != b[2] }" <<<"$bar"'
    rm -rf "$out"
    # The run's reset leaves the tick reading "Deseleziona" with no company selected.
    local stopped; stopped=$(driver click "Deseleziona tutte le ditte" click "Seleziona tutte le ditte" \
        "${certificates[@]}" click Conferma moving post Annulla box OK)
    local written pdf whole=1 completed
    written=$(find "$out" -name '*.pdf')
    while read -r pdf; do qpdf --check "$pdf" >/dev/null 2>&1 || whole=0; done <<<"$written"
    completed=$(sed -n 's/.*ditte completate \([0-9]*\) su .*/\1/p' <<<"$stopped")
    # Seen at the window's next step: most often still in the first company, always before the last.
    check "Annulla stops after the file under way: the files of the companies done, whole; none half-written" eval '
        [ "${completed:-0}" -ge 1 ] && [ "$completed" -lt "$files" ] && [ "$whole" = 1 ] &&
        [ "$(wc -l <<<"$written")" = "$completed" ] && [ -z "$(find "$out" -name "*.part")" ]'
    ended
    printf '\xff\xfegarbage' >"$work/malformed.reg"
    KVVELM_REGISTRY=$(winpath "$work/malformed.reg")
    wine "$win/gui/win32/kvvelm.exe" & window=$!
    local box; box=$(driver box OK)
    wait "$window"; local status=$?
    win_batch --info >/dev/null 2>"$work/malformed.err"
    local details="Dettagli:"$'\n'"*malformed.reg*"
    check "a malformed registry stand-in: the configuration box names it in Dettagli, so does the batch" eval '
        [ $status = 2 ] && [[ $box == *"ERRORE DI CONFIGURAZIONE"*$details ]] &&
        grep -q "Dettagli: .*malformed.reg" "$work/malformed.err"'
    window=
}

start=$(date +%s)
prepare_prefix
run_unit_tests
make_demos
compare_reports
choices_and_statuses
registry_from_wine
installer
the_window
window_runs
printing
say "Wine tests: $failures failed, $(($(date +%s) - start)) s."
[ "$failures" = 0 ]
