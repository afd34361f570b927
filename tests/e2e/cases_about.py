"""The about box in the real program: opened from the menu, its pictures, text and button."""

from cases_dialog import loaded_dlls
from cases_program import WAIT, Pelvoro, is_blue, is_red
from harness import check, wait_for
from registry import case

OK_AT = (111, 352)  # the button's place in the client area
# Two quick clicks closer than a few pixels are a double click, whose second press is no click:
# the second of two clicks on the background lands this far beside the first.
BESIDE = 12


def about_box(c):
    return next((w for w in c.inspector.windows(cls="TAboutBox") if w["visible"]), None)


def children(c, box):
    return c.inspector.children(box["hwnd"])


def client_origin(c, box):
    ok = next(ch for ch in children(c, box) if ch["text"] == "D'acord")
    return ok["rect"][0] - OK_AT[0], ok["rect"][1] - OK_AT[1]


def shown(c, box, text):
    return any(ch["visible"] for ch in children(c, box) if ch["text"].startswith(text))


def memo_shown(c, box):
    return any(ch["visible"] for ch in children(c, box) if ch["class"].lower() == "edit")


def open_from_the_menu(c):
    """Starts the program and opens the about box from its menu; the program, its window, the box."""
    program = Pelvoro(c, "NOABOUT")
    w = program.window()
    left, top, _, _ = w["rect"]
    c.xdotool("mousemove", left + 25, top + 35, "click", 1)  # the menu "Pelvoro" drops down
    c.xdotool("key", "a")  # P&arlant de...
    return program, w, wait_for(lambda: about_box(c), WAIT, "the about box")


def is_yellow(p):
    return p[0] >= 200 and p[1] >= 180 and p[2] <= 90


@case(timeout=120)
def about_box_from_the_menu(c):
    program, w, box = open_from_the_menu(c)
    x0, y0 = client_origin(c, box)
    c.xdotool("mousemove", x0 + 150, y0 + 173)  # off the pictures, between the panels
    shot = wait_for(lambda: (lambda s: s if s.count((x0 + 112, y0 + 18, x0 + 281, y0 + 66), is_blue) > 40
                             else None)(c.screenshot("about")), WAIT, "the blue name", interval=0.5)
    panel2 = (x0 + 16, y0 + 180, x0 + 289, y0 + 341)
    check(shot.count(panel2, is_red) > 40, "picture 1 (the red ring) is not drawn")

    # The next picture of the cycle comes within 3.5 s: the label's yellow star.
    wait_for(lambda: c.screenshot("cycle").count(panel2, is_yellow) > 40 or None, 8,
             "the second picture", interval=0.5)

    c.xdotool("click", 1)  # the window's background
    wait_for(lambda: memo_shown(c, box) or None, WAIT, "the text over the lower panel")
    c.screenshot("memo")
    c.xdotool("mousemove", x0 + 150 + BESIDE, y0 + 173, "click", 1)
    wait_for(lambda: (not memo_shown(c, box)) or None, WAIT, "the text to hide")

    c.xdotool("mousemove", x0 + 125, y0 + 81, "click", 1)  # the version
    wait_for(lambda: (not shown(c, box, "Pelvoro")) or None, WAIT, "the upper panel to hide")
    c.screenshot("large-picture")
    c.xdotool("mousemove", x0 + 156, y0 + 170, "click", 1)  # the large picture
    wait_for(lambda: shown(c, box, "Pelvoro") or None, WAIT, "the panels to come back")

    # The name opens the guide through the shell, whose library is loaded only then; whatever
    # the shell does with the guide, the box stays as it was.
    check("shell32.dll" not in loaded_dlls(program.process), "the shell's library is loaded before a link is used")
    c.xdotool("mousemove", x0 + 190, y0 + 42, "click", 1)
    wait_for(lambda: "shell32.dll" in loaded_dlls(program.process), WAIT, "the shell's library")
    # A click on the background comes after the name's: once it shows the text, the name's
    # click is over.
    c.xdotool("mousemove", x0 + 150, y0 + 173, "click", 1)
    wait_for(lambda: memo_shown(c, box) or None, WAIT, "the text after the guide was asked for")
    check(program.process.running(), "the program ended after the guide was asked for")
    check(about_box(c) is not None, "the box closed when the guide was asked for")
    c.xdotool("key", "Return")
    wait_for(lambda: about_box(c) is None or None, WAIT, "Enter to close the box")
    check(program.close(w["hwnd"]) == 0, "exit code is not 0")


@case(timeout=90)
def about_box_closes_with_esc(c):
    # The box has only an OK button; Esc still closes it, as the close box does.
    program, w, _ = open_from_the_menu(c)
    c.xdotool("key", "Escape")
    wait_for(lambda: about_box(c) is None or None, WAIT, "Esc to close the box")
    check(program.process.running(), "the program ended with the box")
    check(program.close(w["hwnd"]) == 0, "exit code is not 0")
