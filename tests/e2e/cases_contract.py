"""The user-interface contract on the Win32 backend: the same cases that run natively on the
headless backend, in UiContract.exe with real windows, modal loops, timers and injected input."""

import re

from harness import check
from registry import case


@case(timeout=300, labels=("contract",))
def ui_contract(c):
    program = c.start(c.tool("UiContract.exe"))
    code = program.wait_exit(280)
    out = program.stdout_path.read_text(errors="replace")
    print(out)
    ran = re.search(r"\[==========\] (\d+) tests? from .* ran", out)
    failed = re.findall(r"^\[  FAILED  \] (\S+)", out, re.M)
    check(ran and int(ran.group(1)) > 0, "the contract program ran no case")
    check(code == 0 and not failed, f"contract cases failed on Win32: {sorted(set(failed))}")
