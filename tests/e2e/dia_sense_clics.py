"""A dwell-only day tried as its user would: the i686 build under 32-bit Wine on a private Xvfb,
the profile alone in the settings, a test window with an edit box, and nothing but pointer moves
and rests after the start, but for the carer's steps at the end. Not a test: it prints what each
step gave, for a person to read. Run after building (win32) and the end-to-end template:
  python3 tests/e2e/dia_sense_clics.py"""

import sys
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
import harness
from harness import wait_for, windows_path
from cases_program import Pelvoro
from cases_tipus_clic import caption, panel_window, button_centre

B = str(HERE.parent.parent / "build")
T0 = time.monotonic()
def say(*a): print(f"[{time.monotonic()-T0:6.1f}s]", *a, flush=True)

with harness.Case("dia", f"{B}/win32", f"{B}/native/tests/e2e/template-win32", str(Path(B) / "dia"), "win32") as c:
    c.write_ini("[TipusClic]\nMostrarPanell=true\n")
    log = c.log("diana.log")
    c.start(c.tool("DianaClics.exe"), windows_path(log.path), 200, 0, 1024, 768, "DOBLES", "EDIT")
    log.wait_line(lambda l: l.startswith("ready"), 20, "target")
    seen = [0]
    def new():
        lines = [l for l in log.lines() if not l.startswith(("ready",))]
        out = lines[seen[0]:]; seen[0] = len(lines); return out
    c.xdotool("mousemove", 600, 400)
    p = Pelvoro(c)  # with the start notice, as at sign-in
    say("started; waiting for the first click from a rest at 600,400")
    wait_for(lambda: any(l.startswith("up L") for l in log.lines()), 30, "first click")
    say("left click:", new())
    panel = panel_window(c)
    def rest_on(x, y, what):
        c.xdotool("mousemove", x, y)
        wait_for(lambda: caption(c) != "0", 20, "count restart")
        wait_for(lambda: caption(c) == "0", 20, "dwell at " + what)
    def choose(t):
        x, y = button_centre(c, panel, t); rest_on(x, y, t); say("chose", t)
    choose("Doble"); rest_on(700, 500, "target"); time.sleep(0.5); say("double:", new())
    choose("Dret"); rest_on(650, 450, "target"); time.sleep(0.5); say("right:", new())
    edit = next(ch for ch in c.inspector.children(wait_for(lambda: next((w for w in c.inspector.windows(cls="TDianaClics")), None), 10, "diana")["hwnd"]) if ch["class"].lower() == "edit")
    ex = (edit["rect"][0] + edit["rect"][2]) // 2; ey = (edit["rect"][1] + edit["rect"][3]) // 2
    rest_on(ex, ey, "edit box"); time.sleep(0.5); say("entry: a rest on the edit box", new())
    c.xdotool("type", "hola")  # the carer types; dwell cannot type
    time.sleep(0.5); say("typed:", new())
    choose("Dret"); rest_on(ex + 5, ey, "edit box"); time.sleep(0.8)
    menus = [w for w in c.inspector.windows() if w["class"] == "#32768" and w["visible"]]
    say("context menu:", [m["rect"] for m in menus], new()); c.screenshot("menu-contextual")
    if menus:
        l, t, r, b = menus[0]["rect"]
        rest_on((l + r) // 2, b - 12, "last entry of the context menu")  # Select All is last
        time.sleep(0.8)
        menus2 = [w for w in c.inspector.windows() if w["class"] == "#32768" and w["visible"]]
        say("after resting on the last entry, menus shown:", len(menus2), new())
    choose("Arrossegar"); rest_on(500, 600, "drag start"); rest_on(800, 650, "drag end"); time.sleep(0.5); say("drag:", new())
    choose("Pausa")
    c.xdotool("mousemove", 600, 300); time.sleep(6)
    say("paused 6 s: caption", caption(c), "events", new())
    choose("Pausa"); rest_on(620, 320, "after the pause"); time.sleep(0.5); say("resumed:", new())
    choose("Desplaçar"); rest_on(700, 400, "compass")
    c.xdotool("mousemove", 700, 330); time.sleep(2); c.xdotool("mousemove", 700, 470); time.sleep(2)
    c.xdotool("mousemove", 900, 700); time.sleep(1.5)
    ev = new(); say("scroll:", sum(1 for e in ev if e.startswith("wheel +")), "up,", sum(1 for e in ev if e.startswith("wheel -")), "down, others", [e for e in ev if not e.startswith("wheel")])
    x, y = button_centre(c, panel, "+"); rest_on(x, y, "+"); time.sleep(0.3)
    say("after +:", c.ini().get("Parametres", "DecimesTimerClickAutomatic"))
    # The carer: a click brings Pelvoro forward, Alt+P, Parametres..., Esc closes the dialog.
    main = p.window(); l, t, r, b = main["rect"]
    cl = c.start(c.tool("ImitaSistema.exe"), "click", (l + r) // 2, b - 30); cl.wait_exit(20)
    wait_for(lambda: caption(c) not in ("", "Pelvoro"), 20, "back after the carer's click")
    c.xdotool("key", "alt+p"); time.sleep(0.5)
    c.xdotool("mousemove", (l + r) // 2, b - 30)
    for _ in range(4): c.xdotool("key", "Down")
    c.xdotool("key", "Return")
    dlg = wait_for(lambda: next((w for w in c.inspector.windows(cls="TFormParametres") if w["visible"]), None), 20, "dialog")
    say("carer opened the dialog:", dlg["caption"], "caption of main:", caption(c))
    c.xdotool("mousemove", (dlg["rect"][0] + dlg["rect"][2]) // 2, dlg["rect"][1] + 40)
    c.xdotool("key", "Escape"); closed = time.monotonic()
    c.xdotool("mousemove", 640, 420)
    wait_for(lambda: caption(c) not in ("", "Pelvoro"), 20, "clicking back after the dialog")
    say(f"clicking back {1000*(time.monotonic()-closed):.0f} ms after the dialog closed")
    wait_for(lambda: any(l.endswith("640 420") for l in log.lines()), 20, "click after dialog"); say("click:", new())
    c.screenshot("fi")
    say("done; ini:", c.ini().section("TipusClic"))
