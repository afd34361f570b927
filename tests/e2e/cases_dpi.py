"""The program at 100 %, 150 % and 200 % display scale: Wine takes the scale from the user's
LogPixels, which each case sets in its own prefix before anything else starts there."""

from cases_dialog import open_parameters
from cases_dwell import start_dwelling, watch_until_click
from cases_overlay import overlay_centred_on, red_run
from cases_program import Pelvoro, is_blue, is_red, settings
from harness import SCREEN_W, check, wait_for
from registry import case

WAIT = 20
WIDTH, HEIGHT = 118, 150  # the main window's outer size at 96 dpi
DIGITS = 48  # the label's character height at 96 dpi, in pixels
SIDE, THICKNESS = 120, 8
SCALES = (96, 144, 192)


def scaled(pixels, dpi):
    """As the program scales: to the nearest pixel, halves away from zero."""
    return (pixels * dpi + 48) // 96


def at_dpi(c, dpi):
    """Sets the prefix's display scale; programs started afterwards run at it."""
    reg = c.start("reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels",
                  "/t", "REG_DWORD", "/d", str(dpi), "/f")
    check(reg.wait_exit(60) == 0, "reg add LogPixels failed")


def bounding_box(shot, rect, predicate):
    """The smallest box (left, top, right, bottom; right and bottom exclusive) around the
    pixels of rect that satisfy predicate, or None."""
    left, top, right, bottom = rect
    xs, ys = [], []
    for y in range(max(top, 0), min(bottom, shot.height)):
        for x in range(max(left, 0), min(right, shot.width)):
            if predicate(shot.pixel(x, y)):
                xs.append(x)
                ys.append(y)
    return (min(xs), min(ys), max(xs) + 1, max(ys) + 1) if xs else None


def main_window_and_its_digits(c, dpi):
    at_dpi(c, dpi)
    program = Pelvoro(c, "NOABOUT")
    w = program.window()
    width, height = scaled(WIDTH, dpi), scaled(HEIGHT, dpi)
    check(w["rect"] == [SCREEN_W - width, 0, SCREEN_W, height],
          f"at {dpi} dpi the main window is at {w['rect']}, not {width}×{height} at the top right")
    print(f"{dpi} dpi: main window {width}×{height} at {w['rect']}")

    label = next(ch for ch in c.inspector.children(w["hwnd"])
                 if ch["class"].lower() == "static" and ch["text"] == "10")
    inside = w["rect"]
    lleft, ltop, lright, lbottom = label["rect"]
    check(inside[0] <= lleft and inside[1] <= ltop and lright <= inside[2] and lbottom <= inside[3],
          f"the label {label['rect']} reaches out of the window {inside}")

    def digits_drawn():
        shot = c.screenshot(f"digits-{dpi}")
        box = bounding_box(shot, inside, is_blue)
        return (shot, box) if box and box[3] - box[1] >= 0.6 * scaled(DIGITS, dpi) else None
    shot, box = wait_for(digits_drawn, WAIT, f"the whole blue count at {dpi} dpi", interval=0.5)
    # Wholly inside: the glyphs end short of every edge of the label, so none is cut off there.
    margin = 2
    check(box[0] >= lleft + margin and box[1] >= ltop + margin and box[2] <= lright - margin
          and box[3] <= lbottom - margin, f"the digits {box} touch the label's edges {label['rect']}")
    # Arial's bold figures stand about three quarters of the character height; cut, they would not.
    digit_height = box[3] - box[1]
    check(abs(digit_height - 0.76 * scaled(DIGITS, dpi)) <= 0.08 * scaled(DIGITS, dpi),
          f"the digits are {digit_height} pixels high at {dpi} dpi")
    print(f"{dpi} dpi: label {label['rect']}, digits {box}, {digit_height} pixels high")
    check(shot.count((0, 0, SCREEN_W - width, shot.height), is_blue) == 0, "blue pixels left of the window")
    check(program.close(w["hwnd"]) == 0, "exit code is not 0")


def frame_and_dwell_click_at_the_pointer(c, dpi):
    at_dpi(c, dpi)
    target, program, hwnd = start_dwelling(
        c, f"BoolMostrarQuadreDeSeguiment=true\nAmpladaQuadreDeSeguiment={SIDE}\n"
        f"GruixudariaQuadreDeSeguiment={THICKNESS}\nColorQuadreSeguiment=255\n"
        "BoolCheckBoxArrancarAmbOpcioMenu=true\nDecimesTimerClickAutomatic=10")

    c.xdotool("mousemove", 600, 400)
    w = overlay_centred_on(c, 600, 400)
    left, top, right, bottom = w["rect"]
    side, thickness = scaled(SIDE, dpi), scaled(THICKNESS, dpi)
    check((right - left, bottom - top) == (side, side),
          f"at {dpi} dpi the frame is {right - left}×{bottom - top}, not {side}×{side}")

    def frame_drawn():
        shot = c.screenshot(f"frame-{dpi}")
        return shot if is_red(shot.pixel(left + 1, (top + bottom) // 2)) else None
    shot = wait_for(frame_drawn, WAIT, "the red frame on screen", interval=0.3)
    run = red_run(shot, [(left + i, (top + bottom) // 2 + 20) for i in range(side // 2)])
    check(abs(run - thickness) <= 1, f"at {dpi} dpi the frame's edge is {run} pixels thick, not {thickness}")
    print(f"{dpi} dpi: frame {w['rect']} centred on (600, 400), edge {run} pixels thick")

    watch_until_click(c, target, 1)
    target.wait("up L 600 400")
    downs = [l for l in target.buttons() if l.startswith("down")]
    check(downs == ["down L 300 300", "down L 600 400"], f"clicks: {downs}")
    check(program.close(hwnd) == 0, "exit code is not 0")
    ini = c.ini()
    check((ini.get("Parametres", "AmpladaQuadreDeSeguiment"), ini.get("Parametres", "GruixudariaQuadreDeSeguiment"))
          == (str(SIDE), str(THICKNESS)), "the settings file does not keep the 96-dpi sizes")


SMALL = (1366, 768)
LAST_OPTION = "A l'arrencar es minimitza la finestra del programa"


def inside(rect, area):
    return area[0] <= rect[0] and area[1] <= rect[1] and rect[2] <= area[2] and rect[3] <= area[3]


@case(screen=SMALL)
def dpi144_small_screen_parameters_dialog_shows_every_option_and_both_buttons(c):
    """At 144 dpi the dialog would take 1049 × 927 pixels: on 1366 × 768 it is laid out smaller,
    and its last option and both buttons are on the screen, in its client area, and answer."""
    at_dpi(c, 144)
    program = Pelvoro(c, "NOABOUT")
    main = program.window()
    dialog = open_parameters(c, main)
    screen = [0, 0, *SMALL]
    check(inside(dialog["rect"], screen), f"the dialog {dialog['rect']} reaches past the screen {SMALL}")
    controls = [ch for ch in c.inspector.children(dialog["hwnd"]) if ch["visible"]]
    outside = [ch["text"] or ch["class"] for ch in controls if not inside(ch["rect"], dialog["client"])]
    check(not outside, f"outside the dialog's client area {dialog['client']}: {outside}")
    by_text = {ch["text"]: ch for ch in controls}
    for text in (LAST_OPTION, "D'acord", "Cancel.lar"):
        check(text in by_text, f"no control \"{text}\" in the dialog")
    ok_rect, last_rect = by_text["D'acord"]["rect"], by_text[LAST_OPTION]["rect"]
    print(f"144 dpi on {SMALL}: dialog {dialog['rect']}, client {dialog['client']}, "
          f"D'acord {ok_rect}, last option {last_rect}")
    # Within reach of the pointer: a real click on Cancel.lar closes the dialog.
    left, top, right, bottom = by_text["Cancel.lar"]["rect"]
    c.xdotool("mousemove", (left + right) // 2, (top + bottom) // 2)
    c.xdotool("click", "1")
    wait_for(lambda: not any(w["visible"] for w in c.inspector.windows(cls="TFormParametres")), WAIT,
             "the dialog to close on a click on Cancel.lar")
    check(program.close(main["hwnd"]) == 0, "exit code is not 0")


def register(dpi):
    # One case per scale, so a failure names it.
    def window(c):
        main_window_and_its_digits(c, dpi)
    window.__name__ = f"dpi{dpi}_main_window_and_its_digits"
    case()(window)

    def dwell(c):
        frame_and_dwell_click_at_the_pointer(c, dpi)
    dwell.__name__ = f"dpi{dpi}_frame_and_dwell_click_at_the_pointer"
    case()(dwell)


for scale in SCALES:
    register(scale)
