"""The cases that the cases_*.py modules register, in the order they are loaded."""

from dataclasses import dataclass
from typing import Callable, Optional, Tuple

CASES = {}
ARCHES = ("win32", "win64")  # the i686 build under 32-bit Wine, the x86_64 build under wine64


@dataclass
class CaseEntry:
    function: Callable
    timeout: int
    labels: Tuple[str, ...]
    arches: Tuple[str, ...]
    screen: Optional[Tuple[int, int]] = None
    monitors: Optional[Tuple[Tuple[int, int, int, int], ...]] = None


def case(timeout=90, labels=(), arches=ARCHES, screen=None, monitors=None):
    """Registers a case under its function's name; timeout is ctest's, in seconds.

    Every case runs on each build in arches; labels are ctest labels beside the build's own.
    screen, (width, height), is the size of the case's display, when not the harness's own.
    monitors, ((x, y, width, height), ...) in Windows screen coordinates, gives Wine these
    monitors instead (see harness.Case); the first is the primary and lies at 0,0."""
    def register(function):
        unknown = set(arches) - set(ARCHES)
        if unknown:
            raise ValueError(f"{function.__name__}: unknown builds {sorted(unknown)}")
        if monitors is not None:
            if screen is not None:
                raise ValueError(f"{function.__name__}: the monitors make the screen; give one of them")
            if len(monitors) < 1 or any(len(m) != 4 or m[2] <= 0 or m[3] <= 0 for m in monitors):
                raise ValueError(f"{function.__name__}: each monitor is (x, y, width, height)")
            if tuple(monitors[0][:2]) != (0, 0):
                raise ValueError(f"{function.__name__}: Wine puts the primary monitor, the first, at 0,0")
        CASES[function.__name__] = CaseEntry(function, timeout, tuple(labels), tuple(arches),
                                            tuple(screen) if screen else None,
                                            tuple(tuple(m) for m in monitors) if monitors else None)
        return function
    return register
