#!/usr/bin/env python3
"""Notches per second of scrolling by dwell at three distances from the compass's centre, from
the running program under Wine (the i686 build by default). A measurement, not a test: it
prints figures and fails only when the program cannot be driven at all.

  bench_scroll.py [--arch win32] [--seconds 5]"""

import argparse
import sys
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import harness  # noqa: E402
from cases_scroll import compass, notches  # noqa: E402
from cases_tipus_clic import choose, panel_window, rest, start  # noqa: E402

CENTRE = (600, 400)
# Just past the dead centre (24 px), halfway out, and just inside the ring (120 px).
DISTANCES = (30, 72, 115)


def measure(c, seconds):
    target, program, hwnd = start(c)
    choose(c, panel_window(c), "Desplaçar")
    rest(c, *CENTRE)
    compass(c)
    for distance in DISTANCES:
        c.move_pointer(CENTRE[0], CENTRE[1] - distance)
        seen = len(notches(target.log))
        harness.wait_for(lambda: len(notches(target.log)) > seen, 20, "the first notch")
        first, t0 = len(notches(target.log)), time.monotonic()
        time.sleep(seconds)
        count, t1 = len(notches(target.log)), time.monotonic()
        print(f"{distance:4d} px from the centre: {(count - first) / (t1 - t0):5.2f} notches/s "
              f"({count - first} in {t1 - t0:.2f} s)")
    program.close(hwnd)


def main():
    root = HERE.parent.parent
    parser = argparse.ArgumentParser()
    parser.add_argument("--arch", choices=harness.WINE.keys(), default="win32")
    parser.add_argument("--seconds", type=float, default=5.0)
    args = parser.parse_args()
    template = str(root / "build" / "e2e" / f"template-{args.arch}")
    harness.prepare_template(template, args.arch)
    with harness.Case("bench_scroll", str(root / "build" / args.arch), template,
                      str(root / "build" / "e2e" / "work"), args.arch) as c:
        measure(c, args.seconds)
    return 0


if __name__ == "__main__":
    sys.exit(main())
