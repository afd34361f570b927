"""A head tracker's slow glide towards its target is no rest with the dwell-only profile: with the
settings as they come (a rest of one second, 10 pixels of give), the pointer moving 60 pixels a
second across 360 pixels clicks nothing on its way, and the rest at its end clicks once. Tick by
tick, 6 pixels a tenth of a second would count as resting."""

import time

from cases_program import Pelvoro
from cases_tipus_clic import Target
from harness import check, holds
from registry import case

PROFILE = "[TipusClic]\nMostrarPanell=true\n"
START = (300, 500)
STEP = 6  # pixels each tenth of a second: 60 pixels a second
STEPS = 60  # 360 pixels
DWELL = 1.0  # seconds, as the settings come


@case(timeout=120, arches=("win32",))
def profile_glide_at_60_pixels_a_second_clicks_only_where_it_ends(c):
    c.write_ini(PROFILE)
    target = Target(c)
    x, y = START
    c.xdotool("mousemove", x, y)
    program = Pelvoro(c, "NOABOUT")
    main = program.window()
    # The profile has mode 1 on from the start: the first rest clicks.
    got = target.wait_count(2)
    check(got == [f"down L {x} {y}", f"up L {x} {y}"], f"first rest gave {got}")
    target.forget()

    # The moves are paced by the clock, as a tracker sends them; a late step only shortens the
    # next wait, so the glide never stops for as long as a rest.
    began = time.monotonic()
    longest = 0.0
    last = began
    for i in range(1, STEPS + 1):
        time.sleep(max(0.0, began + i * 0.1 - time.monotonic()))
        c.xdotool("mousemove", x + i * STEP, y)
        now = time.monotonic()
        longest, last = max(longest, now - last), now
    print(f"glide of {STEPS * STEP} px in {last - began:.2f} s, longest step {longest * 1000:.0f} ms")
    check(longest < DWELL / 2, f"the glide stalled for {longest:.2f} s: no glide to judge")
    check(target.buttons() == [], f"the glide clicked: {target.buttons()}")

    end = x + STEPS * STEP
    got = target.wait_count(2)
    check(got == [f"down L {end} {y}", f"up L {end} {y}"], f"the rest after the glide gave {got}")
    holds(lambda: len(target.buttons()) == 2, 2 * DWELL, "one click for the rest, not more")
    check(program.close(main["hwnd"]) == 0, "exit code is not 0")
