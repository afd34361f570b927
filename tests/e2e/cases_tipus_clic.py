"""The click-type panel beside the dwell click, driven by the real pointer: each type chosen by
resting on its button, then what a rest elsewhere gives at the click target.

Negative checks wait for a later click that must come after the one in question, so they do
not rest on sleeping."""

from cases_program import Pelvoro, settings
from harness import check, holds, wait_for, windows_path
from registry import case

WAIT = 20
TENTHS = 5
WS_EX_TOPMOST, WS_EX_TOOLWINDOW, WS_EX_NOACTIVATE = 0x8, 0x80, 0x08000000
PRESSED_FACE = (0xB0, 0xD8, 0xF0)  # the light blue of the type in force


class Target:
    """DianaClics.exe over the whole screen, taking double clicks."""

    def __init__(self, c):
        self.log = c.log("diana.log")
        c.start(c.tool("DianaClics.exe"), windows_path(self.log.path), 0, 0, 1024, 768, "DOBLES")
        self.log.wait_line(lambda l: l.startswith("ready"), WAIT, "target window")
        self.seen = 0

    def buttons(self):
        """The button messages since forget() was last called."""
        return [l for l in self.log.lines() if l.startswith(("down", "up", "dbl"))][self.seen:]

    def forget(self):
        self.seen += len(self.buttons())

    def wait_count(self, count):
        """Waits until count button lines have arrived; returns them all."""
        wait_for(lambda: len(self.buttons()) >= count, WAIT, f"{count} button messages at the target")
        return self.buttons()


def start(c, panel=True):
    ini = settings(f"BoolCheckBoxArrancarAmbOpcioMenu=true\nDecimesTimerClickAutomatic={TENTHS}")
    ini += "[Menu]\nOpcio=1\n"
    if panel:
        ini += "[TipusClic]\nMostrarPanell=true\n"
    c.write_ini(ini)
    target = Target(c)
    c.xdotool("mousemove", 512, 100)
    program = Pelvoro(c, "NOABOUT")
    hwnd = program.window()["hwnd"]
    # The restored mode clicks where the pointer rests from the start.
    check(target.wait_count(2) == ["down L 512 100", "up L 512 100"], f"first click: {target.buttons()}")
    target.forget()
    return target, program, hwnd


def caption(c):
    return c.inspector.windows(cls="TFormPrincipal")[0]["caption"]


def rest(c, x, y):
    """Moves the pointer to x, y and waits until the dwell countdown there has reached 0."""
    c.xdotool("mousemove", x, y)
    wait_for(lambda: caption(c) != "0", WAIT, f"the count restarting at {x},{y}")
    wait_for(lambda: caption(c) == "0", WAIT, f"the dwell click at {x},{y}")


def panel_window(c):
    def probe():
        return next((w for w in c.inspector.windows(cls="TFormTipusClic") if w["visible"]), None)
    return wait_for(probe, WAIT, "the click-type panel shown")


def button_centre(c, panel, text):
    for child in c.inspector.children(panel["hwnd"]):
        if child["class"].lower() == "button" and child["text"] == text:
            left, top, right, bottom = child["rect"]
            return (left + right) // 2, (top + bottom) // 2
    raise AssertionError(f"no button '{text}' on the panel")


def choose(c, panel, text):
    x, y = button_centre(c, panel, text)
    rest(c, x, y)
    # The rest on the panel takes the focus from nobody: the panel is never activated.
    check(c.inspector.ask("foreground")["hwnd"] != panel["hwnd"], f"choosing '{text}' activated the panel")
    return x, y


@case(timeout=120)
def tipus_clic_panel_double_right_and_drag(c):
    target, program, hwnd = start(c)
    panel = panel_window(c)
    ex = panel["exstyle"]
    check(ex & WS_EX_NOACTIVATE and ex & WS_EX_TOOLWINDOW and ex & WS_EX_TOPMOST,
          f"panel extended style {ex:#x}")
    left, top, right, bottom = panel["rect"]
    # At the left edge, with the main window docked above it in one column.
    main_rect = wait_for(lambda: (r := program.window()["rect"])[0] == 0 and r, WAIT, "the main window docked")
    check(left == 0 and main_rect[3] <= top and bottom <= 768, f"panel first placed at {panel['rect']}, main {main_rect}")
    texts = [ch["text"] for ch in c.inspector.children(panel["hwnd"]) if ch["class"].lower() == "button"]
    check(texts == ["Esquerre", "Doble", "Dret", "Arrossegar", "Pausa", "Desplaçar", "−", "+"], f"panel buttons {texts}")

    x, y = choose(c, panel, "Doble")
    shot = c.screenshot("doble-chosen")
    check(shot.pixel(x - 30, y - 25) == PRESSED_FACE, f"'Doble' not drawn pressed: {shot.pixel(x - 30, y - 25)}")
    check(target.buttons() == [], f"choosing on the panel reached the target: {target.buttons()}")
    rest(c, 500, 300)
    got = target.wait_count(4)
    check(got == ["down L 500 300", "up L 500 300", "dbl L 500 300", "up L 500 300"], f"double click: {got}")

    choose(c, panel, "Dret")
    rest(c, 600, 350)
    got = target.wait_count(6)[4:]
    check(got == ["down R 600 350", "up R 600 350"], f"right click: {got}")

    choose(c, panel, "Arrossegar")
    rest(c, 300, 300)
    got = target.wait_count(7)[6:]
    check(got == ["down L 300 300"], f"drag press: {got}")
    rest(c, 700, 500)
    got = target.wait_count(8)[6:]
    check(got == ["down L 300 300", "up L 700 500"], f"drag: {got}")

    # A drag that comes to rest on the panel lets go where it began, and chooses nothing there.
    choose(c, panel, "Arrossegar")
    rest(c, 320, 320)
    px, py = button_centre(c, panel, "Pausa")
    rest(c, px, py)
    got = target.wait_count(10)[8:]
    check(got == ["down L 320 320", "up L 320 320"], f"drag called off on the panel: {got}")
    cursor = c.inspector.ask("cursor")
    check((cursor["x"], cursor["y"]) == (320, 320), f"the pointer is not where the drag began: {cursor}")

    # Back to a single left click after each of them; none came where the drag began.
    rest(c, 650, 450)
    got = target.wait_count(12)[10:]
    check(got == ["down L 650 450", "up L 650 450"], f"after the drags: {got}")
    check(program.close(hwnd) == 0, "exit code is not 0")
    stored = c.ini().section("TipusClic")
    check(stored == {"MostrarPanell": "true", "Esquerra": str(left), "Dalt": str(top), "Pausa": "false"}, f"stored {stored}")


@case(timeout=120)
def tipus_clic_panel_pause(c):
    target, program, hwnd = start(c)
    panel = panel_window(c)
    choose(c, panel, "Pausa")
    # Paused, a rest away from the panel counts nothing: the caption shows the pause all through
    # the time a click would take.
    for x, y in ((400, 400), (420, 200)):
        c.xdotool("mousemove", x, y)
        wait_for(lambda: caption(c) == "II", WAIT, f"the pause shown at {x},{y}")
        holds(lambda: caption(c) == "II", 2 * TENTHS / 10, f"the pause at {x},{y}")
    choose(c, panel, "Pausa")
    rest(c, 450, 420)
    # Had a rest while paused clicked, its press would stand before this one.
    got = target.wait_count(2)
    check(got == ["down L 450 420", "up L 450 420"], f"clicks around the pause: {got}")
    check(program.close(hwnd) == 0, "exit code is not 0")


@case()
def tipus_clic_panel_off_changes_nothing(c):
    target, program, hwnd = start(c, panel=False)
    rest(c, 500, 300)
    rest(c, 520, 310)
    got = target.wait_count(4)
    check(got == ["down L 500 300", "up L 500 300", "down L 520 310", "up L 520 310"], f"clicks: {got}")
    shown = [w for w in c.inspector.windows(cls="TFormTipusClic") if w["visible"]]
    check(shown == [], f"a panel is shown: {shown}")
    check(program.close(hwnd) == 0, "exit code is not 0")
    check("TipusClic" not in c.ini().sections, "the panel's section was written")


@case(timeout=120)
def tipus_clic_panel_by_hand(c):
    """A hand on the mouse: a click on a button chooses it, and the grip moves the panel, and
    neither takes the focus; then the grip moved by dwell alone."""
    target, program, hwnd = start(c)
    panel = panel_window(c)
    x, y = button_centre(c, panel, "Dret")
    # Away again before a dwell there could choose it: only the click does.
    c.xdotool("mousemove", x, y, "click", 1, "mousemove", 600, 350)
    check(c.inspector.ask("foreground")["hwnd"] != panel["hwnd"], "the click activated the panel")
    wait_for(lambda: caption(c) == "0", WAIT, "the dwell click at 600,350")
    got = target.wait_count(2)
    check(got == ["down R 600 350", "up R 600 350"], f"after choosing by hand: {got}")
    check(all(l.startswith(("down R", "up R")) for l in got), f"the hand's click reached the target: {got}")

    left, top, _, _ = panel["rect"]
    c.xdotool("mousemove", left + 40, top + 6, "mousedown", 1)
    c.xdotool("mousemove", left + 240, top + 106)
    c.xdotool("mousemove", left + 340, top + 2006, "mouseup", 1)
    bottom_most = 768 - (panel["rect"][3] - top)
    moved = wait_for(lambda: panel_window(c)["rect"][:2] == [left + 300, bottom_most] and panel_window(c),
                     WAIT, "the panel moved and kept on the screen")
    check(c.inspector.ask("foreground")["hwnd"] != panel["hwnd"], "moving activated the panel")

    # And by dwell alone: a drag begun on the grip carries the panel and lets go there.
    choose(c, moved, "Arrossegar")
    left, top = moved["rect"][:2]
    rest(c, left + 40, top + 6)
    rest(c, left - 160, top - 94)
    moved = wait_for(lambda: panel_window(c)["rect"][:2] == [left - 200, top - 100] and panel_window(c),
                     WAIT, "the panel carried by a dwell drag")
    check(target.buttons() == got, f"moving the panel reached the target: {target.buttons()}")
    check(program.close(hwnd) == 0, "exit code is not 0")
    stored = c.ini().section("TipusClic")
    check((stored["Esquerra"], stored["Dalt"]) == (str(moved["rect"][0]), str(moved["rect"][1])), f"stored {stored}")
