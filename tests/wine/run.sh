#!/usr/bin/env bash
# The Windows programs under wine, judged by the Linux tools: the unit tests, the four reports on the
# demo installation compared with the Linux build's, the choice messages and exit statuses, a second
# instance, a file another program holds open, the registry read from the (wine) registry, the
# archives left byte-identical, an accented company name, and the installer.
# Usage: tests/wine/run.sh LINUX_BUILD WINDOWS_BUILD
set -uo pipefail
# wine names Unix files in the locale's character set: UTF-8, as the Linux build does, whatever
# locale the caller has (CI runs with none).
export LC_ALL=C.UTF-8
cd "$(dirname "$0")/../.."
linux=$(realpath "${1:-build}")
win=$(realpath "${2:-build-windows}")
work="$win/wine-run"
failures=0

# One prefix per run, prepared once: wine's first start is the slow part.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree=;mshtml="
# The same local time on both systems, in a form the Windows C library reads too.
export TZ=CET-1CEST
unset DISPLAY WAYLAND_DISPLAY

say() { printf '%s\n' "$*"; }
pass() { say "  ok   $1"; }
fail() { say "  FAIL $1"; failures=$((failures + 1)); }
check() {  # check NAME COMMAND...
    local name=$1; shift
    if "$@"; then pass "$name"; else fail "$name"; fi
}
winpath() { winepath -w "$1" 2>/dev/null; }

prepare_prefix() {
    rm -rf "$work"
    mkdir -p "$work"
    wineboot -i >/dev/null 2>&1
    wineserver -p 60  # keep the server for the whole run
    # An Italian user's regional settings: "," and dd/MM/yyyy, as on Linux under the C locale.
    wine reg add 'HKCU\Control Panel\International' /v sDecimal /d , /f >/dev/null 2>&1
    wine reg add 'HKCU\Control Panel\International' /v sShortDate /d dd/MM/yyyy /f >/dev/null 2>&1
}

run_unit_tests() {
    say "Unit tests (.exe under wine):"
    local exe
    for exe in "$win"/tests/*/*_tests.exe; do
        local log="$work/$(basename "$exe" .exe).log"
        if (cd "$(dirname "$exe")" && wine "$exe" --gtest_brief=1 >"$log" 2>&1); then
            pass "$(basename "$exe") ($(grep -o '[0-9]* tests\? from' "$log" | head -1 | cut -d' ' -f1) tests)"
        else
            fail "$(basename "$exe")"; tail -30 "$log"
        fi
    done
}

# A demo installation for each system: the Windows one with Windows paths and C:\ as drive C.
make_demos() {
    "$linux/tools/demo/kvvelm-mkdemo" "$work/demo-linux" >/dev/null
    wine "$win/tools/demo/kvvelm-mkdemo.exe" "$(winpath "$work/demo-win")" >/dev/null
    cp -r "$work/demo-win/drives/c/." "$WINEPREFIX/drive_c/"
}

linux_batch() {  # linux_batch DEMO ARGS...
    local demo=$1; shift
    KVVELM_REGISTRY="$demo/registry.reg" KVVELM_DRIVES="$demo/drives" KVVELM_LOCK="$work/linux.lock" \
        KVVELM_PRINTERS="Ufficio_Inkjet;KVVELM_Laser" LC_ALL=C "$linux/cli/kvvelm-batch" "$@" </dev/null
}

win_batch() {  # win_batch DEMO ARGS...; KVVELM_REGISTRY and KVVELM_LOCK may be set by the caller
    local demo=$1; shift
    KVVELM_REGISTRY="${KVVELM_REGISTRY-$(winpath "$demo/registry.reg")}" \
        KVVELM_LOCK="${KVVELM_LOCK:-kvvelm-wine-test}" KVVELM_PRINTERS="Ufficio_Inkjet;KVVELM_Laser" \
        wine "$win/cli/kvvelm-batch.exe" "$@" </dev/null | tr -d '\r'
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

archives_digest() { (cd "$1/archivi" && find . -type f -print0 | sort -z | xargs -0 sha256sum); }

# Every report on both systems, then each Windows PDF against the Linux one.
compare_reports() {
    say "Reports, Windows against Linux:"
    local before; before=$(archives_digest "$work/demo-win")
    local report
    for report in documenti registro certificazioni percipienti; do
        local args=(--report "$report" --ditte tutte --uscita pdf)
        [ "$report" = certificazioni ] && args+=(--data 15/01/2026)
        linux_batch "$work/demo-linux" "${args[@]}" >"$work/$report.linux.out"; local ls=$?
        win_batch "$work/demo-win" "${args[@]}" >"$work/$report.win.out"; local ws=$?
        check "$report: exit status $ws as on Linux ($ls)" test "$ws" = "$ls" -a "$ws" = 0
        check "$report: the same messages" same_messages "$work/$report.linux.out" "$work/$report.win.out"
    done
    check "archives byte-identical after the reports" test "$before" = "$(archives_digest "$work/demo-win")"
    local pdfs; pdfs=$(cd "$work/demo-linux/FILE-PDF" && find . -name '*.pdf' | sort)
    check "the same PDF files ($(wc -l <<<"$pdfs") of them)" \
        test "$pdfs" = "$(cd "$work/demo-win/FILE-PDF" && find . -name '*.pdf' | sort)"
    local pdf bad=0
    while read -r pdf; do
        local l="$work/demo-linux/FILE-PDF/$pdf" w="$work/demo-win/FILE-PDF/$pdf"
        cmp -s <(undated "$l") <(undated "$w") || { say "    differs: $pdf"; bad=1; }
        qpdf --check "$w" >/dev/null 2>&1 || { say "    qpdf --check: $pdf"; bad=1; }
        [ -n "$(pdftotext "$w" - 2>/dev/null | tr -d '[:space:]')" ] || { say "    no text: $pdf"; bad=1; }
    done <<<"$pdfs"
    check "every PDF byte for byte as Linux's apart from dates, qpdf-clean, with text" test "$bad" = 0
}

# The messages of both systems with the demo folders and the separators made alike.
same_messages() {
    local w="$work/demo-win" l="$work/demo-linux"
    diff <(sed "s|$l|DEMO|g" "$1") \
         <(sed "s|$(winpath "$w" | sed 's|\\|\\\\|g')|DEMO|g; s|\\\\|/|g" "$2") >"$work/messages.diff"
}

choices_and_statuses() {
    say "Choice messages and exit statuses:"
    local args
    for args in "--report registro" "--report registro --ditte 001 --mesi 13" "--bogus" "--help" "--info"; do
        # shellcheck disable=SC2086
        linux_batch "$work/demo-linux" $args >"$work/choice.linux.out" 2>/dev/null; local ls=$?
        # shellcheck disable=SC2086
        win_batch "$work/demo-win" $args >"$work/choice.win.out" 2>/dev/null; local ws=$?
        check "$args: exit $ws as on Linux, the same text" \
            eval 'test "$ws" = "$ls" && same_messages "$work/choice.linux.out" "$work/choice.win.out"'
    done
}

# Another program holds the instance mutex and the companies' archive open.
other_program_traps() {
    say "Another program running:"
    local held; held=$(cd "$work/demo-win/archivi" && ls | grep -i '^DITTE' | grep -iv idx | head -1)
    rm -f "$work/ready" "$work/stop"
    KV_HOLD_LOCK=kvvelm-held KV_HOLD_FILE="$(winpath "$work/demo-win/archivi/$held")" \
        KV_HOLD_READY="$(winpath "$work/ready")" KV_HOLD_STOP="$(winpath "$work/stop")" \
        wine "$win/tests/windows/windows_tests.exe" --gtest_also_run_disabled_tests \
        --gtest_filter='DISABLED_OtherProgram.*' >"$work/holder.log" 2>&1 &
    local holder=$!
    for _ in $(seq 300); do [ -e "$work/ready" ] && break; sleep 0.1; done
    KVVELM_LOCK=kvvelm-held win_batch "$work/demo-win" --info >/dev/null 2>&1
    check "a second instance exits 3" test $? = 3
    rm -rf "$work/demo-win/FILE-PDF"
    KVVELM_LOCK=kvvelm-free win_batch "$work/demo-win" --report documenti --ditte tutte --uscita pdf \
        >/dev/null 2>&1
    check "archive $held held open by another program: still read, the same PDFs" \
        eval 'test $? = 0 && diff -rq <(cd "$work/demo-linux/FILE-PDF" && find . -name "DOC*" | sort) \
              <(cd "$work/demo-win/FILE-PDF" && find . -name "DOC*" | sort) >/dev/null'
    touch "$work/stop"
    wait "$holder"
    check "the other program held both (its log: holder.log)" test $? = 0
}

registry_from_wine() {
    say "Registry:"
    wine reg import "$(winpath "$work/demo-win/registry.reg")" >/dev/null 2>&1
    # Without the older path files on C:, which name the same folders, only the registry can.
    rm -rf "$WINEPREFIX/drive_c/PQTPAGHE"
    KVVELM_REGISTRY="" win_batch "$work/demo-win" --info >"$work/info-registry.out" 2>&1
    local rs=$?
    win_batch "$work/demo-win" --info >"$work/info-standin.out" 2>&1
    check "the real registry after reg import gives what the stand-in gives" \
        eval 'test "$rs" = 0 && cmp -s "$work/info-registry.out" "$work/info-standin.out"'
}

accented_company() {
    say "Accented names:"
    local demo="$work/demo-accent"
    cp -r "$work/demo-win" "$demo"
    rm -rf "$demo/FILE-PDF"
    # The first company becomes "CAFFÈ COSTRUZIONI" (È is one byte in Windows-1252, the same length).
    /usr/bin/python3 - "$demo/archivi" <<'PY'
import pathlib, sys
for f in pathlib.Path(sys.argv[1]).iterdir():
    data = f.read_bytes()
    if b"ROSSI COSTRUZIONI" in data:
        f.write_bytes(data.replace(b"ROSSI COSTRUZIONI", b"CAFF\xc8 COSTRUZIONI"))
PY
    sed -i "s|$(winpath "$work/demo-win" | sed 's|\\|\\\\\\\\|g')|$(winpath "$demo" | sed 's|\\|\\\\\\\\|g')|g" \
        "$demo/registry.reg"
    win_batch "$demo" --report documenti --ditte 001 --uscita pdf >/dev/null 2>&1
    local file; file=$(find "$demo/FILE-PDF" -name '*CAFFÈ COSTRUZIONI*.pdf' | head -1)
    check "a company named CAFFÈ gives a file named CAFFÈ (UTF-8 on the disk)" \
        eval '[ -n "$file" ] && qpdf --check "$file" >/dev/null && grep -q "CAFFÈ" <(pdftotext "$file" -)'
}

installer() {
    say "Installer:"
    local setup; setup=$(ls "$win"/installer/kvvelm-*-setup.exe 2>/dev/null | head -1)
    if [ -z "$setup" ]; then fail "no installer in $win/installer"; return; fi
    local target="$WINEPREFIX/drive_c/Program Files/KVVELM"
    wine "$setup" /S >/dev/null 2>&1
    for _ in $(seq 100); do [ -e "$target/uninstall.exe" ] && break; sleep 0.2; done
    check "installs the window and the batch" \
        test -e "$target/kvvelm.exe" -a -e "$target/kvvelm-batch.exe" -a -e "$target/uninstall.exe"
    check "with the window as the Start-menu entry" \
        test -e "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/KVVELM/KVVELM.lnk"
    wine "$target/kvvelm-batch.exe" --help >/dev/null 2>&1
    check "the installed kvvelm-batch runs" test $? = 0
    wine "$target/uninstall.exe" /S >/dev/null 2>&1
    # The uninstaller runs from a copy of itself and returns at once: wait for the folder to go.
    for _ in $(seq 150); do [ -e "$target" ] || break; sleep 0.2; done
    check "uninstalls silently, the folder removed" test ! -e "$target"
}

start=$(date +%s)
prepare_prefix
say "Wine prefix ready in $(( $(date +%s) - start )) s."
run_unit_tests
make_demos
compare_reports
choices_and_statuses
other_program_traps
registry_from_wine
accented_company
installer
wineserver -k 2>/dev/null
say "Wine tests: $failures failed, $(( $(date +%s) - start )) s."
[ "$failures" = 0 ]
