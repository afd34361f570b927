"""The parameters dialog, reached with the keyboard as a user without a reliable click would."""

from pathlib import Path

from cases_hook import Target
from cases_program import Pelvoro, settings
from harness import check, wait_for
from registry import case

WAIT = 15
SLOT_0_ES = "El valor ha de ser mayor que 0 y menor o igual que 100"


def loaded_dlls(process):
    """The Windows libraries mapped into a running program (Wine runs it in the process started)."""
    maps = Path(f"/proc/{process.popen.pid}/maps").read_text()
    return {line.rsplit("/", 1)[-1].lower() for line in maps.splitlines() if line.lower().endswith(".dll")}


def open_parameters(c, main):
    """Alt+P opens the menu on its first item; four rows down, past the separator, is the dialog."""
    # With no window manager the X keyboard focus follows the pointer.
    left, top, right, bottom = main["rect"]
    c.xdotool("mousemove", (left + right) // 2, bottom - 30)
    c.xdotool("key", "alt+p")
    for _ in range(4):
        c.xdotool("key", "Down")
    c.xdotool("key", "Return")
    return wait_for(lambda: next((w for w in c.inspector.windows(cls="TFormParametres") if w["visible"]), None),
                    WAIT, "the parameters dialog")


def seconds_box(c, dialog):
    """The start countdown's seconds: the first edit box from the top."""
    edits = [ch for ch in c.inspector.children(dialog["hwnd"]) if ch["class"].lower() == "edit"]
    check(edits, "the dialog has no edit box")
    return min(edits, key=lambda ch: (ch["rect"][1], ch["rect"][0]))


def retype(c, text):
    c.xdotool("key", "End", *["BackSpace"] * 6)
    c.xdotool("type", text)


@case()
def dialog_in_spanish_from_the_keyboard_checks_and_stores(c):
    c.write_ini("[Llenguatge]\nLlenguatge=castella\n"
                + settings("BoolCheckBoxHiHaComptaEnreraPerEngegar=true\nSegonsIniciActivitat=10"))
    Target(c)
    program = Pelvoro(c, "NOABOUT")
    main = program.window()
    hwnd = main["hwnd"]

    dialog = open_parameters(c, main)
    check(dialog["caption"] == "Parámetros", f"the dialog is captioned '{dialog['caption']}'")
    # The keyboard starts on "D'acord"; "Cancel.lar" and the countdown check box come before
    # its seconds.
    c.xdotool("key", "Tab", "Tab", "Tab")
    retype(c, "0")
    check(seconds_box(c, dialog)["text"] == "0", "typing did not reach the seconds box")
    c.xdotool("key", "Return")
    box = wait_for(lambda: next((b for b in c.inspector.boxes() if b["visible"] and SLOT_0_ES in b["texts"]), None),
                   WAIT, "the range message")
    caption = next(w["caption"] for w in c.inspector.windows() if w["hwnd"] == box["hwnd"])
    check(caption == "PELVORO", f"the message is captioned '{caption}'")
    c.xdotool("key", "Return")
    wait_for(lambda: not any(b["visible"] for b in c.inspector.boxes()), WAIT, "the message to close")
    wait_for(lambda: seconds_box(c, dialog)["text"] == "10", WAIT, "the seconds box back at 10")
    check(any(w["visible"] for w in c.inspector.windows(cls="TFormParametres")), "a failed check closed the dialog")

    # The failing box has the keyboard: the new value goes straight in.
    retype(c, "25")
    c.xdotool("key", "Return")
    wait_for(lambda: not any(w["visible"] for w in c.inspector.windows(cls="TFormParametres")), WAIT,
             "the dialog to close")
    check(program.label_texts(hwnd) == ["25"], f"the label reads {program.label_texts(hwnd)}")
    check(program.close(hwnd) == 0, "exit code is not 0")
    ini = c.ini()
    check(ini.get("Parametres", "SegonsIniciActivitat") == "25", "the new seconds were not written")
    check(ini.get("Llenguatge", "Llenguatge") == "castella", "the language was not kept")


@case()
def dialog_colour_button_opens_the_colour_chooser(c):
    # The chooser's library is loaded only when the button is first used.
    program = Pelvoro(c, "NOABOUT")
    main = program.window()
    check("user32.dll" in loaded_dlls(program.process), "no library seen in the program's process")
    check("comdlg32.dll" not in loaded_dlls(program.process), "the chooser's library is loaded at start")
    dialog = open_parameters(c, main)
    button = next((ch for ch in c.inspector.children(dialog["hwnd"])
                   if ch["class"].lower() == "button" and ch["text"] == "Color"), None)
    check(button, "the dialog has no Color button")
    left, top, right, bottom = button["rect"]
    c.xdotool("mousemove", (left + right) // 2, (top + bottom) // 2, "click", 1)

    def chooser():
        return next((w for w in c.inspector.windows(cls="#32770")
                     if w["visible"] and w["hwnd"] != dialog["hwnd"]), None)
    found = wait_for(chooser, WAIT, "the colour chooser")
    check("comdlg32.dll" in loaded_dlls(program.process), "the chooser shows without its library")
    cl, ct, cr, cb = found["rect"]
    c.xdotool("mousemove", (cl + cr) // 2, ct + 10, "key", "Escape")
    wait_for(lambda: chooser() is None, WAIT, "the chooser to close")
    check(any(w["visible"] for w in c.inspector.windows(cls="TFormParametres")),
          "cancelling the chooser closed the dialog")
    check(program.process.running(), "the program ended")
