"""Two monitors under Wine: what Windows programs are told, where Pelvoro's main window goes, and
a target window on the other monitor (see harness.Case for how the monitors are made)."""

import json

from cases_program import HEIGHT, WIDTH, Pelvoro, is_blue
from harness import check, wait_for, windows_path
from registry import case

WAIT = 20
# X pointer buttons: wheel away from and towards the user, then left and right, and the notch
# each gives.
WHEEL_BUTTONS = ((4, "wheel +120"), (5, "wheel -120"), (6, "hwheel -120"), (7, "hwheel +120"))

# Inside DianaClics.exe's edit box, from the window's top left corner.
EDIT_POINT = (100, 30)
PRIMARY = (0, 0, 1024, 768)
RIGHT = (1024, 0, 1280, 1024)
LEFT = (-1280, 0, 1280, 1024)


def reported_monitors(c):
    """What LlistaMonitors.exe reads from Windows: monitors (rect, work, primary) in
    EnumDisplayMonitors order, the virtual screen [x, y, cx, cy], count and primary size."""
    process = c.start(c.tool("LlistaMonitors.exe"))
    check(process.wait_exit(WAIT) == 0, "LlistaMonitors.exe failed")
    lines = [l for l in process.stdout_path.read_text(errors="replace").splitlines() if l.startswith("{")]
    check(lines, "LlistaMonitors.exe wrote no report")
    return json.loads(lines[-1])


def two_monitors(c):
    # What every program is told: both monitors as declared, the primary first; with no taskbar
    # or window manager the work areas are the whole monitors.
    seen = reported_monitors(c)
    check([m["rect"] for m in seen["monitors"]] == c.monitors, f"monitors {seen['monitors']}, declared {c.monitors}")
    check([m["work"] for m in seen["monitors"]] == c.monitors, f"work areas {seen['monitors']}")
    check([m["primary"] for m in seen["monitors"]] == [True, False], f"primary flags {seen['monitors']}")
    left, top, right, bottom = c.virtual
    check(seen["virtual"] == [left, top, right - left, bottom - top], f"virtual screen {seen['virtual']}, not {c.virtual}")
    check((seen["count"], seen["primary"]) == (2, [1024, 768]), f"SM_CMONITORS and the primary's size: {seen}")
    print(f"monitors {seen['monitors']}, virtual screen {seen['virtual']}")

    # Pelvoro's main window at the top right of the primary monitor, not of the virtual screen,
    # and on the screen where the X server shows that monitor.
    program = Pelvoro(c, "NOABOUT")
    main = program.window()
    check(main["rect"] == [PRIMARY[2] - WIDTH, 0, PRIMARY[2], HEIGHT], f"main window at {main['rect']}")
    x, y = c.root_point(main["rect"][0], main["rect"][1])
    label_area = (x + 6, y + 70, x + WIDTH - 6, y + HEIGHT - 6)
    wait_for(lambda: c.screenshot("main-window").count(label_area, is_blue) > 30, WAIT,
             "the blue count where the main window is", interval=0.5)
    check(program.close(main["hwnd"]) == 0, "exit code is not 0")

    # A target window covering the other monitor gets typing, clicks and wheel notches there.
    log = c.log("diana.log")
    c.start(c.tool("DianaClics.exe"), windows_path(log.path), "MONITOR", 1, "EDIT")
    ready = log.wait_line(lambda l: l.startswith("ready"), WAIT, "the target window")
    ready = log.lines()[ready]
    check(ready.split()[2:] == [str(v) for v in c.monitors[1]], f"target window placed: {ready}")
    left, top, right, bottom = c.monitors[1]
    c.move_pointer(left + EDIT_POINT[0], top + EDIT_POINT[1])
    c.xdotool("click", 1)
    c.xdotool("type", "ab")
    log.wait_line(lambda l: l == "text ab", WAIT, "the typed text in the edit box")
    point = (left + 300, top + 200)
    c.move_pointer(*point)
    c.xdotool("click", 1)
    log.wait_line(lambda l: l == f"up L {point[0]} {point[1]}", WAIT, "the click on the other monitor")
    check(f"down L {point[0]} {point[1]}" in log.lines(), f"the press: {log.lines()}")
    # Wine 8 gives the horizontal wheel's position in client coordinates: only the vertical
    # one's is checked.
    for button, notch in WHEEL_BUTTONS:
        start = len(log.lines())
        c.xdotool("click", button)
        wanted = f"{notch} {point[0]} {point[1]}" if notch.startswith("wheel") else notch + " "
        log.wait_line(lambda l: l.startswith(wanted), WAIT, f"'{wanted}' for button {button}", start)


@case(monitors=(PRIMARY, RIGHT))
def monitors_second_one_right_of_the_primary(c):
    two_monitors(c)


@case(monitors=(PRIMARY, LEFT))
def monitors_second_one_left_of_the_primary_at_negative_x(c):
    two_monitors(c)
