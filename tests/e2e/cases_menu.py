"""The main window's menus as a new user meets them: the main menu as built, and the window
menu (Alt+Space), where the switches of the click-type panel and of English live. A menu handle means nothing
in another process, so LlegirMenus.exe reads them inside the program."""

import re

from cases_program import Pelvoro, settings
from harness import check, wait_for
from registry import case

WAIT = 20
MAIN_MENU = [
    "&Pelvoro",
    "  0-Mostrar quadre de seguiment del mouse",
    "  1-Clic automàtic a l'estar parat el mouse en una posició",
    "  2-Tablet PC. Clic a l'estar el mouse down en una casella durant una estona",
    "  3-Tablet PC. Clic al prèmer la pantalla",
    "  -",
    "  Paràmetres...",
    "  Llenguatge",
    "    [x] Català",
    "    Español",
    "  -",
    "  P&arlant de...",
    "  -",
    "  &Sortir",
]
FOUR_WINDOWS = ["TAboutBox", "TFormParametres", "TFormPrincipal", "TFormTransparent"]


def read_menus(c, hwnd):
    """{"menu": lines, "system": lines} of the window, one line per item as the tool prints it."""
    reader = c.start(c.tool("LlegirMenus.exe"), hwnd)
    check(reader.wait_exit(WAIT) == 0, f"LlegirMenus: {reader.stdout_path.read_text(errors='replace')}")
    menus, section = {}, None
    for line in reader.stdout_path.read_text(encoding="utf-8").splitlines():
        if line in ("[menu]", "[system]"):
            section = menus.setdefault(line[1:-1], [])
        elif section is not None:
            section.append(line)
    return menus


def own_windows(c, pid):
    """The program's own top-level windows, by class (Wine's input-method and tip windows aside)."""
    return sorted(w["class"] for w in c.inspector.windows()
                  if w["pid"] == pid and re.match(r"T[A-Z]", w["class"]))


@case(timeout=120)
def menu_as_built_with_the_panel_switch_in_the_window_menu(c):
    c.write_ini(settings("DecimesTimerClickAutomatic=5"))
    program = Pelvoro(c, "NOABOUT")
    main = program.window()
    hwnd, pid = main["hwnd"], main["pid"]
    check(own_windows(c, pid) == FOUR_WINDOWS, f"windows with the panel off: {own_windows(c, pid)}")
    menus = read_menus(c, hwnd)
    check(menus["menu"] == MAIN_MENU, f"main menu: {menus['menu']}")
    system = menus["system"]
    check(len(system) > 4 and system[-3:] == ["-", "Ús sense clics: panell de tipus de clic", "English"]
          and system[-4] != "-", f"window menu: {system}")

    # Alt+Space opens the window menu; the item before its last (English) switches the panel on.
    left, top, right, bottom = main["rect"]
    c.xdotool("mousemove", (left + right) // 2, bottom - 30)  # the keyboard focus follows the pointer
    c.xdotool("key", "alt+space")
    c.xdotool("key", "End", "Up", "Return")
    wait_for(lambda: "TFormTipusClic" in own_windows(c, pid), WAIT, "the panel's window made")
    check(read_menus(c, hwnd)["system"][-2:] == ["[x] Ús sense clics: panell de tipus de clic", "English"],
          "the switch is not checked")
    # Switched on, the dwell-only use clicks at once: mode 1 comes on, and the menu is the same.
    with_mode_1 = [line.replace("  1-", "  [x] 1-") for line in MAIN_MENU]
    wait_for(lambda: read_menus(c, hwnd)["menu"] == with_mode_1, WAIT, "mode 1 on and the main menu as built")
    check(program.close(hwnd) == 0, "exit code is not 0")
    check(c.ini().get("TipusClic", "MostrarPanell") == "true", f"stored {c.ini().section('TipusClic')}")
