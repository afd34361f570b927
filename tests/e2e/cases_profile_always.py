"""The dwell-only profile keeps clicking on for a user who can only move the pointer: after a
restart with no other setting, after a carer's menu, and through the bad colour's box at start.
Nothing but pointer moves reaches the program after its start, except the carer's keys."""

import subprocess
import time

from cases_program import Pelvoro, settings
from cases_tipus_clic import Target
from harness import check, wait_for
from registry import case

WAIT = 20
PROFILE = "[TipusClic]\nMostrarPanell=true\n"


def caption(c):
    return c.inspector.windows(cls="TFormPrincipal")[0]["caption"]


def armed(c):
    """Mode 1 armed shows its count in the main window's caption; stopped, the name."""
    return caption(c) not in ("", "Pelvoro")


def rest_clicks(c, target, x, y):
    """The pointer rests at x, y: the next button messages at the target are a left click there."""
    target.forget()
    c.xdotool("mousemove", x, y)
    got = target.wait_count(2)
    check(got[:2] == [f"down L {x} {y}", f"up L {x} {y}"], f"the rest at {x},{y} gave {got}")
    target.forget()


@case(timeout=120, arches=("win32",))
def profile_always_a_restart_clicks_with_no_other_setting(c):
    c.write_ini(PROFILE)
    target = Target(c)
    c.xdotool("mousemove", 512, 500)
    for run, args in enumerate(((), ("NOABOUT",))):
        # The first start shows its notice; clicking begins once it is over.
        program = Pelvoro(c, *args)
        hwnd = program.window()["hwnd"]
        rest_clicks(c, target, 600 + 50 * run, 450)
        check(program.close(hwnd) == 0, "exit code is not 0")
    ini = c.ini()
    check(ini.get("TipusClic", "MostrarPanell") == "true", f"stored {ini.section('TipusClic')}")
    # The close stores "0" as always when the last mode is not restored: nothing chose mode 1.
    check(ini.get("Menu", "Opcio") == "0", f"stored mode {ini.get('Menu', 'Opcio')}")


@case(timeout=120, arches=("win32",))
def profile_always_back_within_a_second_of_a_carers_menu(c):
    c.write_ini(PROFILE)
    target = Target(c)
    c.xdotool("mousemove", 512, 500)
    program = Pelvoro(c, "NOABOUT")
    rest_clicks(c, target, 512, 500)
    main = program.window()  # where the column has put it

    # A carer's Alt+P: the menu stops clicking; Esc, Esc closes it. The X keyboard focus follows
    # the pointer; the menu is open before a rest there could end.
    left, _, right, bottom = main["rect"]
    c.xdotool("mousemove", (left + right) // 2, bottom - 30)
    # A rest on Pelvoro's window clicks nothing, so nothing has brought it forward: the carer
    # does, with a click on it. Without a window manager Wine activates a window only on
    # injected input, so the carer's click is one; it stops clicking, which comes back.
    clicker = c.start(c.tool("ImitaSistema.exe"), "click", (left + right) // 2, bottom - 30)
    check(clicker.wait_exit(WAIT) == 0, "ImitaSistema could not click")
    wait_for(lambda: armed(c), WAIT, "clicking back after the carer's click")
    c.xdotool("key", "alt+p")
    wait_for(lambda: not armed(c), WAIT, "the menu to stop clicking")
    # The first Esc closes the menu's list and leaves its bar selected; the second leaves it.
    c.xdotool("key", "Escape", "Escape")
    escaped = time.monotonic()
    c.xdotool("mousemove", 400, 300)
    wait_for(lambda: armed(c), WAIT, "clicking back after the menu")
    back = time.monotonic() - escaped
    print(f"clicking back {back * 1000:.0f} ms after the menu's Esc")
    check(back <= 1.0, f"clicking came back {back:.2f} s after the menu closed")
    rest_clicks(c, target, 400, 300)
    check(program.close(main["hwnd"]) == 0, "exit code is not 0")


@case(timeout=120, arches=("win32",))
def profile_always_a_rest_closes_the_bad_colours_box(c):
    c.write_ini(settings("ColorQuadreSeguiment=abc") + PROFILE)
    target = Target(c)
    c.xdotool("mousemove", 512, 100)
    program = Pelvoro(c, "NOABOUT")
    text = "'abc' is not a valid integer value."
    box = wait_for(lambda: next((b for b in c.inspector.boxes() if b["visible"] and text in b["texts"]), None),
                   WAIT, "the bad colour's box")
    # Clicking runs while the box is up: the pointer resting at the start is clicked there.
    got = target.wait_count(2)
    check(got[:2] == ["down L 512 100", "up L 512 100"], f"while the box is up: {got}")
    ok = next(ch for ch in c.inspector.children(box["hwnd"]) if ch["class"].lower() == "button")
    bl, bt, br, bb = ok["rect"]
    c.xdotool("mousemove", (bl + br) // 2, (bt + bb) // 2)
    wait_for(lambda: not any(b["visible"] for b in c.inspector.boxes()), WAIT, "a rest on OK to close the box")
    main = program.window()
    rest_clicks(c, target, 600, 400)
    check(program.close(main["hwnd"]) == 0, "exit code is not 0")
    check(c.ini().get("Parametres", "ColorQuadreSeguiment") == "255", "bad colour not replaced")
