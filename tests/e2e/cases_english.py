"""English, as a user meets it: stored in the settings file, the parameters dialog opened from
the keyboard in English, kept across a restart, and Català in the Llenguatge submenu giving
back the program's own texts. Texts do not depend on the build: these run on the i686 one."""

from cases_dialog import open_parameters
from cases_menu import MAIN_MENU, read_menus
from cases_program import Pelvoro
from harness import check, wait_for
from registry import case

WAIT = 20
MAIN_MENU_EN = [
    "&Pelvoro",
    "  0-Show the tracking frame",
    "  1-Dwell click: click when the pointer rests",
    "  2-Tablet PC. Click when held down without moving for a while",
    "  3-Tablet PC. Click on touch",
    "  -",
    "  Parameters...",
    "  Language",
    "    Català",
    "    Español",
    "  -",
    "  &About...",
    "  -",
    "  E&xit",
]
DIALOG_EN = {
    "OK", "Cancel", "Colour",
    "Applies to all. A start countdown before a mode starts, to use the mouse normally first "
    "(to open programs, ...)",
    "Applies to all. Seconds of the start countdown:",
    "1-Dwell click. Tenths of a second of rest before the click:",
    "1-Dwell click. The user's own clicks do not get through",
    "2-Tablet PC, hold. Tenths of a second held down before the click:",
    "Applies to 1 - 2. Pixels the pointer may move and still be resting:",
    "Applies to 1 - 2. A timer ring around the pointer fills up until the click",
    "The tracking frame is a circle instead of a square",
    "Width of the tracking frame:",
    "Thickness of the tracking frame:",
    "At start, switch on the last mode 1-2-3 used",
    "Start with the program's window minimised",
}
# The dialog as built, letter for letter.
DIALOG_CA = {
    "D'acord", "Cancel.lar", "Color",
    "S'aplica a tots. Compte enrera per engegar les opcions. És per poder tenir la rata normal "
    "per, prèviament, activar programes, ...",
    "S'aplica a tots. Segons que dura el compte enrere per engegar:",
    "1-Clic automàtic al estar parat el mouse en una posició. Dècimes de segon compte enrere:",
    "1-Clic automàtic a l'estar parat el mouse en una posició. No permet altres clics",
    "2-Tablet PC. Clic a l'estar el mouse down en una casella durant una estona. Dècimes de "
    "segon compte enrere:",
    "S'aplica a 1 - 2. Píxels de separació perquè es consideri que el mouse està parat:",
    "S'aplica a 1 - 2. Surt un temporitzador al voltant d'on es troba el mouse quan s'ha de fer "
    "clic",
    "Quadre seguiment és un cercle en lloc d'un rectangle",
    "Amplada quadre de seguiment del mouse:",
    "Gruixudària quadre de seguiment del mouse:",
    "Quan s'executa el programa s'activa ho fa amb la última opció 1-2-3 feta servir",
    "A l'arrencar es minimitza la finestra del programa",
}
SYSTEM_EN = ["-", "Use without clicks: click-type panel", "[x] English"]
SYSTEM_CA = ["-", "Ús sense clics: panell de tipus de clic", "English"]


def dialog_texts(c, dialog):
    """The words of the dialog's labels, check boxes and buttons (its number boxes aside)."""
    return {k["text"] for k in c.inspector.children(dialog["hwnd"])
            if k["class"].lower() in ("static", "button") and k["text"]}


def check_dialog(c, main, caption, texts):
    dialog = open_parameters(c, main)
    check(dialog["caption"] == caption, f"the dialog is captioned '{dialog['caption']}'")
    shown = dialog_texts(c, dialog)
    check(shown == texts, f"the dialog shows {sorted(shown - texts)}, lacks {sorted(texts - shown)}")
    c.xdotool("key", "Escape")
    wait_for(lambda: not any(w["visible"] for w in c.inspector.windows(cls="TFormParametres")),
             WAIT, "the dialog closed")


def check_menus(c, hwnd, menu, system):
    menus = read_menus(c, hwnd)
    check(menus["menu"] == menu, f"main menu: {menus['menu']}")
    check(menus["system"][-3:] == system, f"window menu: {menus['system']}")


def choose_catala(c, main):
    """Alt+P, down to Llenguatge (past the separator), into its submenu: Català is first."""
    left, top, right, bottom = main["rect"]
    c.xdotool("mousemove", (left + right) // 2, bottom - 30)  # the keyboard follows the pointer
    c.xdotool("key", "alt+p")
    for _ in range(5):
        c.xdotool("key", "Down")
    c.xdotool("key", "Right", "Return")


@case(timeout=180, arches=("win32",))
def english_from_the_settings_file_survives_a_restart_and_catala_gives_back_the_texts(c):
    c.write_ini("[Llenguatge]\nLlenguatge=angles\n")
    program = Pelvoro(c, "NOABOUT")
    main = program.window()
    check_menus(c, main["hwnd"], MAIN_MENU_EN, SYSTEM_EN)
    check_dialog(c, main, "Parameters", DIALOG_EN)
    check(program.close(main["hwnd"]) == 0, "exit code is not 0")
    check(c.ini().get("Llenguatge", "Llenguatge") == "angles",
          f"stored {c.ini().section('Llenguatge')}")

    program = Pelvoro(c, "NOABOUT")
    main = program.window()
    check_dialog(c, main, "Parameters", DIALOG_EN)
    choose_catala(c, main)
    # The dialog first: read from inside the program right after the switch, Wine still gave
    # the menus as they were until a menu was next opened.
    check_dialog(c, main, "Paràmetres", DIALOG_CA)
    check_menus(c, main["hwnd"], MAIN_MENU, SYSTEM_CA)
    check(program.close(main["hwnd"]) == 0, "exit code is not 0")
    check(c.ini().get("Llenguatge", "Llenguatge") == "catala",
          f"stored {c.ini().section('Llenguatge')}")
