"""Scrolling by dwell and the dwell time's "−" and "+" on the click-type panel, driven by nothing
but pointer moves: "Desplaçar" chosen by a rest, a rest on a target window sets the compass, and
the pointer held above, below and beside its centre turns the wheel there.

A check that nothing came waits for a later event that must follow it, not for time to pass."""

import math
import subprocess

import cases_monitors
from cases_program import Pelvoro, settings
from cases_tipus_clic import TENTHS, Target, button_centre, caption, choose, panel_window, rest, start
from harness import check, wait_for, windows_path
from registry import case

WAIT = 20


def foreground(c):
    """The class of the foreground window: the wheel goes to the window under the pointer
    whichever this is, and the report says which it was."""
    hwnd = c.inspector.ask("foreground")["hwnd"]
    return next((f"{w['class']} at {w['rect']}" for w in c.inspector.windows() if w["hwnd"] == hwnd), hwnd)
WS_EX_TRANSPARENT, WS_EX_LAYERED = 0x20, 0x80000
# Where the pointer is held, from the compass's centre, and the notch each place gives. The
# dead centre reaches 24 pixels out and the ring 120.
# The last is vertical: Wine gives that wheel's position on the screen, which the end checks.
WAYS = (((0, -60), "wheel +120"), ((-80, 0), "hwheel -120"), ((90, 0), "hwheel +120"), ((0, 70), "wheel -120"))
RING = 120
OUTSIDE = (0, -200)
CENTRE_COLOUR = (0xFF, 0xC0, 0x40)


def counts_while_moving(c, x, y, steps=80):
    """The counts the main window's title shows while the pointer moves 12 pixels every 30 ms
    from x, y: one xdotool run makes the moves, so they keep pace however slow a probe is."""
    moves = []
    for i in range(steps):
        moves += ["mousemove", *c.root_point(x + 12 * (i % 25), y), "sleep", "0.03"]
    mover = subprocess.Popen(["xdotool", *[str(m) for m in moves]], env=c.env, stdout=subprocess.DEVNULL)
    seen = set()
    while mover.poll() is None:
        seen.add(caption(c))
    check(mover.wait() == 0, "xdotool failed")
    return seen


class LogTarget:
    """The button lines of a DianaClics log, as cases_tipus_clic.Target keeps them."""

    def __init__(self, log):
        self.log, self.seen = log, 0

    buttons = Target.buttons
    forget = Target.forget
    wait_count = Target.wait_count


def notches(log):
    """The wheel lines of a DianaClics log, as "wheel +120" or "hwheel -120"."""
    return [" ".join(l.split()[:2]) for l in log.lines() if l.startswith(("wheel", "hwheel"))]


def vertical_positions(log):
    """Where the pointer was, on the screen, at each vertical notch."""
    return [(int(l.split()[2]), int(l.split()[3])) for l in log.lines() if l.startswith("wheel")]


def compass(c, shown=True):
    def probe():
        found = [w for w in c.inspector.windows(cls="TFormBruixola") if w["visible"]]
        return found[0] if found else None
    if shown:
        return wait_for(probe, WAIT, "the scroll compass shown")
    wait_for(lambda: probe() is None, WAIT, "the scroll compass gone")
    return None


def scroll_each_way(c, log, target, at):
    """Sets the compass at `at` over the target whose log this is, holds the pointer each way and
    then leaves the ring; checks the notches and that none came after the pointer left."""
    x, y = at
    rest(c, x, y)
    window = compass(c)
    left, top, right, bottom = window["rect"]
    check(((left + right) // 2, (top + bottom) // 2) == at, f"compass at {window['rect']}, not around {at}")
    check(window["exstyle"] & WS_EX_TRANSPARENT and window["exstyle"] & WS_EX_LAYERED,
          f"the compass takes the pointer: extended style {window['exstyle']:#x}")
    check(notches(log) == [], f"notches before the pointer left the centre: {notches(log)}")
    # Drawn: the amber centre around the point, and the target seen through the rest.
    cx, cy = c.root_point(x + 10, y + 10)
    shot = wait_for(lambda: (lambda s: s if s.pixel(cx, cy) == CENTRE_COLOUR else None)(c.screenshot("compass")),
                    WAIT, "the compass's centre drawn", interval=0.5)
    bx, by = c.root_point(x + 60, y + 60)
    check(shot.pixel(bx, by) != CENTRE_COLOUR and shot.pixel(bx, by) != (255, 255, 255),
          f"the compass hides the window beneath: {shot.pixel(bx, by)}")
    before = None
    for (dx, dy), notch in WAYS:
        seen = len(notches(log))
        c.move_pointer(x + dx, y + dy)
        wait_for(lambda: notches(log)[seen:].count(notch) >= 3, WAIT, f"three '{notch}' at {dx},{dy}")
        got = notches(log)[seen:]
        # Notches sent before the pointer moved may be logged after it, slow as the target may
        # be; from the first of the new way on, every one is of that way.
        stale = got.index(notch)
        check(set(got[:stale]) <= {before}, f"held at {dx},{dy}: {got}")
        check(set(got[stale:]) == {notch}, f"held at {dx},{dy}: {got}")
        print(f"held at {dx},{dy}: {len(got) - stale} x {notch}")
        before = notch
    left_ring = len(notches(log))
    c.move_pointer(x + OUTSIDE[0], y + OUTSIDE[1])
    compass(c, shown=False)
    check(target.buttons() == [], f"a button reached the target while scrolling: {target.buttons()}")
    # The rest out there is a left click again; by the time it lands, any notch would have. Each
    # vertical notch came with the pointer inside the ring, and none of any other way followed.
    rest(c, x + OUTSIDE[0], y + OUTSIDE[1])
    target.wait_count(2)
    after = notches(log)[left_ring:]
    check(set(after) <= {before}, f"notches after the pointer left the ring: {after}")
    far = [p for p in vertical_positions(log) if math.hypot(p[0] - x, p[1] - y) > RING]
    check(far == [], f"notches with the pointer outside the ring: {far}")
    return len(notches(log))


@case(timeout=180, arches=("win32",))
def scroll_compass_each_way_then_the_dwell_time_by_minus_and_plus(c):
    target, program, hwnd = start(c)
    panel = panel_window(c)
    texts = [ch["text"] for ch in c.inspector.children(panel["hwnd"]) if ch["class"].lower() == "button"]
    check(texts == ["Esquerre", "Doble", "Dret", "Arrossegar", "Pausa", "Desplaçar", "−", "+"],
          f"panel buttons {texts}")
    left, top, right, bottom = panel["rect"]
    check(bottom - top <= 768 - 40, f"the panel stands {bottom - top} pixels high")
    print(f"foreground window while scrolling: {foreground(c)}")
    choose(c, panel, "Desplaçar")
    scroll_each_way(c, target.log, target, (600, 400))

    # "+" once, "−" twice: stored under the dialog's key at once, and the next rest counts from it.
    for button, tenths in (("+", TENTHS + 1), ("−", TENTHS), ("−", TENTHS - 1)):
        choose(c, panel, button)
        stored = wait_for(lambda: c.ini().section("Parametres").get("DecimesTimerClickAutomatic") == str(tenths),
                          WAIT, f"{tenths} tenths stored after '{button}'")
        check(stored, "not stored")
        # While the pointer moves the count stands at the dwell time, never above it.
        counts = counts_while_moving(c, 300, 500)
        check(str(tenths) in counts and all(int(n) <= tenths for n in counts),
              f"counts while moving after '{button}': {sorted(counts)}")
        target.forget()
        rest(c, 450, 520)
        check(target.wait_count(2)[:2] == ["down L 450 520", "up L 450 520"], f"the rest's click: {target.buttons()}")
    check(program.close(hwnd) == 0, "exit code is not 0")
    check(c.ini().section("Parametres")["DecimesTimerClickAutomatic"] == str(TENTHS - 1), "the dwell time at close")


@case(timeout=180, arches=("win32",), monitors=(cases_monitors.PRIMARY, cases_monitors.RIGHT))
def scroll_compass_on_a_second_monitor(c):
    ini = settings(f"BoolCheckBoxArrancarAmbOpcioMenu=true\nDecimesTimerClickAutomatic={TENTHS}")
    c.write_ini(ini + "[Menu]\nOpcio=1\n[TipusClic]\nMostrarPanell=true\n")
    # A target on the primary monitor, for the rests' clicks there, and one on the other.
    target = Target(c)
    log = c.log("diana-right.log")
    c.start(c.tool("DianaClics.exe"), windows_path(log.path), "MONITOR", 1)
    log.wait_line(lambda l: l.startswith("ready"), WAIT, "the target window on the other monitor")
    c.move_pointer(512, 100)
    program = Pelvoro(c, "NOABOUT")
    hwnd = program.window()["hwnd"]
    target.wait_count(2)
    print(f"foreground window while scrolling: {foreground(c)}")
    panel = panel_window(c)
    choose(c, panel, "Desplaçar")
    left, top, right, bottom = c.monitors[1]
    scroll_each_way(c, log, LogTarget(log), (left + 300, top + 400))
    check(notches(target.log) == [], f"notches reached the primary monitor's window: {notches(target.log)}")
    check(program.close(hwnd) == 0, "exit code is not 0")
