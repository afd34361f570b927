#!/usr/bin/env python3
"""End-to-end cases under wine64 and Xvfb.

  run_e2e.py list                         names of all cases
  run_e2e.py template [--template DIR]    boot the Wine prefix that the cases copy
  run_e2e.py case NAME [--bin B] [--template DIR] [--work W]
  run_e2e.py all  [...]                   every case in turn
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
        with harness.Case(name, args.bin, args.template, args.work) as c:
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
    with harness.Case("bench", args.bin, args.template, args.work) as c:
        process = c.start(c.tool("BenchHook.exe"))
        code = process.wait_exit(600)
        print(process.stdout_path.read_text(errors="replace"), end="")
        return code


def main():
    root = HERE.parent.parent
    parser = argparse.ArgumentParser()
    parser.add_argument("command", choices=["list", "template", "case", "all", "bench"])
    parser.add_argument("name", nargs="?")
    parser.add_argument("--bin", default=str(root / "build" / "win64"),
                        help="folder with Pelvoro.exe and tools/")
    parser.add_argument("--template", default=str(root / "build" / "e2e" / "template"))
    parser.add_argument("--work", default=str(root / "build" / "e2e" / "work"))
    args = parser.parse_args()
    load_cases()

    if args.command == "list":
        for name, entry in CASES.items():
            print(f"{name} {entry.timeout}")
        return 0
    missing = harness.missing_programs()
    if missing:
        print("missing: " + ", ".join(missing))
        return harness.SKIP
    if args.command == "template":
        harness.prepare_template(args.template)
        return 0
    if args.command == "bench":
        if not (Path(args.template) / "current" / "ready").exists():
            harness.prepare_template(args.template)
        return bench(args)
    if args.command == "case":
        if args.name not in CASES:
            print(f"no case {args.name}")
            return 2
        return run_case(args.name, args)
    results = {name: run_case(name, args) for name in CASES}
    failed = [name for name, code in results.items() if code not in (0, harness.SKIP)]
    print(f"{len(results) - len(failed)} of {len(results)} passed or skipped; failed: {failed}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
