"""The cases that the cases_*.py modules register, in the order they are loaded."""

from dataclasses import dataclass
from typing import Callable, Tuple

CASES = {}
ARCHES = ("win32", "win64")  # the i686 build under 32-bit Wine, the x86_64 build under wine64


@dataclass
class CaseEntry:
    function: Callable
    timeout: int
    labels: Tuple[str, ...]
    arches: Tuple[str, ...]


def case(timeout=90, labels=(), arches=ARCHES):
    """Registers a case under its function's name; timeout is ctest's, in seconds.

    Every case runs on each build in arches; labels are ctest labels beside the build's own."""
    def register(function):
        unknown = set(arches) - set(ARCHES)
        if unknown:
            raise ValueError(f"{function.__name__}: unknown builds {sorted(unknown)}")
        CASES[function.__name__] = CaseEntry(function, timeout, tuple(labels), tuple(arches))
        return function
    return register
