"""The dwell-only profile's column: the main window joins the click-type panel at the left edge,
and the column is held as a desktop toolbar, so that a window maximised afterwards keeps its
close box clear of every Pelvoro window. Prints the work area that Windows programs are told of
with and without the column, as Wine reports it."""

import json

from cases_program import Pelvoro, settings
from harness import check, wait_for
from registry import case

WAIT = 20
PELVORO_CLASSES = ("TFormPrincipal", "TFormTipusClic", "TFormTransparent")


def reports(process, count):
    """The first count JSON lines that Maximitzada.exe has written."""
    def probe():
        lines = [l for l in process.stdout_path.read_text(errors="replace").splitlines()
                 if l.startswith("{")]
        return lines[:count] if len(lines) >= count else None
    return [json.loads(l) for l in wait_for(probe, WAIT, f"{count} lines from Maximitzada.exe")]


def work_areas(c):
    process = c.start(c.tool("Maximitzada.exe"))
    check(process.wait_exit(WAIT) == 0, "Maximitzada.exe failed")
    return reports(process, 1)[0]


def maximised(c, *first):
    """A window opened maximised now: what it is given, and the tool's process."""
    process = c.start(c.tool("Maximitzada.exe"), *first, "MAXIMISE")
    lines = reports(process, 2 + len(first))
    return lines[-2], lines[-1], process, lines[:-2]


def close_tool(c, process):
    for w in c.inspector.windows(cls="ProvaMaximitzada"):
        c.inspector.ask("close", w["hwnd"])
    check(process.wait_exit(WAIT) == 0, "Maximitzada.exe did not end")


def inside(rect, point):
    left, top, right, bottom = rect
    return left <= point[0] < right and top <= point[1] < bottom


@case(timeout=120, arches=("win32",))
def dock_maximised_close_box_clear_of_the_column(c):
    alone = work_areas(c)
    _, plain, process, _ = maximised(c)
    close_tool(c, process)
    print(f"without Pelvoro: work area {alone['work']}, SPI_GETWORKAREA {alone['spi']}, "
          f"maximised window {plain['rect']}")
    # What the shell does with a strip asked for by a program of ours, Pelvoro aside.
    areas, window, process, (bar,) = maximised(c, "APPBAR")
    close_tool(c, process)
    print(f"a 100-pixel strip at the left edge: ABM_NEW {bar['new']}, ABM_QUERYPOS {bar['query']}, "
          f"ABM_SETPOS {bar['set']}; then work area {areas['work']}, SPI_GETWORKAREA {areas['spi']}, "
          f"maximised window {window['rect']}")

    c.write_ini(settings("") + "[TipusClic]\nMostrarPanell=true\n")
    program = Pelvoro(c, "NOABOUT")
    hwnd = program.window()["hwnd"]
    # The panel stands at the left edge at first, and the main window joins it there.
    seen = []

    def at_left():
        seen[:] = [(w["class"], w["rect"], w["visible"]) for w in c.inspector.windows()
                   if w["class"] in PELVORO_CLASSES]
        return next((w for w in c.inspector.windows(cls="TFormPrincipal")
                     if w["visible"] and w["rect"][0] == 0), None)
    try:
        main = wait_for(at_left, WAIT, "the main window at the left edge")
    except Exception:
        print(f"Pelvoro's windows: {seen}")
        raise
    panel = next(w for w in c.inspector.windows(cls="TFormTipusClic"))
    check(panel["rect"][0] == 0 and main["rect"][3] <= panel["rect"][1],
          f"main window {main['rect']} not above the panel {panel['rect']}")

    print(f"Pelvoro's column: main window {main['rect']}, panel {panel['rect']}")
    areas, window, process, _ = maximised(c)
    print(f"with the column: work area {areas['work']}, SPI_GETWORKAREA {areas['spi']}, "
          f"maximised window {window['rect']}, its close box at {window['close']}")
    covering = [(w["class"], w["rect"]) for w in c.inspector.windows()
                if w["visible"] and w["class"] in PELVORO_CLASSES and inside(w["rect"], window["close"])]
    check(not covering, f"the close box at {window['close']} lies under {covering}")
    # Wine's WindowFromPoint finds no window there, the tool's own maximised one included, so the
    # rectangles decide; where it finds one, it must be the tool's window.
    check(window["self"] or not window["owner"], f"WindowFromPoint at the close box finds {window['owner']}")
    column_right = max(main["rect"][2], panel["rect"][2])
    if areas["work"][0] >= column_right:
        check(window["rect"][0] >= column_right - 8,
              f"the work area leaves the column out, yet the window maximises over it: {window['rect']}")
    close_tool(c, process)

    check(program.close(hwnd) == 0, "exit code is not 0")
    after = work_areas(c)
    print(f"after Pelvoro ended: work area {after['work']}, SPI_GETWORKAREA {after['spi']}")
    check(after["work"] == alone["work"], f"the work area is {after['work']} after the end, {alone['work']} before")
