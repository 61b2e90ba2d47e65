#!/usr/bin/env python3
"""Applies the deliberate faults of a rows file, one at a time, to a copy of the working tree, rebuilds
the test suites each row names and prints which faults they caught.
Usage: tools/mutations/run.py ROWS_FILE [WORK_FOLDER] [COMMIT]   (default /work/kv-area-mutations; its build is reused)
The tree is the working tree, or the given commit (to measure the tests as they were). The build sits inside the copy, as build/ does in a checkout, so a shared compiler cache serves it."""
import os
import runpy
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WORK = sys.argv[2] if len(sys.argv) > 2 else "/work/kv-area-mutations"
SRC = os.path.join(WORK, "src")
BUILD = os.path.join(SRC, "build")
COMMIT = sys.argv[3] if len(sys.argv) > 3 else None
# Suites that run the batch program need it rebuilt with the fault.
NEEDS_BATCH = {"cli", "e2e_reports", "e2e_print"}


def run(command, cwd):
    return subprocess.run(command, cwd=cwd, shell=True, capture_output=True, text=True, errors="replace")


def copy_tree():
    os.makedirs(SRC, exist_ok=True)
    # Nothing of the last copy lingers but its build: a file added since an older commit would be built.
    run("find . -mindepth 1 -maxdepth 1 ! -name build -exec rm -rf {} +", SRC)
    # Files take the time of the copy (-m), not their own: an older tree than the last build still rebuilds.
    if COMMIT:
        run(f"git archive {COMMIT} | tar -xmf - -C {SRC}", ROOT)
    else:
        run(f"git ls-files -co --exclude-standard | tar -cf - -T - | tar -xmf - -C {SRC}", ROOT)
    if not os.path.exists(os.path.join(BUILD, "build.ninja")):
        run(f"cmake -S {SRC} -B {BUILD} -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVVELM_WERROR=ON", WORK)


def caught(suites):
    targets = [f"{s}_tests" for s in suites] + (["kvvelm-batch"] if NEEDS_BATCH & set(suites) else [])
    if run(f"cmake --build {BUILD} -j2 --target {' '.join(targets)}", WORK).returncode != 0:
        return "build fails"
    for s in suites:
        folder = os.path.join(BUILD, "tests", s)
        if not os.path.isdir(folder):
            continue
        if run(f"./{s}_tests --gtest_brief=1", folder).returncode != 0:
            return f"caught ({s})"
    return "MISSED"


def main():
    rows = runpy.run_path(sys.argv[1])["MUTATIONS"]
    copy_tree()
    print(f"{'fault':48} result")
    for name, path, text, replacement, suites in rows:
        file = os.path.join(SRC, path)
        original = open(file, encoding="latin-1").read()
        if text not in original:
            print(f"{name:48} does not apply here")
            continue
        open(file, "w", encoding="latin-1").write(original.replace(text, replacement, 1))
        try:
            result = caught(suites)
        finally:
            open(file, "w", encoding="latin-1").write(original)
        print(f"{name:48} {result}", flush=True)


if __name__ == "__main__":
    main()
