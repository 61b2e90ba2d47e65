#!/usr/bin/env bash
# Both wine tests of this folder in one prefix (WINEPREFIX, or a scratch one each): kvvelm.exe on a
# virtual display (window_test.sh) and printing through wine's spooler (print_test.sh, root only).
# wine's desktop keeps the display of the program that started it, so wine's server is restarted
# first: programs run before without a display would leave the window without one.
# Usage: tests/win32_gui/run.sh WINDOWS_BUILD_FOLDER. Exit status: the number of failed tests.
set -uo pipefail
# wine names Unix files in the locale's character set: UTF-8, as the Linux build does, whatever
# locale the caller has (CI runs with none).
export LC_ALL=C.UTF-8
# Quiet and without the mono and gecko installers' dialogs; the local time in a form the Windows C
# library reads.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=" TZ=CET-1CEST
here=$(dirname "$0")
failed=0
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
for test in window_test print_test; do
  wineserver -k 2>/dev/null
  "$here/$test.sh" "$1" >"$logs/$test.log" 2>&1
  status=$?
  case $status in
    0) echo "  ok   $test: $(grep -E '^PASS' "$logs/$test.log" | tail -1)" ;;
    77) echo "  skip $test: $(grep -E '^SKIP' "$logs/$test.log" | tail -1)" ;;
    *) echo "  FAIL $test (status $status):"; tail -20 "$logs/$test.log"; failed=$((failed + 1)) ;;
  esac
done
exit "$failed"
