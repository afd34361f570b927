"""The click-type panel of the dwell-only profile on a second monitor at negative x: moved there by
hand, it comes back there at the next start; placed on no monitor, it comes back on the primary."""

from cases_program import Pelvoro, settings
from cases_tipus_clic import panel_window
from harness import check, wait_for
from registry import case

WAIT = 20
PRIMARY = (0, 0, 1024, 768)
LEFT = (-1280, 0, 1280, 1024)
# Where the panel is put on the second monitor, its top left corner.
PLACE = (-700, 300)


def start(c):
    program = Pelvoro(c, "NOABOUT")
    hwnd = program.window()["hwnd"]
    return program, hwnd, panel_window(c)


def panel_at(c, corner, what):
    return wait_for(lambda: panel_window(c)["rect"][:2] == list(corner) and panel_window(c), WAIT, what)


@case(timeout=120, arches=("win32",), monitors=(PRIMARY, LEFT))
def profile_panel_on_second_monitor(c):
    ini = settings("BoolCheckBoxArrancarAmbOpcioMenu=true\nDecimesTimerClickAutomatic=5")
    c.write_ini(ini + "[Menu]\nOpcio=1\n[TipusClic]\nMostrarPanell=true\n")
    program, hwnd, panel = start(c)
    left, top = panel["rect"][:2]
    check(left == 0, f"panel first placed at {panel['rect']}, not on the primary's left edge")

    # The grip taken by hand and carried across the monitors' edge, in one go.
    grip = (40, 6)
    points = [c.root_point(left + grip[0], top + grip[1]), c.root_point(-100, top + grip[1]),
              c.root_point(PLACE[0] + grip[0], PLACE[1] + grip[1])]
    c.xdotool("mousemove", *points[0], "mousedown", 1, "mousemove", *points[1],
              "mousemove", *points[2], "mouseup", 1)
    panel_at(c, PLACE, f"the panel at {PLACE} on the second monitor")
    check(program.close(hwnd) == 0, "exit code is not 0")
    stored = c.ini().section("TipusClic")
    check((stored.get("Esquerra"), stored.get("Dalt")) == tuple(map(str, PLACE)), f"stored {stored}")

    program, hwnd, panel = start(c)
    panel_at(c, PLACE, f"the panel back at {PLACE} after a restart")
    check(program.close(hwnd) == 0, "exit code is not 0")

    # Below the second monitor's bottom edge lies no monitor, as when it has been unplugged.
    text = c.ini_path.read_bytes()
    check(b"Dalt=300\r\n" in text, "the stored place to change")
    c.ini_path.write_bytes(text.replace(b"Dalt=300\r\n", b"Dalt=1100\r\n"))
    program, hwnd, panel = start(c)
    height = panel["rect"][3] - panel["rect"][1]
    panel_at(c, (PRIMARY[0], PRIMARY[3] - height), "the panel on the primary's bottom left corner")
    check(program.close(hwnd) == 0, "exit code is not 0")
