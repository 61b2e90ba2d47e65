#!/usr/bin/env python3
"""The four reports to PDF on demo installations of a given note scale: CPU time and peak memory
of each run of kvvelm-batch, then its system calls counted under strace in a second run.

    whole_runs.py BUILD_FOLDER [SCALE...]      default scales: 100 200
"""

import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

REPORTS = ["documenti", "registro", "certificazioni", "percipienti"]


def report_command(batch, report):
    command = [str(batch), "--report", report, "--ditte", "tutte", "--uscita", "pdf"]
    if report == "certificazioni":
        command += ["--data", "31/01/2026"]
    return command


def environment(demo):
    env = dict(os.environ, LC_ALL="C")
    env["KVVELM_REGISTRY"] = str(demo / "registry.reg")
    env["KVVELM_DRIVES"] = str(demo / "drives")
    env["KVVELM_LOCK"] = str(demo / "kvvelm.lock")
    env["KVVELM_PRINTERS"] = "KVVELM_Laser"
    return env


def timed_run(command, env):
    """CPU seconds and peak resident megabytes of this run alone."""
    quiet = [(os.POSIX_SPAWN_OPEN, fd, os.devnull, os.O_WRONLY, 0) for fd in (1, 2)]
    pid = os.posix_spawn(command[0], command, env, file_actions=quiet)
    _, status, usage = os.wait4(pid, 0)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{' '.join(command)} failed")
    return usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024.0


def syscalls(command, env, scratch):
    """The total of strace's system-call count for one run, or None without strace."""
    if shutil.which("strace") is None:
        return None
    summary = scratch / "strace.txt"
    subprocess.run(["strace", "-f", "-c", "-o", str(summary)] + command, env=env,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    for line in summary.read_text().splitlines():
        if line.rstrip().endswith("total"):
            return int(line.split()[3])
    return None


def measure_scale(build, scale, scratch):
    demo = scratch / f"demo-{scale}"
    subprocess.run([str(build / "tools/demo/kvvelm-mkdemo"), "--scale", str(scale), str(demo)],
                   stdout=subprocess.DEVNULL, check=True)
    env = environment(demo)
    batch = build / "cli/kvvelm-batch"
    print(f"--scale {scale}")
    print(f"  {'report':15} {'CPU s':>7} {'peak MB':>8} {'syscalls':>9}")
    total = 0.0
    for report in REPORTS:
        command = report_command(batch, report)
        cpu, peak = timed_run(command, env)
        calls = syscalls(command, env, scratch)
        total += cpu
        print(f"  {report:15} {cpu:7.2f} {peak:8.1f} {calls if calls is not None else '-':>9}")
    print(f"  {'four reports':15} {total:7.2f}")
    shutil.rmtree(demo)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    build = pathlib.Path(sys.argv[1]).resolve()
    scales = [int(s) for s in sys.argv[2:]] or [100, 200]
    with tempfile.TemporaryDirectory(prefix="kvvelm-whole-runs-") as folder:
        for scale in scales:
            measure_scale(build, scale, pathlib.Path(folder))


if __name__ == "__main__":
    main()
