#!/usr/bin/env bash
# Installs the Debian package of a build and runs what it installed, as an office would: the
# batch's help from PATH, then the demo installation and a report, as an ordinary user (nobody)
# with a home folder of its own. Needs root (apt-get); elsewhere it says so and skips.
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."
if [ "$(id -u)" != 0 ]; then
  echo "check-deb: skipped (installing the package needs root)"
  exit 0
fi
shopt -s nullglob
packages=("$build"/kvvelm_*.deb)
if [ ${#packages[@]} != 1 ]; then
  echo "check-deb: expected one kvvelm_*.deb in $build, found ${#packages[@]}" >&2
  exit 1
fi
package=$(realpath "${packages[0]}")
echo "check-deb: installing $(basename "$package")"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=300 "$package" >/dev/null

for program in kvvelm kvvelm-batch kvvelm-mkdemo; do
  [ "$(command -v "$program")" = "/usr/bin/$program" ] || { echo "check-deb: $program not on PATH" >&2; exit 1; }
done
help=$(kvvelm-batch --help)
case "$help" in *--report*) ;; *) echo "check-deb: kvvelm-batch --help did not list its options" >&2; exit 1 ;; esac
for file in /usr/share/applications/kvvelm.desktop /usr/share/icons/hicolor/48x48/apps/kvvelm.png \
            /usr/share/man/man1/kvvelm-batch.1.gz /usr/share/doc/kvvelm/README.md; do
  [ -s "$file" ] || { echo "check-deb: $file is missing" >&2; exit 1; }
done

home=$(mktemp -d /tmp/kvvelm-user.XXXXXX)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/run"
chmod 700 "$home/run"
chown -R nobody:nogroup "$home"
as_user() {
  setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/run" \
    KVVELM_REGISTRY="$home/demo/registry.reg" KVVELM_DRIVES="$home/demo/drives" \
    KVVELM_PRINTERS="KVVELM_Laser" "$@"
}
as_user kvvelm-mkdemo "$home/demo" >/dev/null
as_user kvvelm-batch --info >/dev/null
as_user kvvelm-batch --report registro --ditte tutte --uscita pdf >/dev/null
written=$(find "$home/demo/FILE-PDF" -name '*.pdf' | wc -l)
if [ "$written" = 0 ]; then
  echo "check-deb: the installed kvvelm-batch wrote no PDF as nobody" >&2
  exit 1
fi
find "$home/demo/FILE-PDF" -name '*.pdf' -print0 | xargs -0 -n1 qpdf --check >/dev/null
echo "check-deb: installed; as nobody the demo's register wrote $written PDF files, all pass qpdf --check"
