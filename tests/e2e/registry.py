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


def case(timeout=90, labels=(), arches=ARCHES, screen=None):
    """Registers a case under its function's name; timeout is ctest's, in seconds.

    Every case runs on each build in arches; labels are ctest labels beside the build's own.
    screen, (width, height), is the size of the case's display, when not the harness's own."""
    def register(function):
        unknown = set(arches) - set(ARCHES)
        if unknown:
            raise ValueError(f"{function.__name__}: unknown builds {sorted(unknown)}")
        CASES[function.__name__] = CaseEntry(function, timeout, tuple(labels), tuple(arches),
                                            tuple(screen) if screen else None)
        return function
    return register
