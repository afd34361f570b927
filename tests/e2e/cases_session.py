"""What Windows does around the program: a second start of it, and the end of the session."""

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
