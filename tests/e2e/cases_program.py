"""Pelvoro.exe itself: start-up, the main window, and the settings file around a run."""

from harness import SCREEN_H, SCREEN_W, check, wait_for
from registry import case

WAIT = 20
WIDTH, HEIGHT = 118, 150

DEFAULTS = [
    ("BoolCheckBoxHiHaComptaEnreraPerEngegar", "false"),
    ("SegonsIniciActivitat", "10"),
    ("DecimesTimerClickAutomatic", "10"),
    ("Bool1ClicAutomaticNoPermetAltresClics", "false"),
    ("DecimesDeSegonClicALEstarElMouseDownEnUnaCasella", "10"),
    ("PixelsDeSeparacioPerqueEsConsideriParat", "10"),
    ("BoolCheckBoxTemporitzador", "false"),
    ("BoolMostrarQuadreDeSeguiment", "false"),
    ("BoolQuadreSeguimentRodo", "false"),
    ("AmpladaQuadreDeSeguiment", "150"),
    ("GruixudariaQuadreDeSeguiment", "10"),
    ("BoolCheckBoxArrancarAmbOpcioMenu", "false"),
    ("ColorQuadreSeguiment", "255"),
    ("BoolCheckBoxExecutarMinimitzat", "false"),
]


class Pelvoro:
    def __init__(self, c, *args):
        self.c = c
        self.process = c.start(c.program("Pelvoro.exe"), *args)

    def window(self, state="shown"):
        """The main window once it is visible ("shown") or minimised ("iconic")."""
        def probe():
            for w in self.c.inspector.windows(cls="TFormPrincipal"):
                if state == "shown" and w["visible"] and not w["iconic"]:
                    return w
                if state == "iconic" and w["iconic"]:
                    return w
            return None
        return wait_for(probe, WAIT, f"the main window {state}")

    def label_texts(self, hwnd):
        return [ch["text"] for ch in self.c.inspector.children(hwnd)
                if ch["class"].lower() == "static" and ch["text"]]

    def close(self, hwnd):
        """Closes the main window as its close box does; returns the exit code."""
        self.c.inspector.ask("close", hwnd)
        return self.process.wait_exit(WAIT)


def is_blue(p):
    return p[2] >= 180 and p[0] <= 90 and p[1] <= 90


def is_red(p):
    return p[0] >= 180 and p[1] <= 90 and p[2] <= 90


def is_white(p):
    return min(p) >= 240


def settings(text):
    return "[Parametres]\n" + text + "\n"


def check_label(program, hwnd, text):
    texts = wait_for(lambda: program.label_texts(hwnd) or None, WAIT, "the label's text")
    check(texts == [text], f"label reads {texts}, expected '{text}'")


@case()
def program_main_window_at_top_right(c):
    program = Pelvoro(c, "NOABOUT")
    w = program.window()
    check(w["rect"] == [SCREEN_W - WIDTH, 0, SCREEN_W, HEIGHT], f"main window at {w['rect']}")
    check(w["topmost"], "main window is not always on top")
    check(w["caption"] == "Pelvoro", f"caption is '{w['caption']}'")
    check_label(program, w["hwnd"], "10")
    about = [a for a in c.inspector.windows(cls="TAboutBox") if a["visible"]]
    check(not about, "the about box shows although NOABOUT was given")

    ini = c.ini()
    check(list(ini.sections) == ["LlibreriaPelvoro"], f"after start the file has {list(ini.sections)}")
    check(ini.section("LlibreriaPelvoro") == {"HANDLE FINESTRA": str(w["hwnd"])},
          f"handle written: {ini.section('LlibreriaPelvoro')}, window {w['hwnd']}")

    # What the user sees: the white label with the blue count, in the top right corner.
    left, top, right, bottom = w["rect"]
    label_area = (left + 6, top + 70, right - 6, bottom - 6)
    shot = wait_for(lambda: (lambda s: s if s.count(label_area, is_blue) > 30 else None)(
        c.screenshot("main-window")), WAIT, "the blue count on screen", interval=0.5)
    check(shot.count(label_area, is_white) > 200, "the label is not white")
    check(shot.count((0, 200, SCREEN_W - WIDTH, SCREEN_H), is_blue) == 0,
          "blue pixels outside the main window")


@case()
def program_close_writes_settings_and_exits_0(c):
    program = Pelvoro(c, "NOABOUT")
    w = program.window()
    check(program.close(w["hwnd"]) == 0, "exit code is not 0")
    # Byte for byte what the profile service makes of the close's writes on a new file.
    expected = ("[LlibreriaPelvoro]\r\n" + f"HANDLE FINESTRA={w['hwnd']}\r\n" +
                "[Llenguatge]\r\nLlenguatge=catala\r\n[Parametres]\r\n" +
                "".join(f"{k}={v}\r\n" for k, v in DEFAULTS) + "[Menu]\r\nOpcio=0\r\n")
    written = c.ini_path.read_bytes()
    check(written == expected.encode("cp1252"), f"the file after the first close: {written!r}")
    check([p.name for p in c.ini_path.parent.iterdir() if p.name.lower().startswith("pelvoro")]
          == [c.ini_path.name], "files left beside the settings file")
    ini = c.ini()
    check(list(ini.sections) == ["LlibreriaPelvoro", "Llenguatge", "Parametres", "Menu"],
          f"sections after close: {list(ini.sections)}")
    check(ini.section("LlibreriaPelvoro") == {"HANDLE FINESTRA": str(w["hwnd"])},
          "the handle changed at close")
    check(ini.section("Llenguatge") == {"Llenguatge": "catala"}, f"{ini.section('Llenguatge')}")
    check(ini.sections["Parametres"] == DEFAULTS, f"Parametres: {ini.sections['Parametres']}")
    check(ini.section("Menu") == {"Opcio": "0"}, f"Menu: {ini.section('Menu')}")


@case()
def program_starts_minimised_when_asked(c):
    c.write_ini(settings("BoolCheckBoxExecutarMinimitzat=true"))
    program = Pelvoro(c, "NOABOUT")
    w = program.window("iconic")
    corner = (SCREEN_W - WIDTH, 0, SCREEN_W, HEIGHT)
    check(c.screenshot("minimised").count(corner, is_blue) == 0,
          "the count shows at the top right although the window is minimised")
    check(program.close(w["hwnd"]) == 0, "exit code is not 0")
    check(c.ini().get("Parametres", "BoolCheckBoxExecutarMinimitzat") == "true",
          "the option was not kept")


@case()
def program_unparsable_colour_is_reported_and_every_other_option_is_kept(c):
    # The option after the colour is read too: the window starts minimised as asked.
    c.write_ini(settings("SegonsIniciActivitat=25\nColorQuadreSeguiment=abc\n"
                         "BoolCheckBoxExecutarMinimitzat=true"))
    program = Pelvoro(c, "NOABOUT")
    text = "'abc' is not a valid integer value."
    box = wait_for(lambda: next((b for b in c.inspector.boxes()
                                 if b["visible"] and text in b["texts"]), None),
                   WAIT, "the error message box")
    check(box["buttons"] == ["OK"], f"the box offers {box['buttons']}")
    # The box comes while the main window is being created: the user sees only the box,
    # with the red error icon, and the main window once the box is dismissed.
    shown = [w for w in c.inspector.windows(cls="TFormPrincipal") if w["visible"]]
    check(not shown, "the main window shows before the box is dismissed")
    shot = c.screenshot("error-box")
    check(shot.count(box["rect"], is_red) > 50, "no error icon in the box")
    c.inspector.ask("press", box["hwnd"], "OK")
    w = program.window("iconic")
    check_label(program, w["hwnd"], "25")
    wait_for(lambda: not any(b["visible"] for b in c.inspector.boxes()), WAIT, "the box to close")
    check(program.close(w["hwnd"]) == 0, "exit code is not 0")
    ini = c.ini()
    check(ini.get("Parametres", "ColorQuadreSeguiment") == "255", "bad colour not replaced")
    check(ini.get("Parametres", "BoolCheckBoxExecutarMinimitzat") == "true",
          "the option after the bad colour was lost")
    check(ini.get("Parametres", "SegonsIniciActivitat") == "25", "the seconds were lost")


@case()
def program_reads_dollar_hexadecimal(c):
    c.write_ini(settings("SegonsIniciActivitat=$1E"))
    program = Pelvoro(c, "NOABOUT")
    w = program.window()
    check_label(program, w["hwnd"], "30")
    check(program.close(w["hwnd"]) == 0, "exit code is not 0")
    check(c.ini().get("Parametres", "SegonsIniciActivitat") == "30", "not written back as 30")


@case()
def program_sees_49_characters_of_a_value(c):
    # 48 zeros and "12": only "0...01" is seen, which is 1.
    c.write_ini(settings("SegonsIniciActivitat=" + "0" * 48 + "12"))
    program = Pelvoro(c, "NOABOUT")
    w = program.window()
    check_label(program, w["hwnd"], "1")
