#!/usr/bin/env python3
"""The program next to minimal programs of ours under Wine: binary sizes, start-up to first
paint, private memory after start, and CPU per second with the frame following a moving pointer.
Not a test: it prints figures, so that one change can be compared with the next.

  bench_floor.sh [--arch win32|win64|both] [--before DIR] [--starts N] [--seconds S]

The programs, each in a Wine prefix and on an Xvfb display of its own (the end-to-end harness's):
  Pelvoro         build/<arch>/Pelvoro.exe (and, with --before, an earlier build beside it)
  FinestraMinima  one window, default paint, message loop: the floor for start-up and memory
  SeguidorMinim   the least that keeps the same frame on the pointer: a low-level mouse hook on
                  the window's thread posting each move, one SetWindowPos per move
  SeguidorMinim fil  the same with the hook on a thread of its own, as the program's library has
                  it: the floor for that design (not the reference of the ratio)
Start-up is timed by CronoInici.exe inside the prefix, from CreateProcess to the main window
being visible and painted (nothing left to paint); the prefix is warm (its wineserver and
desktop already run), and the first start is not counted. Private memory is the program's
private resident pages (Private_Clean + Private_Dirty of /proc/PID/smaps_rollup) 2 s after
its first paint. CPU is user + system time from /proc of every process of the prefix (the
program, wineserver, the desktop; the harness's own inspector, the timer and the target window
left out), per second of wall time, while xdotool moves the pointer in a circle, about 100
moves a second, over the end-to-end cases' target window (Wine sees the pointer only over a
window of its own). The frame must end on the pointer's last point, or the run fails.
"""

import argparse
import math
import os
import statistics
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))

import harness  # noqa: E402
from cases_hook import Target  # noqa: E402
from harness import check, wait_for, windows_path  # noqa: E402

SETTLE_S = 2.0
IDLE_S = 3.0
MOVES_PER_S = 100
CENTRE, RADIUS = (400, 400), 200
SIDE = 150  # the program's default frame side; the minimal follower is given the same
HARNESS_TOOLS = ("cronoinici.exe", "inspector.exe", "dianaclics.exe")
FRAME_SETTINGS = "[Parametres]\nBoolMostrarQuadreDeSeguiment=true\n"


def log(text):
    print(text, file=sys.stderr, flush=True)


class Program:
    def __init__(self, label, exe, cls, args=(), overlay_cls=None, ini=None, dll=None):
        self.label, self.exe, self.cls, self.args = label, Path(exe), cls, list(args)
        self.overlay_cls, self.ini, self.dll = overlay_cls, ini, dll


def programs(arch, before):
    build = ROOT / "build" / arch
    bench = build / "bench"
    found = []
    for label, folder in (("Pelvoro before", before), ("Pelvoro", build)):
        if folder:
            folder = Path(folder)
            found.append(Program(label, folder / "Pelvoro.exe", "TFormPrincipal", ["NOABOUT"],
                                 "TFormTransparent", FRAME_SETTINGS, folder / "LlibreriaPelvoro.dll"))
    found.append(Program("FinestraMinima", bench / "FinestraMinima.exe", "FinestraMinima"))
    found.append(Program("SeguidorMinim", bench / "SeguidorMinim.exe", "SeguidorMinim", [SIDE],
                         "SeguidorMinim"))
    found.append(Program("SeguidorMinim fil", bench / "SeguidorMinim.exe", "SeguidorMinim", [SIDE, "FIL"],
                         "SeguidorMinim"))
    for p in found:
        if not p.exe.exists() or (p.dll and not p.dll.exists()):
            raise harness.Skip(f"{p.exe} is not built")
    return found


# --- what /proc tells of the prefix's processes -----------------------------------------------

def prefix_processes(prefix):
    """Linux PID to the name of the Windows program (or Wine binary) of every process of the prefix."""
    wanted = f"WINEPREFIX={prefix}".encode()
    found = {}
    for entry in os.scandir("/proc"):
        if not entry.name.isdigit():
            continue
        try:
            if wanted not in Path(entry.path, "environ").read_bytes().split(b"\0"):
                continue
            argv0 = Path(entry.path, "cmdline").read_bytes().split(b"\0")[0].decode(errors="replace")
        except OSError:
            continue
        found[int(entry.name)] = argv0.replace("\\", "/").rsplit("/", 1)[-1].lower()
    return found


def cpu_ticks(pids):
    ticks = {}
    for pid in pids:
        try:
            fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
        except OSError:
            continue
        ticks[pid] = int(fields[11]) + int(fields[12])  # utime, stime
    return ticks


def private_kb(pid):
    total = 0
    for line in Path(f"/proc/{pid}/smaps_rollup").read_text().splitlines():
        if line.startswith(("Private_Clean:", "Private_Dirty:")):
            total += int(line.split()[1])
    return total


def rss_kb(pid):
    line = next(l for l in Path(f"/proc/{pid}/status").read_text().splitlines() if l.startswith("VmRSS:"))
    return int(line.split()[1])


def loaded_dlls(pid):
    """The Windows libraries mapped into the process."""
    names = set()
    for line in Path(f"/proc/{pid}/maps").read_text().splitlines():
        path = line.split(maxsplit=5)[-1] if len(line.split()) >= 6 else ""
        if path.lower().endswith(".dll"):
            names.add(path.rsplit("/", 1)[-1].lower())
    return names


class CpuMeter:
    """CPU seconds of the prefix's processes, the harness's own tools left out, over a span."""

    def __init__(self, prefix, program_name):
        self.prefix, self.program_name = prefix, program_name

    def __enter__(self):
        self.names = {pid: name for pid, name in prefix_processes(self.prefix).items()
                      if name not in HARNESS_TOOLS}
        self.start = cpu_ticks(self.names)
        self.t0 = time.monotonic()
        return self

    def __exit__(self, *exc):
        self.seconds = time.monotonic() - self.t0
        end = cpu_ticks(self.names)
        hz = os.sysconf("SC_CLK_TCK")
        used = {pid: (end[pid] - self.start.get(pid, 0)) / hz for pid in end}
        self.tree = sum(used.values()) / self.seconds
        self.program = sum(v for pid, v in used.items()
                           if self.names[pid] == self.program_name) / self.seconds
        self.by_process = {f"{self.names[pid]}:{pid}": v / self.seconds for pid, v in used.items() if v}
        return False


# --- one program ------------------------------------------------------------------------------

class Run:
    """One start of a program through CronoInici.exe; ended with end()."""

    def __init__(self, c, crono, program):
        self.c, self.program = c, program
        self.process = c.start(crono, program.cls, windows_path(program.exe), *program.args, stdin=True)
        self.log = harness.LogFile(self.process.stdout_path)
        self.log.wait_line(lambda l: l.startswith(("ready", "error")), 60, "the start timed")
        lines = self.log.lines()
        check(not any(l.startswith("error") for l in lines), f"{program.label}: {lines}")
        times = dict(l.split() for l in lines if l.startswith(("visible", "painted")))
        self.visible_ms, self.painted_ms = float(times["visible"]), float(times["painted"])
        name = program.exe.name.lower()
        self.pid = wait_for(lambda: next((pid for pid, n in prefix_processes(c.prefix).items()
                                          if n == name), None), 10, f"the process of {name}")

    def end(self):
        self.process.send("end")
        self.process.wait_exit(30)


def measure_starts(c, crono, program, starts):
    results = []
    for index in range(starts + 1):
        if program.ini is not None:
            c.write_ini(program.ini)
        run = Run(c, crono, program)
        time.sleep(SETTLE_S)
        memory = (private_kb(run.pid), rss_kb(run.pid), len(loaded_dlls(run.pid)))
        run.end()
        if index:  # the first start loads what the others find ready
            results.append((run.visible_ms, run.painted_ms, *memory))
            log(f"{program.label} start {index}: visible {run.visible_ms:.0f} ms, painted {run.painted_ms:.0f} ms, "
                f"private {memory[0]} kB, RSS {memory[1]} kB, {memory[2]} DLLs")
    return results


def circle_moves(seconds):
    steps = int(seconds * MOVES_PER_S)
    args, point = [], None
    for i in range(steps):
        a = 2 * math.pi * i / MOVES_PER_S
        point = (round(CENTRE[0] + RADIUS * math.cos(a)), round(CENTRE[1] + RADIUS * math.sin(a)))
        args += ["mousemove", str(point[0]), str(point[1]), "sleep", f"{1 / MOVES_PER_S:g}"]
    return args, point


def overlay_centred(c, cls, point):
    for w in c.inspector.windows(cls=cls):
        left, top, right, bottom = w["rect"]
        if w["visible"] and ((left + right) // 2, (top + bottom) // 2) == point:
            return w
    return None


def measure_cpu(c, crono, program, seconds):
    # Wine sees the pointer move only over a window of its own: the end-to-end cases' target
    # covers the screen, as an application the user works in would.
    target = Target(c)
    if program.ini is not None:
        c.write_ini(program.ini)
    run = Run(c, crono, program)
    # The frame is on screen once the pointer has moved onto the path.
    c.xdotool("mousemove", CENTRE[0] + RADIUS, CENTRE[1])
    wait_for(lambda: overlay_centred(c, program.overlay_cls, (CENTRE[0] + RADIUS, CENTRE[1])), 15,
             f"the frame of {program.label} on the pointer")
    time.sleep(SETTLE_S)
    name = program.exe.name.lower()
    with CpuMeter(c.prefix, name) as idle:
        time.sleep(IDLE_S)
    moves, last = circle_moves(seconds)
    with CpuMeter(c.prefix, name) as moving:
        subprocess.run(["xdotool", *moves], env=c.env, check=True, timeout=seconds * 5 + 30,
                       stdout=subprocess.DEVNULL)
    # Figures count only if the frame kept up: it must end on the pointer.
    follows = wait_for(lambda: overlay_centred(c, program.overlay_cls, last), 15,
                       f"the frame of {program.label} on the pointer's last point")
    log(f"{program.label} CPU idle {100 * idle.tree:.1f}%, moving {100 * moving.tree:.1f}%: " +
        ", ".join(f"{k} {100 * v:.1f}%" for k, v in sorted(moving.by_process.items(), key=lambda kv: -kv[1])))
    run.end()
    target.process.popen.kill()
    target.process.popen.wait()
    return idle, moving, bool(follows)


def case_for(arch, program):
    template = ROOT / "build" / "e2e" / f"template-{arch}"
    harness.prepare_template(template, arch)
    c = harness.Case(f"bench-{program.label.replace(' ', '-')}", ROOT / "build" / arch, template,
                     ROOT / "build" / "e2e" / "work", arch)
    c.__enter__()
    c.inspector.windows()  # keeps the prefix's wineserver and desktop running between starts
    return c


def bench_arch(args, arch, chosen):
    crono = ROOT / "build" / arch / "bench" / "CronoInici.exe"
    figures = {p.label: {} for p in chosen}
    for program in chosen:
        c = case_for(arch, program)
        try:
            starts = measure_starts(c, crono, program, args.starts)
        finally:
            c.__exit__(None, None, None)
        f = figures[program.label]
        f["visible_ms"] = statistics.median(s[0] for s in starts)
        f["painted_ms"] = statistics.median(s[1] for s in starts)
        f["private_mb"] = statistics.median(s[2] for s in starts) / 1024
        f["rss_mb"] = statistics.median(s[3] for s in starts) / 1024
        f["dlls"] = statistics.median(s[4] for s in starts)

    # The followers take turns, round after round, each in a prefix of its own kept open: a
    # change in the machine's load then falls on all of them alike. The ratio to the minimal
    # follower is taken within each round, and its median reported.
    followers = [p for p in chosen if p.overlay_cls]
    cases = {}
    try:
        for p in followers:
            cases[p.label] = case_for(arch, p)
        rounds = {p.label: [] for p in followers}
        for _ in range(args.rounds):
            for p in followers:
                rounds[p.label].append(measure_cpu(cases[p.label], crono, p, args.seconds))
    finally:
        for c in cases.values():
            c.__exit__(None, None, None)
    minimal = rounds.get("SeguidorMinim")
    for p in followers:
        mine = rounds[p.label]
        f = figures[p.label]
        f["idle_tree"] = statistics.median(r[0].tree for r in mine)
        f["move_tree"] = statistics.median(r[1].tree for r in mine)
        f["move_program"] = statistics.median(r[1].program for r in mine)
        f["moves_per_s"] = statistics.median(int(args.seconds * MOVES_PER_S) / r[1].seconds for r in mine)
        if minimal:
            f["ratios"] = [a[1].tree / b[1].tree for a, b in zip(mine, minimal)]
    return figures


def size_kib(path):
    return path.stat().st_size / 1024 if path else 0.0


def report(arch, rows):
    print(f"\n== {arch} ({'32-bit Wine' if arch == 'win32' else 'wine64'}) ==")
    print(f"{'program':17} {'exe KiB':>8} {'dll KiB':>8} {'sum KiB':>8} {'visible':>8} {'painted':>8} "
          f"{'private':>8} {'RSS':>8} {'DLLs':>4} {'idle CPU':>9} {'move CPU':>9} {'(prog)':>7} {'vs min':>7} {'moves/s':>8}")

    for p, f in rows:
        exe, dll = size_kib(p.exe), size_kib(p.dll)
        line = (f"{p.label:17} {exe:8.1f} {dll:8.1f} {exe + dll:8.1f} {f['visible_ms']:6.0f}ms "
                f"{f['painted_ms']:6.0f}ms {f['private_mb']:6.2f}MB {f['rss_mb']:6.1f}MB {f['dlls']:4.0f}")
        if "move_tree" in f:
            ratio = statistics.median(f["ratios"]) if "ratios" in f else float("nan")
            line += (f" {100 * f['idle_tree']:8.1f}% {100 * f['move_tree']:8.1f}% "
                     f"{100 * f['move_program']:6.1f}% {ratio:6.2f}x {f['moves_per_s']:8.0f}")
        print(line)
    print("private: the program's private resident memory; RSS: all its resident memory; DLLs: "
          "Windows libraries mapped in it.")
    print("CPU: % of one core, every process of the prefix (medians of the rounds); (prog): the "
          "program's own process; vs min: median over the rounds of moving CPU / the minimal follower's.")
    for p, f in rows:
        if "ratios" in f and p.label != "SeguidorMinim":
            print(f"{p.label}: ratio per round " + " ".join(f"{r:.2f}" for r in f["ratios"]))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--arch", choices=["win32", "win64", "both"], default="win32")
    parser.add_argument("--before", help="a folder with an earlier build's Pelvoro.exe and library "
                        "(for --arch both, a pattern with {arch})")
    parser.add_argument("--starts", type=int, default=5, help="timed starts per program (median)")
    parser.add_argument("--seconds", type=float, default=10, help="seconds of pointer movement")
    parser.add_argument("--rounds", type=int, default=5, help="CPU rounds per follower (median)")
    parser.add_argument("--only", action="append", help="only the programs whose label is this (repeatable)")
    args = parser.parse_args()
    arches = ["win32", "win64"] if args.arch == "both" else [args.arch]
    for arch in arches:
        missing = harness.missing_programs(arch)
        if missing:
            print(f"{arch}: missing {', '.join(missing)}")
            return harness.SKIP
        before = args.before.format(arch=arch) if args.before else None
        try:
            chosen = [p for p in programs(arch, before) if not args.only or p.label in args.only]
            figures = bench_arch(args, arch, chosen)
            rows = [(p, figures[p.label]) for p in chosen]
        except harness.Skip as skip:
            print(f"{arch}: {skip}")
            return harness.SKIP
        report(arch, rows)
    return 0


if __name__ == "__main__":
    sys.exit(main())
