"""The cases that the cases_*.py modules register, in the order they are loaded."""

from dataclasses import dataclass
from typing import Callable

CASES = {}


@dataclass
class CaseEntry:
    function: Callable
    timeout: int


def case(timeout=90):
    """Registers a case under its function's name; timeout is ctest's, in seconds."""
    def register(function):
        CASES[function.__name__] = CaseEntry(function, timeout)
        return function
    return register
