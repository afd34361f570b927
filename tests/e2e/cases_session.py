"""What Windows does around the program: a second start of it, and the end of the session."""

import os

from cases_dialog import open_parameters, retype
from cases_program import DEFAULTS, Pelvoro, settings
from harness import check, wait_for
from registry import case

WAIT = 20


def imitate(c, *args):
    """Runs ImitaSistema.exe to its end; returns its one line of output."""
    process = c.start(c.tool("ImitaSistema.exe"), *args)
    check(process.wait_exit(WAIT) == 0, f"ImitaSistema {' '.join(args)} failed")
    return process.stdout_path.read_text(errors="replace").strip()


@case()
def session_second_start_brings_the_running_copy_forward_and_leaves(c):
    # Started at sign-in, minimised, and then again from the Start menu.
    c.write_ini(settings("BoolCheckBoxExecutarMinimitzat=true"))
    first = Pelvoro(c, "NOABOUT")
    w = first.window("iconic")
    before = c.ini_path.read_bytes()
    second = Pelvoro(c, "NOABOUT")
    check(second.process.wait_exit(WAIT) == 0, "the second copy did not end with 0")
    restored = first.window("shown")
    check(restored["hwnd"] == w["hwnd"], "another main window shows")
    check(len(c.inspector.windows(cls="TFormPrincipal")) == 1, "two main windows exist")
    wait_for(lambda: c.inspector.ask("foreground")["hwnd"] == w["hwnd"], WAIT, "the first copy in front")
    check(c.ini_path.read_bytes() == before, "the second copy wrote the settings file")
    check(first.close(w["hwnd"]) == 0, "exit code is not 0")


@case()
def session_second_start_brings_pelvoro_forward_not_another_programs_window_of_its_class(c):
    # Another always-on-top tool, started later, has a minimised window of the same class; it
    # comes first in a search by class.
    c.write_ini(settings("BoolCheckBoxExecutarMinimitzat=true"))
    first = Pelvoro(c, "NOABOUT")
    w = first.window("iconic")
    other = c.start(c.tool("FinestraAliena.exe"), "TFormPrincipal")
    wait_for(lambda: other.stdout_path.read_text(errors="replace").startswith("ready"), WAIT,
             "the other program's window")
    alien = int(other.stdout_path.read_text().split()[1])
    check(c.inspector.windows(cls="TFormPrincipal")[0]["hwnd"] == alien,
          "the other program's window does not come first")
    second = Pelvoro(c, "NOABOUT")
    check(second.process.wait_exit(WAIT) == 0, "the second copy did not end with 0")
    restored = first.window("shown")
    check(restored["hwnd"] == w["hwnd"], "another main window shows")
    wait_for(lambda: c.inspector.ask("foreground")["hwnd"] == w["hwnd"], WAIT, "Pelvoro in front")
    still = [x for x in c.inspector.windows(cls="TFormPrincipal") if x["hwnd"] == alien]
    check(still and still[0]["iconic"], "the other program's window was brought forward")
    check(first.close(w["hwnd"]) == 0, "exit code is not 0")


@case()
def session_sign_out_keeps_the_options_changed_that_day(c):
    c.write_ini(settings("BoolCheckBoxHiHaComptaEnreraPerEngegar=true"))
    program = Pelvoro(c, "NOABOUT")
    main = program.window()
    open_parameters(c, main)
    c.xdotool("key", "Tab", "Tab", "Tab")  # from "D'acord" past "Cancel.lar" and the check box
    retype(c, "25")
    c.xdotool("key", "Return")
    wait_for(lambda: not any(w["visible"] for w in c.inspector.windows(cls="TFormParametres")), WAIT,
             "the dialog to close")
    wait_for(lambda: program.label_texts(main["hwnd"]) == ["25"], WAIT, "the label at 25")

    said = imitate(c, "endsession", "TFormPrincipal")
    check(said.startswith("query ") and said.endswith(" end"), f"ImitaSistema said '{said}'")
    asked, of = said.split()[1], said.split()[3]
    check(asked == of, f"the session's end was refused: {said}")
    # Exactly what closing the window writes.
    ini = c.ini()
    expected = [(k, "true" if k == "BoolCheckBoxHiHaComptaEnreraPerEngegar" else
                 "25" if k == "SegonsIniciActivitat" else v) for k, v in DEFAULTS]
    check(sorted(ini.sections) == ["Llenguatge", "LlibreriaPelvoro", "Menu", "Parametres"],
          f"sections after the session's end: {list(ini.sections)}")
    check(ini.section("LlibreriaPelvoro") == {"HANDLE FINESTRA": str(main["hwnd"])}, "the handle changed")
    check(ini.section("Llenguatge") == {"Llenguatge": "catala"}, f"{ini.section('Llenguatge')}")
    check(ini.sections["Parametres"] == expected, f"Parametres: {ini.sections['Parametres']}")
    check(ini.section("Menu") == {"Opcio": "0"}, f"Menu: {ini.section('Menu')}")


@case()
def session_wine_end_session_writes_what_closing_writes(c):
    # Wine's own end of session asks and tells every window, then ends the processes.
    program = Pelvoro(c, "NOABOUT")
    main = program.window()
    ending = c.start("wineboot", "--end-session")
    check(ending.wait_exit(60) == 0, "wineboot --end-session failed")
    ini = c.ini()
    check(ini.sections.get("Parametres") == DEFAULTS, f"Parametres: {ini.sections.get('Parametres')}")
    check(ini.section("Llenguatge") == {"Llenguatge": "catala"}, f"{ini.section('Llenguatge')}")
    check(ini.section("Menu") == {"Opcio": "0"}, f"Menu: {ini.section('Menu')}")
    check(ini.section("LlibreriaPelvoro") == {"HANDLE FINESTRA": str(main["hwnd"])}, "the handle changed")


# Sections of other programs ahead of Pelvoro's: the profile service rewrites the whole file at
# every key it changes, so with these each write lasts long enough for a kill to fall inside it.
OTHER_SECTIONS = 40000
KILL_ROUNDS = 10
# The user's options, some in texts that the close writes otherwise: it changes the file.
# Key: the text the file holds, the text the close writes for the same value.
USERS = {"SegonsIniciActivitat": ("$19", "25"), "AmpladaQuadreDeSeguiment": ("0300", "300"),
         "GruixudariaQuadreDeSeguiment": ("+4", "4"), "ColorQuadreSeguiment": ("$FF0000", "16711680"),
         "BoolCheckBoxTemporitzador": ("true", "true"), "BoolQuadreSeguimentRodo": ("true", "true")}
OPTIONS = [(k, *USERS.get(k, (v, v))) for k, v in DEFAULTS]


def settings_files(c):
    """Name, size and time of every file of the Windows folder named after the settings file."""
    windows = c.prefix / "drive_c" / "windows"
    seen = []
    for entry in os.scandir(windows):
        if entry.name.lower().startswith("pelvoro"):
            try:
                info = entry.stat()
            except FileNotFoundError:
                continue
            seen.append((entry.name, info.st_size, info.st_mtime_ns))
    return sorted(seen)


@case(timeout=400)
def session_killed_while_writing_the_settings_keeps_every_option(c):
    # A crash, a power cut or a forced sign-out while the program writes its settings at close.
    others = "".join(f"[AltrePrograma{i}]\nClau=valor {i}\n" for i in range(OTHER_SECTIONS))
    inside = 0
    for kill_round in range(1, KILL_ROUNDS + 1):
        c.write_ini(others + "[Llenguatge]\nLlenguatge=castella\n" +
                    settings("\n".join(f"{k}={v}" for k, v, _ in OPTIONS)) + "[Menu]\nOpcio=0\n")
        program = Pelvoro(c, "NOABOUT")
        main = program.window()
        before = settings_files(c)
        c.inspector.ask("close", main["hwnd"])
        # Killed at the first change seen in those files while the close writes them, or at
        # the second, in turn.
        changes = 0
        while changes < 1 + (kill_round - 1) % 2 and program.process.running():
            now = settings_files(c)
            if now != before:
                changes, before = changes + 1, now
        program.process.popen.kill()
        killed = program.process.wait_exit(WAIT) != 0
        inside += killed
        ini = c.ini()
        print(f"round {kill_round}: killed {'inside' if killed else 'after'} the close, "
              f"after {changes} changes; file {c.ini_path.stat().st_size} bytes")
        kept = ini.sections.get("Parametres") or []
        check([k for k, _ in kept] == [k for k, _, _ in OPTIONS] and
              all(v in (stored, written) for (_, v), (_, stored, written) in zip(kept, OPTIONS)),
              f"round {kill_round}: options {kept}")
        check(ini.section("Llenguatge") == {"Llenguatge": "castella"},
              f"round {kill_round}: {ini.section('Llenguatge')}")
        check(len(ini.sections) == OTHER_SECTIONS + 4, f"round {kill_round}: "
              f"{len(ini.sections)} sections")
        check(ini.section("Menu") == {"Opcio": "0"}, f"round {kill_round}: {ini.section('Menu')}")
    print(f"{inside} of {KILL_ROUNDS} kills fell inside the close")
    check(inside >= KILL_ROUNDS // 2, f"only {inside} of {KILL_ROUNDS} kills fell inside the close")
