#!/usr/bin/env python3
"""Applies a fixed list of deliberate faults, one at a time, to a copy of the working tree, rebuilds the
test suites named for each fault and prints which faults they caught.

The faults are rows in tools/mutations/<area>.py (a list FAULTS of (name, file, text, replacement,
suites) tuples); a suite is a folder under tests/, built as <suite>_tests.

Usage: tools/mutations.py [--work FOLDER] [AREA ...]   (default /tmp/kv-mutations, every area; the
copy's build folder is reused between runs)"""
import argparse
import glob
import os
import runpy
import subprocess

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def run(command, cwd):
    return subprocess.run(command, cwd=cwd, shell=True, capture_output=True, text=True, errors="replace")


def load_faults(areas):
    rows = []
    for path in sorted(glob.glob(os.path.join(ROOT, "tools", "mutations", "*.py"))):
        area = os.path.splitext(os.path.basename(path))[0]
        if not areas or area in areas:
            rows += [(area,) + row for row in runpy.run_path(path)["FAULTS"]]
    return rows


def copy_tree(src, build):
    os.makedirs(src, exist_ok=True)
    run("rm -rf tests", src)  # test files removed since the last copy must not linger
    run(f"git ls-files -co --exclude-standard | tar -cf - -T - | tar -xf - -C {src}", ROOT)
    if not os.path.exists(os.path.join(build, "build.ninja")):
        run(f"cmake -S {src} -B {build} -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVVELM_BENCH=OFF", src)


def caught(build, suites):
    targets = " ".join(f"{s}_tests" for s in suites)
    if run(f"cmake --build {build} -j2 --target {targets}", build).returncode != 0:
        return "build fails"
    for s in suites:
        if run(f"./{s}_tests --gtest_brief=1", os.path.join(build, "tests", s)).returncode != 0:
            return f"caught ({s})"
    return "MISSED"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--work", default="/tmp/kv-mutations")
    parser.add_argument("areas", nargs="*")
    args = parser.parse_args()
    src, build = os.path.join(args.work, "src"), os.path.join(args.work, "build")
    copy_tree(src, build)
    print(f"{'area':10} {'fault':54} result")
    for area, name, path, text, replacement, suites in load_faults(args.areas):
        file = os.path.join(src, path)
        original = open(file).read()
        if text not in original:
            print(f"{area:10} {name:54} does not apply", flush=True)
            continue
        open(file, "w").write(original.replace(text, replacement, 1))
        try:
            result = caught(build, suites)
        finally:
            open(file, "w").write(original)
        print(f"{area:10} {name:54} {result}", flush=True)


if __name__ == "__main__":
    main()
