"""The touch-screen modes with real X presses: Pelvoro.exe starts in mode 2, 3 or 4 restored
from the settings file, and DianaClics.exe under the pointer shows which clicks arrive. The
hook swallows the user's own presses, so every "down" at the target is one Pelvoro made."""

import re
import time

from cases_hook import Target, click_passes
from cases_program import Pelvoro, settings
from harness import check, holds, wait_for
from registry import case

WAIT = 15
# The frame, centred where the program read the cursor for a move report, shows which moves it
# has handled; the library reports a move once the cursor is there. Mode 4's cursor sampling
# every 100 ms shows nothing outside the program: the user rests that long before a tap.
SAMPLED_S = 0.35
MOVES = [(200, 300), (400, 350), (650, 500), (250, 550), (450, 150)]
HELD_ON_S = 1.2  # over twice the count: time enough for a second click, which must not come


def start_in_mode(c, mode, extra=""):
    c.write_ini(settings("BoolCheckBoxArrancarAmbOpcioMenu=true" + extra) + f"[Menu]\nOpcio={mode}\n")
    target = Target(c)
    program = Pelvoro(c, "NOABOUT")
    # The mode is armed before the main window first shows.
    return program, target, program.window()


def downs(target):
    return [line for line in target.buttons() if line.startswith("down")]


def tap(c, target, x, y, button="L"):
    """A real left tap; returns once the click Pelvoro makes for it has arrived at (x, y)."""
    c.xdotool("mousedown", 1, "mouseup", 1)
    target.wait(f"up {button} {x} {y}")


def frame_centre(c):
    """The centre of the tracking frame when it shows, else None."""
    for frame in c.inspector.windows(cls="TFormTransparent"):
        if frame["visible"]:
            left, top, right, bottom = frame["rect"]
            return (left + right) // 2, (top + bottom) // 2
    return None


def move(c, x, y):
    """Moves the pointer; returns once Pelvoro has handled the report and put the frame there."""
    c.xdotool("mousemove", x, y)
    wait_for(lambda: frame_centre(c) == (x, y), WAIT, f"the frame at {x},{y}")


def hook_back(c, x, y):
    """Waits for the button hook, away for 200 ms after each click Pelvoro makes: the pointer goes
    between (x, y) and the point beside it until the frame follows, at either. The moves enter
    mode 3's history; later moves push them out."""
    here = [(x, y), (x + 1, y)]

    def probe():
        here.reverse()
        c.xdotool("mousemove", *here[0])
        return frame_centre(c) in here
    wait_for(probe, WAIT, f"the frame to follow the pointer at {x},{y} again")


@case()
def touch_mode2_clicks_once_at_the_held_point(c):
    c.xdotool("mousemove", 200, 300)
    program, target, w = start_in_mode(c, 2, "\nDecimesDeSegonClicALEstarElMouseDownEnUnaCasella=5")
    check(w["caption"] == "5", f"caption '{w['caption']}' in mode 2")
    c.xdotool("mousedown", 1, "mouseup", 1)  # short: its release stops the count
    c.xdotool("mousemove", 400, 500, "mousedown", 1)
    pressed = time.monotonic()
    # A click for the short press would have come before this one.
    target.wait("up L 400 500")
    held = time.monotonic() - pressed
    check(held >= 0.45, f"the click came {held:.2f} s after the press, before the five tenths")
    holds(lambda: downs(target) == ["down L 400 500"], HELD_ON_S, "one click while the button is held")
    c.xdotool("mouseup", 1)
    check(downs(target) == ["down L 400 500"], f"the target got {target.buttons()}")
    check(target.buttons()[:2] == ["down L 400 500", "up L 400 500"], f"the target got {target.buttons()}")
    check(program.close(w["hwnd"]) == 0, "exit code is not 0")


@case()
def touch_mode3_clicks_where_the_pointer_was_before_the_last_move(c):
    c.xdotool("mousemove", 150, 200)
    program, target, w = start_in_mode(c, 3, "\nBoolMostrarQuadreDeSeguiment=true")
    tap(c, target, 150, 200)  # no move since arming: where the pointer was then
    hook_back(c, 100, 100)
    # The frame shows the position each report was taken at; the last two must differ for
    # the click to tell them apart.
    seen = []
    for x, y in MOVES:
        move(c, x, y)
        seen.append(frame_centre(c))
        if len(seen) >= 3 and seen[-1] != seen[-2]:
            break
    check(len(seen) >= 3 and seen[-1] != seen[-2], f"the frame stood at {seen}")
    c.xdotool("mousedown", 1, "mousemove", 700, 250, "mouseup", 1)  # moves while down count not
    click = "L %d %d" % seen[-2]
    target.wait("up " + click)
    check(downs(target) == ["down L 150 200", "down " + click], f"the target got {target.buttons()}")
    # A right press asks to leave: the frame goes with the mode, and clicks pass again.
    hook_back(c, 500, 600)
    check(frame_centre(c) is not None, "no frame before the leave request")
    c.xdotool("click", 3)
    wait_for(lambda: frame_centre(c) is None, WAIT, "the frame to go")
    click_passes(c, target, 520, 620)
    check(downs(target) == ["down L 150 200", "down " + click, "down L 520 620"],
          f"the target got {target.buttons()}")
    check(program.close(w["hwnd"]) == 0, "exit code is not 0")


@case()
def touch_mode4_left_half_left_click_right_half_right_click(c):
    # The frame shows when the button hook is back after the first click.
    program, target, w = start_in_mode(c, 4, "\nBoolMostrarQuadreDeSeguiment=true")
    for x, button in [(300, "L"), (700, "R")]:
        if button == "R":
            hook_back(c, x, 400)
        c.xdotool("mousemove", x, 400)
        time.sleep(SAMPLED_S)  # the user rests on the point before the tap
        tap(c, target, x, 400, button)
    check(downs(target) == ["down L 300 400", "down R 700 400"], f"the target got {target.buttons()}")
    check(program.close(w["hwnd"]) == 0, "exit code is not 0")


@case()
def touch_start_countdown_after_choosing_from_the_menu_leaves_clicks_to_the_user(c):
    # With the frame on, choosing mode 3 from the menu starts its countdown, meant for normal
    # mouse use; the hook's return 200 ms after the menu closed must not arm the mode early.
    c.write_ini(settings("BoolMostrarQuadreDeSeguiment=true\nBoolCheckBoxTemporitzador=true\n"
                         "BoolCheckBoxHiHaComptaEnreraPerEngegar=true\nSegonsIniciActivitat=30"))
    target = Target(c)
    program = Pelvoro(c, "NOABOUT")
    main = program.window()
    left, top, right, bottom = main["rect"]
    c.xdotool("mousemove", (left + right) // 2, bottom - 30)  # the keyboard follows the pointer
    c.xdotool("key", "alt+p", "Down", "Down", "Down", "Return")  # "3-Tablet PC. Clic al prèmer..."
    counting = lambda: (lambda t: len(t) == 1 and t[0].isdigit() and 0 < int(t[0]) < 30)(
        program.label_texts(main["hwnd"]))
    wait_for(counting, WAIT, "the countdown running")
    c.xdotool("mousemove", 400, 300)
    wait_for(lambda: frame_centre(c) == (400, 300), WAIT, "the frame at the pointer")
    c.xdotool("mousedown", 1, "mouseup", 1)
    target.wait("up L 400 300")
    check(target.buttons() == ["down L 400 300", "up L 400 300"], f"the target got {target.buttons()}")
    check(counting(), f"the countdown reads {program.label_texts(main['hwnd'])}")
    check(program.close(main["hwnd"]) == 0, "exit code is not 0")


@case()
def touch_leaving_mode3_with_the_right_button_sends_nothing_to_the_window_beneath(c):
    # A bare right release opens the context menu of most windows.
    c.xdotool("mousemove", 300, 300)
    program, target, w = start_in_mode(c, 3, "\nBoolMostrarQuadreDeSeguiment=true")
    move(c, 320, 310)
    wait_for(lambda: frame_centre(c) is not None, WAIT, "the frame")
    c.xdotool("mousedown", 3)
    wait_for(lambda: frame_centre(c) is None, WAIT, "the frame to go with the mode")
    c.xdotool("mouseup", 3)
    click_passes(c, target, 500, 400)
    check(target.buttons() == ["down L 500 400", "up L 500 400"], f"the target got {target.buttons()}")
    check(program.close(w["hwnd"]) == 0, "exit code is not 0")


@case()
def touch_mode2_holding_on_past_the_click_sends_no_second_release(c):
    c.xdotool("mousemove", 400, 500)
    # The frame shows when the button hook is back after the click.
    program, target, w = start_in_mode(c, 2, "\nDecimesDeSegonClicALEstarElMouseDownEnUnaCasella=3"
                                             "\nBoolMostrarQuadreDeSeguiment=true")
    c.xdotool("mousedown", 1)
    target.wait("up L 400 500")
    hook_back(c, 410, 500)  # before the finger comes up
    c.xdotool("mouseup", 1)
    check(program.label_texts(w["hwnd"]) == ["3"], f"the label reads {program.label_texts(w['hwnd'])}")
    check(program.close(w["hwnd"]) == 0, "exit code is not 0")
    click_passes(c, target, 450, 450)  # comes after the release, wherever that went
    check(target.buttons() == ["down L 400 500", "up L 400 500", "down L 450 450", "up L 450 450"],
          f"the target got {target.buttons()}")


@case()
def touch_another_tools_click_reaches_its_target_unchanged_in_mode3(c):
    # Pointer software that clicks for the user: its moves feed the mode, its clicks pass.
    c.xdotool("mousemove", 300, 300)
    program, target, w = start_in_mode(c, 3, "\nBoolMostrarQuadreDeSeguiment=true")
    clicker = c.start(c.tool("ImitaSistema.exe"), "click", 450, 350)
    check(clicker.wait_exit(WAIT) == 0, "ImitaSistema could not click")
    target.wait("up L 450 350")
    wait_for(lambda: frame_centre(c) == (450, 350), WAIT, "the frame at the injected move")
    c.xdotool("click", 3)  # leave, so that a click of the user's own passes as a marker
    wait_for(lambda: frame_centre(c) is None, WAIT, "the frame to go with the mode")
    click_passes(c, target, 500, 400)
    check(target.buttons() == ["down L 450 350", "up L 450 350", "down L 500 400", "up L 500 400"],
          f"the target got {target.buttons()}")
    check(program.close(w["hwnd"]) == 0, "exit code is not 0")


def name_in_settings(c, hwnd):
    """Leaves the settings file naming this window, as a file that Pelvoro could not write
    would, holding a handle of an earlier run that this run gave to another window."""
    text = c.ini_path.read_bytes().decode("cp1252").replace("\r\n", "\n")
    c.write_ini(re.sub(r"HANDLE FINESTRA=-?\d+", f"HANDLE FINESTRA={hwnd}", text))
    check(c.ini().get("LlibreriaPelvoro", "HANDLE FINESTRA") == str(hwnd), "the handle not replaced")


def on_label(c, main):
    left, top, right, bottom = main["rect"]
    c.xdotool("mousemove", (left + right) // 2, bottom - 30)


def choose_mode(c, main, mode, activate=False):
    """Chooses mode 2 or 3 from the menu; returns once it is armed (it writes its number then).
    The keyboard follows the pointer until another window is clicked; activate clicks the
    label first, which takes it back but stops the tracking frame too."""
    on_label(c, main)
    if activate:
        c.xdotool("click", 1)
    c.xdotool("key", "alt+p", *["Down"] * mode, "Return")
    wait_for(lambda: c.ini().get("Menu", "Opcio") == str(mode), WAIT, f"mode {mode} armed")


def caption(c, main):
    return next(w["caption"] for w in c.inspector.windows(cls="TFormPrincipal")
                if w["hwnd"] == main["hwnd"])


@case(timeout=120)
def touch_modes_click_and_can_be_left_when_the_settings_name_another_pelvoro_window(c):
    c.write_ini(settings("BoolMostrarQuadreDeSeguiment=true\n"
                         "DecimesDeSegonClicALEstarElMouseDownEnUnaCasella=3"))
    target = Target(c)
    program = Pelvoro(c, "NOABOUT")
    main = program.window()

    name_in_settings(c, c.inspector.windows(cls="TAboutBox")[0]["hwnd"])
    choose_mode(c, main, 3)
    seen = []
    for x, y in MOVES:
        move(c, x, y)
        seen.append(frame_centre(c))
        if len(seen) >= 2 and seen[-1] != seen[-2]:
            break
    check(len(seen) >= 2 and seen[-1] != seen[-2], f"the frame stood at {seen}")
    c.xdotool("mousedown", 1, "mouseup", 1)
    first = "down L %d %d" % seen[-2]
    target.wait("up" + first[4:])
    # The button hook is back before the right click; probed away from where the frame stands.
    hook_back(c, seen[-1][0] + 50, seen[-1][1] + 50)
    c.xdotool("click", 3)  # leaves the mode: the user's own clicks pass again
    wait_for(lambda: frame_centre(c) is None, WAIT, "the frame to go with the mode")
    click_passes(c, target, 420, 320)

    name_in_settings(c, c.inspector.windows(cls="TFormTransparent")[0]["hwnd"])
    choose_mode(c, main, 2, activate=True)
    c.xdotool("mousemove", 500, 400, "mousedown", 1)
    target.wait("up L 500 400")
    c.xdotool("mouseup", 1)
    # Held on the label, the click made there stops the mode.
    on_label(c, main)
    c.xdotool("mousedown", 1)
    wait_for(lambda: caption(c, main) == "Pelvoro", WAIT, "mode 2 to stop")
    c.xdotool("mouseup", 1)
    click_passes(c, target, 520, 420)
    check(downs(target) == [first, "down L 420 320", "down L 500 400", "down L 520 420"],
          f"the target got {target.buttons()}")
    check(program.close(main["hwnd"]) == 0, "exit code is not 0")
