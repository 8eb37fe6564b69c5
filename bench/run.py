#!/usr/bin/env python3
"""Runs the app's benchmarks against a bare Qt Widgets window and prints one table.

Launch time, peak and private memory come from paired runs (app, bare, bare, app, ...) of two
probes built from the same tree: the app's real start-up and a QLabel in a 400x300 window, each
stopping after its first painted frame on an Xvfb server of its own. Idle cost is read from /proc
over ten quiet seconds. The Google Benchmarks in the build folder report their own ratios against
reference loops run in the same process.
"""

import argparse
import json
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")


def free_display():
    for number in range(60, 100):
        if not Path(f"/tmp/.X11-unix/X{number}").exists() and not Path(f"/tmp/.X{number}-lock").exists():
            return number
    raise SystemExit("bench: no free X display number")


class Desktop:
    """An Xvfb server with the icewm window manager, torn down on exit."""

    def __enter__(self):
        self.number = free_display()
        self.display = f":{self.number}"
        self.processes = [subprocess.Popen(["Xvfb", self.display, "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
        deadline = time.monotonic() + 10
        while not Path(f"/tmp/.X11-unix/X{self.number}").exists():
            if time.monotonic() > deadline:
                raise SystemExit("bench: Xvfb did not start")
            time.sleep(0.05)
        env = dict(os.environ, DISPLAY=self.display)
        if shutil.which("icewm"):
            self.processes.append(subprocess.Popen(["icewm"], env=env, stdout=subprocess.DEVNULL,
                                                   stderr=subprocess.DEVNULL))
            time.sleep(1.0)
        return self

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()


def probe_environment(desktop, config_home):
    env = dict(os.environ)
    env.update(DISPLAY=desktop.display, XDG_CONFIG_HOME=config_home, QT_QPA_PLATFORM="xcb")
    # Both probes see the same platform theme, whatever the caller's session has.
    env.pop("QT_QPA_PLATFORMTHEME", None)
    env.pop("WAYLAND_DISPLAY", None)
    return env


def parse_report(text):
    values = {}
    for line in text.splitlines():
        key, _, value = line.partition("=")
        if value.strip().lstrip("-").isdigit():
            values[key.strip()] = int(value)
    return values


def launch_once(binary, env):
    start = time.monotonic_ns()
    process = subprocess.Popen([str(binary)], env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    output = process.stdout.read()
    _, status, usage = os.wait4(process.pid, 0)
    process.returncode = os.waitstatus_to_exitcode(status)
    report = parse_report(output.decode())
    if process.returncode != 0 or "first_frame_ns" not in report:
        raise SystemExit(f"bench: {binary.name} did not report a first frame (exit {process.returncode})")
    return {
        "launch_ms": (report["first_frame_ns"] - start) / 1e6,
        "peak_rss_kb": usage.ru_maxrss,
        "private_kb": report.get("private_kb", 0),
        "anonymous_kb": report.get("anonymous_kb", 0),
    }


def cpu_and_switches(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    ticks = int(fields[11]) + int(fields[12])  # utime + stime, all threads
    switches = 0
    for task in Path(f"/proc/{pid}/task").iterdir():
        for line in (task / "status").read_text().splitlines():
            if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                switches += int(line.split()[1])
    return ticks, switches


def idle_once(binary, env, seconds):
    process = subprocess.Popen([str(binary), "--idle"], env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    try:
        for line in process.stdout:
            if line.startswith(b"first_frame_ns="):
                break
        time.sleep(1.0)  # let start-up work settle
        ticks0, switches0 = cpu_and_switches(process.pid)
        time.sleep(seconds)
        ticks1, switches1 = cpu_and_switches(process.pid)
    finally:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
    return {"idle_ticks": ticks1 - ticks0, "idle_wakeups": switches1 - switches0}


def summary(values):
    median = statistics.median(values)
    return median, min(values), max(values)


def ratio_of(app, bare):
    if bare:
        return f"{app / bare:.2f}"
    return "both 0" if not app else "inf"


def google_benchmark(binary):
    """The benchmark's own table (and the ratios it prints), without the machine preamble."""
    if not binary.exists():
        return []
    result = subprocess.run([str(binary), "--benchmark_min_time=0.2"], capture_output=True, text=True, check=True)
    return [line for line in result.stdout.splitlines() if line.strip() and not line.startswith("---")]


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build", default="build-bench", help="the optimised build folder")
    parser.add_argument("--pairs", type=int, default=15, help="paired launch runs")
    parser.add_argument("--idle-seconds", type=float, default=10.0)
    parser.add_argument("--idle-pairs", type=int, default=2)
    args = parser.parse_args()

    bench = Path(args.build) / "bench"
    app_probe, bare_probe = bench / "app_first_frame", bench / "bare_first_frame"
    rows = []

    with Desktop() as desktop, tempfile.TemporaryDirectory() as config_home:
        env = probe_environment(desktop, config_home)
        launch_once(app_probe, env)  # warm the file cache for both
        launch_once(bare_probe, env)
        runs = {"app": [], "bare": []}
        for pair in range(args.pairs):
            order = ("app", "bare") if pair % 2 == 0 else ("bare", "app")
            for name in order:
                runs[name].append(launch_once(app_probe if name == "app" else bare_probe, env))
        for key, label, unit, scale in (("launch_ms", "launch to first frame", "ms", 1),
                                         ("peak_rss_kb", "peak resident memory", "MB", 1 / 1024),
                                         ("anonymous_kb", "private (anonymous) memory", "MB", 1 / 1024),
                                         ("private_kb", "private pages, clean + dirty", "MB", 1 / 1024)):
            app = summary([run[key] * scale for run in runs["app"]])
            bare = summary([run[key] * scale for run in runs["bare"]])
            rows.append((label, unit, app, bare, ratio_of(app[0], bare[0])))

        idle = {"app": [], "bare": []}
        for pair in range(args.idle_pairs):
            for name in ("app", "bare"):
                idle[name].append(idle_once(app_probe if name == "app" else bare_probe, env, args.idle_seconds))
        for key, label in (("idle_ticks", f"idle CPU ticks / {args.idle_seconds:g} s"),
                           ("idle_wakeups", f"idle wakeups / {args.idle_seconds:g} s")):
            app = summary([run[key] for run in idle["app"]])
            bare = summary([run[key] for run in idle["bare"]])
            rows.append((label, "", app, bare, ratio_of(app[0], bare[0])))

    micro = {path.name: google_benchmark(path) for path in sorted(bench.glob("**/bench_*"))
             if not path.suffix and path.is_file() and os.access(path, os.X_OK)}

    print(f"Benchmarks, {time.strftime('%Y-%m-%d')}, {os.cpu_count()} cores; "
          f"{args.pairs} paired launches, {args.idle_pairs} idle pairs")
    print()
    print(f"| {'measure':<34} | {'app: median (min–max)':<26} | {'bare: median (min–max)':<26} | app / bare |")
    print(f"|{'-' * 36}|{'-' * 28}|{'-' * 28}|{'-' * 12}|")
    for label, unit, app, bare, ratio in rows:
        def cell(values):
            return f"{values[0]:.1f} ({values[1]:.1f}–{values[2]:.1f}) {unit}".strip()
        print(f"| {label:<34} | {cell(app):<26} | {cell(bare):<26} | {ratio:>10} |")
    for name, lines in micro.items():
        if lines:
            print()
            print(f"{name}:")
            for line in lines:
                print(f"    {line}")


if __name__ == "__main__":
    sys.exit(main())
