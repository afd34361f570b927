"""The dwell click, restored from the settings at start and driven by the real pointer."""

import time

from cases_hook import Target
from cases_program import Pelvoro, settings
from harness import Failure, check, holds, wait_for
from registry import case

TENTHS = 10


def start_dwelling(c, parameters):
    """Starts the program with PARAMETERS and the dwell click restored, the pointer resting on a
    target at (300, 300); returns the target, the program and its window once the first click
    has come there."""
    c.write_ini(settings(parameters) + "[Menu]\nOpcio=1\n")
    target = Target(c)
    c.xdotool("mousemove", 300, 300)
    program = Pelvoro(c, "NOABOUT")
    hwnd = program.window()["hwnd"]
    target.wait("up L 300 300")
    return target, program, hwnd


def watch_until_click(c, target, clicks_before):
    """Samples the caption until the target has one more press; returns the captions seen, in
    order without repeats, and the seconds it took."""
    start = time.monotonic()
    captions = []

    def clicked():
        if len([l for l in target.buttons() if l.startswith("down")]) > clicks_before:
            return True
        caption = c.inspector.windows(cls="TFormPrincipal")[0]["caption"]
        if not captions or captions[-1] != caption:
            captions.append(caption)
        return False
    try:
        wait_for(clicked, 10, "the click", interval=0.02)
    except Failure:
        raise Failure(f"no click after 10 s; captions {captions}") from None
    return captions, time.monotonic() - start


def check_countdown(captions):
    if captions[0] == "0":
        captions = captions[1:]  # the last rest's count, until the first tick sees the move
    numbers = [int(t) for t in captions if t.isdigit()]
    check(numbers == sorted(numbers, reverse=True), f"the caption did not count down: {captions}")
    check(len(numbers) >= TENTHS // 2, f"too few counts seen: {captions}")
    check(numbers[0] >= TENTHS - 2, f"the count started at {numbers[0]}: {captions}")


@case()
def dwell_click_where_the_pointer_rests(c):
    target, program, hwnd = start_dwelling(
        c, f"BoolCheckBoxArrancarAmbOpcioMenu=true\nDecimesTimerClickAutomatic={TENTHS}")
    check(c.inspector.windows(cls="TFormPrincipal")[0]["caption"] == "0", "the caption is not 0 after the click")

    # Moved and resting again: the next click comes there, about a second later, and only one.
    c.xdotool("mousemove", 600, 400)
    captions, seconds = watch_until_click(c, target, 1)
    target.wait("up L 600 400")
    check(0.9 <= seconds <= 3, f"the click came {seconds:.2f} s after the move")
    check_countdown(captions)
    clicks = ["down L 300 300", "down L 600 400"]
    holds(lambda: [l for l in target.buttons() if l.startswith("down")] == clicks, 2 * TENTHS / 10,
          "no click while the pointer rests after one")
    downs = [l for l in target.buttons() if l.startswith("down")]
    check(downs == clicks, f"clicks: {downs}")
    check(c.ini().get("Menu", "Opcio") == "1", "the restored mode was not stored again")
    check(program.close(hwnd) == 0, "exit code is not 0")
