"""The tracking frame: the see-through window that follows the pointer."""

from cases_hook import Target
from cases_program import Pelvoro, is_red, settings
from harness import check, wait_for
from registry import case

WAIT = 15
SIDE, THICKNESS = 120, 8
BENEATH = (200, 220, 240)  # the click target's background


def near(p, colour, tolerance=12):
    return all(abs(a - b) <= tolerance for a, b in zip(p, colour))


def overlay_centred_on(c, x, y):
    """The frame once it is shown centred on (x, y)."""
    def probe():
        for w in c.inspector.windows(cls="TFormTransparent"):
            left, top, right, bottom = w["rect"]
            if w["visible"] and (left + right) // 2 == x and (top + bottom) // 2 == y:
                return w
        return None
    return wait_for(probe, WAIT, f"the frame centred on ({x}, {y})")


def red_run(shot, points):
    """How many of the points, in order from the first, are red before one is not."""
    run = 0
    for x, y in points:
        if not is_red(shot.pixel(x, y)):
            break
        run += 1
    return run


@case()
def overlay_frame_follows_the_pointer_and_lets_clicks_through(c):
    c.write_ini(settings(f"BoolMostrarQuadreDeSeguiment=true\nAmpladaQuadreDeSeguiment={SIDE}\n"
                         f"GruixudariaQuadreDeSeguiment={THICKNESS}\nColorQuadreSeguiment=255"))
    target = Target(c)
    hwnd_target = int(next(l for l in target.log.lines() if l.startswith("ready")).split()[1])
    program = Pelvoro(c, "NOABOUT")
    program.window()

    # The user's own click gives the target the keyboard; the frame may not take it away.
    c.xdotool("mousemove", 300, 300, "click", 1)
    target.wait("up L 300 300")
    overlay_centred_on(c, 300, 300)
    focus_lost_before = target.log.lines().count("focus lost")
    check(c.inspector.ask("foreground")["hwnd"] == hwnd_target, "the target does not have the keyboard")

    c.xdotool("mousemove", 500, 400)
    w = overlay_centred_on(c, 500, 400)
    left, top, right, bottom = w["rect"]
    check((right - left, bottom - top) == (SIDE, SIDE), f"the frame is {right - left}×{bottom - top}")
    check(w["topmost"], "the frame is not always on top")

    def frame_drawn():
        shot = c.screenshot("frame")
        return shot if is_red(shot.pixel(left + 1, (top + bottom) // 2)) else None
    shot = wait_for(frame_drawn, WAIT, "the red frame on screen", interval=0.3)
    middle_x, middle_y = (left + right) // 2, (top + bottom) // 2
    # The lines run at G div 2 from the top-left edges and at S - 1 - G div 2 from the others,
    # so with an even pen the right and bottom strokes end one pixel inside the window.
    edges = {
        "left": [(left + i, middle_y + 20) for i in range(SIDE // 2)],
        "right": [(right - 2 - i, middle_y + 20) for i in range(SIDE // 2)],
        "top": [(middle_x + 20, top + i) for i in range(SIDE // 2)],
        "bottom": [(middle_x + 20, bottom - 2 - i) for i in range(SIDE // 2)],
    }
    for name, points in edges.items():
        run = red_run(shot, points)
        check(abs(run - THICKNESS) <= 1, f"the {name} edge is {run} pixels thick, not {THICKNESS}")
        inside = points[THICKNESS + 2]
        check(near(shot.pixel(*inside), BENEATH), f"inside the {name} edge {shot.pixel(*inside)} shows")
    # Away from the pointer's own arrow, the middle shows the window beneath.
    check(near(shot.pixel(middle_x - 20, middle_y - 20), BENEATH), "the frame's middle is not see-through")

    c.xdotool("click", 1)
    target.wait("up L 500 400")
    check(c.inspector.ask("foreground")["hwnd"] == hwnd_target, "the frame took the keyboard")
    check(target.log.lines().count("focus lost") == focus_lost_before, "the target lost the focus")
    check(program.close(program.window()["hwnd"]) == 0, "exit code is not 0")


@case()
def overlay_frame_on_from_the_first_move_after_start(c):
    c.write_ini(settings("BoolMostrarQuadreDeSeguiment=true"))
    Target(c)  # Wine sees no pointer moves over the bare root window
    c.xdotool("mousemove", 200, 500)
    program = Pelvoro(c, "NOABOUT")
    program.window()
    c.xdotool("mousemove", 250, 450)
    overlay_centred_on(c, 250, 450)
    check(program.close(program.window()["hwnd"]) == 0, "exit code is not 0")


@case()
def overlay_frame_follows_a_pointer_moved_by_other_software(c):
    # Head-trackers, eye-gaze and joystick programs move the pointer with injected input.
    c.write_ini(settings("BoolMostrarQuadreDeSeguiment=true"))
    Target(c)
    program = Pelvoro(c, "NOABOUT")
    program.window()
    c.xdotool("mousemove", 300, 300)
    overlay_centred_on(c, 300, 300)
    for x, y in [(600, 450), (200, 500)]:
        mover = c.start(c.tool("ImitaSistema.exe"), "move", x, y)
        check(mover.wait_exit(WAIT) == 0, "ImitaSistema could not move the pointer")
        said = mover.stdout_path.read_text(errors="replace").split()
        check(said == ["at", str(x), str(y)], f"the pointer went to {said}")
        overlay_centred_on(c, x, y)
