#!/usr/bin/env python3
"""End-to-end cases under Wine and Xvfb, on the i686 build (--arch win32, 32-bit Wine, the
default: it is what users run) or the x86_64 build (--arch win64, wine64).

  run_e2e.py list                         one line per case: name, timeout, builds, labels
  run_e2e.py template [--template DIR]    boot the Wine prefix that the cases copy, if needed
  run_e2e.py case NAME [--arch A] [--bin B] [--template DIR] [--work W]
  run_e2e.py all  [...]                   every case of that build in turn
  run_e2e.py bench [...]                  the hook procedure benchmark (not a test)

A case is a function taking a harness.Case, registered with @case in a cases_*.py module
of this folder; every such module is loaded.
"""

import argparse
import importlib
import sys
import time
import traceback
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import harness  # noqa: E402
from registry import CASES  # noqa: E402


def load_cases():
    for module in sorted(HERE.glob("cases_*.py")):
        importlib.import_module(module.stem)


def run_case(name, args):
    entry = CASES[name]
    start = time.monotonic()
    try:
        with harness.Case(name, args.bin, args.template, args.work, args.arch,
                          screen=entry.screen, monitors=entry.monitors) as c:
            entry.function(c)
    except harness.Skip as skip:
        print(f"SKIP {name}: {skip}")
        return harness.SKIP
    except Exception:
        traceback.print_exc()
        print(f"FAIL {name} ({time.monotonic() - start:.1f} s)")
        return 1
    print(f"PASS {name} ({time.monotonic() - start:.1f} s)")
    return 0


def bench(args):
    with harness.Case("bench", args.bin, args.template, args.work, args.arch) as c:
        process = c.start(c.tool("BenchHook.exe"))
        code = process.wait_exit(600)
        print(process.stdout_path.read_text(errors="replace"), end="")
        return code


def main():
    root = HERE.parent.parent
    parser = argparse.ArgumentParser()
    parser.add_argument("command", choices=["list", "template", "case", "all", "bench"])
    parser.add_argument("name", nargs="?")
    parser.add_argument("--arch", choices=harness.WINE.keys(), default="win32")
    parser.add_argument("--bin", help="folder with Pelvoro.exe and tools/ (build/<arch>)")
    parser.add_argument("--template", help="where the booted prefix is kept (build/e2e/template-<arch>)")
    parser.add_argument("--work", default=str(root / "build" / "e2e" / "work"))
    args = parser.parse_args()
    args.bin = args.bin or str(root / "build" / args.arch)
    args.template = args.template or str(root / "build" / "e2e" / f"template-{args.arch}")
    load_cases()

    if args.command == "list":
        for name, entry in CASES.items():
            print(f"{name} {entry.timeout} {','.join(entry.arches)} {','.join(entry.labels) or '-'}")
        return 0
    missing = harness.missing_programs(args.arch)
    if missing:
        print("missing: " + ", ".join(missing))
        return harness.SKIP
    if args.command in ("template", "bench"):
        harness.prepare_template(args.template, args.arch)
        if args.command == "template":
            return 0
        return bench(args)
    if args.command == "case":
        if args.name not in CASES:
            print(f"no case {args.name}")
            return 2
        if args.arch not in CASES[args.name].arches:
            print(f"SKIP {args.name}: not for the {args.arch} build")
            return harness.SKIP
        return run_case(args.name, args)
    results = {name: run_case(name, args) for name, entry in CASES.items() if args.arch in entry.arches}
    failed = [name for name, code in results.items() if code not in (0, harness.SKIP)]
    print(f"{len(results) - len(failed)} of {len(results)} passed or skipped; failed: {failed}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
