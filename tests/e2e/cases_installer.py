"""The installer of the release target, as a user or a school runs it: silent install, start
at sign-in, installing over a running Pelvoro, uninstalling, the options that leave things out,
and the wizard's own words: what Pelvoro does, and the guide it opens at the end. The installer
is a 32-bit program; these cases run under 32-bit Wine only."""

import os
import re
import signal
from pathlib import Path, PureWindowsPath
from urllib.parse import unquote, urlparse

from harness import check, wait_for
from registry import case

ROOT = Path(__file__).resolve().parents[2]
# The guides' pictures go in a folder beside them.
PICTURES = [f"imatges/{p.name}" for p in sorted((ROOT / "docs" / "imatges").glob("*.png"))]
FILES = ["Pelvoro.exe", "LlibreriaPelvoro.dll", "guia-ca.html", "guia-es.html", "guia-en.html",
         "guia.css", "README.txt"] + PICTURES
WAIT = 30
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pelvoro"
CLOSED_SECTIONS = ["LlibreriaPelvoro", "Llenguatge", "Parametres", "Menu"]
INSTALLER = dict(timeout=120, labels=("installer",), arches=("win32",))


def version():
    text = (ROOT / "CMakeLists.txt").read_text()
    return re.search(r"project\(Pelvoro VERSION (\d+\.\d+\.\d+)", text).group(1)


class Installation:
    """Where the installer puts things for the prefix's user, and the registry it writes."""

    def __init__(self, c):
        self.c = c
        self.setup = c.program(f"Pelvoro-{version()}-setup.exe")
        users = [p for p in (c.prefix / "drive_c" / "users").iterdir() if p.name != "Public"]
        check(len(users) == 1, f"users in the prefix: {[p.name for p in users]}")
        self.home = users[0]
        # Wine links the desktop to the Linux home: give the case a desktop of its own (the
        # harness keeps Wine from making Linux menu entries for the shortcuts).
        desktop = self.home / "Desktop"
        if desktop.is_symlink():
            desktop.unlink()
            desktop.mkdir()
        self.folder_win = rf"C:\users\{self.home.name}\AppData\Local\Programs\Pelvoro"
        self.exe_win = self.folder_win + r"\Pelvoro.exe"
        self.folder = self.unix(self.folder_win)
        self.shortcuts = {
            "Start menu": self.home / "AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Pelvoro.lnk",
            "desktop": desktop / "Pelvoro.lnk",
        }

    def unix(self, windows_path):
        path = PureWindowsPath(windows_path)
        check(path.drive.upper() == "C:", f"{windows_path} is not on drive C:")
        return self.c.prefix / "drive_c" / Path(*path.parts[1:])

    def run(self, *options):
        code = self.c.start(self.setup, "/S", *options).wait_exit(WAIT)
        check(code == 0, f"the installer {' '.join(('/S',) + options)} ended with {code}")

    def query(self, key):
        """The values under a registry key as {name: (type, data)}; None without the key."""
        process = self.c.start("reg", "query", key)
        code = process.wait_exit(WAIT)
        if code != 0:
            return None
        values = {}
        for line in process.stdout_path.read_text(errors="replace").splitlines():
            found = re.match(r"^    (\S+)    (REG_\w+)    (.*)$", line)
            if found:
                values[found[1]] = (found[2], found[3])
        return values

    def run_value(self):
        return (self.query(RUN_KEY) or {}).get("Pelvoro")

    def start_command(self, command):
        """Starts a command line as Windows does from the Run key or an uninstall entry."""
        found = re.match(r'^"([^"]+)"\s*(.*)$', command)
        check(found, f"the command {command!r} does not start with a quoted program")
        return self.c.start(found[1], *found[2].split())

    def start_installed(self, *args):
        return self.c.start(self.exe_win, *args)

    def main_window(self, other_than=None):
        def shown():
            return next((w for w in self.c.inspector.windows(cls="TFormPrincipal")
                         if w["visible"] and not w["iconic"] and w["hwnd"] != other_than), None)
        return wait_for(shown, WAIT, "Pelvoro's main window shown")


def check_in_place(inst):
    for name in FILES:
        installed = inst.folder / name
        check(installed.is_file(), f"{name} is not installed")
        check(installed.read_bytes() == inst.c.program(name).read_bytes(),
              f"the installed {name} is not the built one")
    check((inst.folder / "uninstall.exe").is_file(), "no uninstaller")


def installed_files(inst):
    return {p.relative_to(inst.folder).as_posix(): p.read_bytes()
            for p in inst.folder.rglob("*") if p.is_file()}


def check_shortcut(inst, where):
    link = inst.shortcuts[where]
    check(link.is_file(), f"no {where} shortcut")
    check(inst.exe_win.encode("ascii") in link.read_bytes(),
          f"the {where} shortcut does not lead to {inst.exe_win}")


def check_registration(inst):
    values = inst.query(UNINSTALL_KEY)
    check(values is not None, "no uninstall registration")
    expected = {
        "DisplayName": ("REG_SZ", "Pelvoro"),
        "DisplayVersion": ("REG_SZ", version()),
        "Publisher": ("REG_SZ", "Equip Pelvoro"),
        "DisplayIcon": ("REG_SZ", inst.exe_win + ",0"),
        "InstallLocation": ("REG_SZ", inst.folder_win),
        "UninstallString": ("REG_SZ", f'"{inst.folder_win}\\uninstall.exe"'),
        "QuietUninstallString": ("REG_SZ", f'"{inst.folder_win}\\uninstall.exe" /S'),
    }
    for name, value in expected.items():
        check(values.get(name) == value, f"{name} is {values.get(name)}, expected {value}")
    kind, size = values.get("EstimatedSize", (None, "0"))
    kilobytes = sum(p.stat().st_size for p in inst.folder.rglob("*") if p.is_file()) // 1024
    # Counted file by file in whole kilobytes.
    check(kind == "REG_DWORD" and abs(int(size, 16) - kilobytes) <= len(FILES) + 1,
          f"EstimatedSize is {kind} {size}, the folder holds {kilobytes} KB")
    return values


@case(**INSTALLER)
def installer_silent_install_puts_pelvoro_in_place_and_starts_it_at_sign_in(c):
    inst = Installation(c)
    inst.run()
    check_in_place(inst)
    check_shortcut(inst, "Start menu")
    check_shortcut(inst, "desktop")
    check_registration(inst)
    run = inst.run_value()
    check(run == ("REG_SZ", f'"{inst.exe_win}"'), f"the Run value is {run}")
    # What Windows does at sign-in: the credits for three seconds, then the main window.
    inst.start_command(run[1])
    inst.main_window()


@case(**INSTALLER)
def installer_over_a_running_pelvoro_closes_it_and_starts_the_new_one(c):
    inst = Installation(c)
    inst.run()
    old = inst.start_installed("NOABOUT")
    window = inst.main_window()
    check(list(c.ini().sections) == ["LlibreriaPelvoro"], "options written before the close")
    inst.run()
    # Closed as its close box does: it wrote its options and ended with 0, not killed.
    check(old.wait_exit(WAIT) == 0, "the running Pelvoro did not end with 0")
    check(list(c.ini().sections) == CLOSED_SECTIONS,
          f"sections after the install: {list(c.ini().sections)}")
    new = inst.main_window(other_than=window["hwnd"])
    wait_for(lambda: c.ini().get("LlibreriaPelvoro", "HANDLE FINESTRA") == str(new["hwnd"]),
             WAIT, "the new Pelvoro's handle in the settings file")


@case(**INSTALLER)
def installer_silent_uninstall_leaves_only_the_settings_file(c):
    inst = Installation(c)
    inst.run()
    running = inst.start_installed("NOABOUT")
    inst.main_window()
    quiet = check_registration(inst)["QuietUninstallString"][1]
    # The uninstaller hands over to a copy of itself outside the folder and returns at once;
    # the registration goes last.
    check(inst.start_command(quiet).wait_exit(WAIT) == 0, "the uninstaller failed to start")
    wait_for(lambda: inst.query(UNINSTALL_KEY) is None, WAIT, "the registration removed",
             interval=0.5)
    check(running.wait_exit(WAIT) == 0, "the running Pelvoro did not end with 0")
    left = sorted(p.name for p in inst.folder.iterdir()) if inst.folder.exists() else None
    check(left is None, f"the program's folder is left, with {left}")
    for where, link in inst.shortcuts.items():
        check(not link.exists(), f"the {where} shortcut is left")
    check(inst.run_value() is None, "the Run value is left")
    check(list(c.ini().sections) == CLOSED_SECTIONS,
          f"the settings file holds {list(c.ini().sections)}")


@case(**INSTALLER)
def installer_options_leave_out_start_at_sign_in_and_the_desktop_shortcut(c):
    inst = Installation(c)
    inst.run("/NOAUTOSTART", "/NODESKTOP")
    check_in_place(inst)
    check_shortcut(inst, "Start menu")
    check(not inst.shortcuts["desktop"].exists(), "a desktop shortcut although /NODESKTOP")
    check(inst.run_value() is None, f"a Run value although /NOAUTOSTART: {inst.run_value()}")
    check_registration(inst)
    # Installing again keeps to what is chosen this time, in both directions.
    inst.run()
    check(inst.run_value() is not None, "no Run value from the install with the defaults")
    check_shortcut(inst, "desktop")
    inst.run("/NOAUTOSTART")
    check(inst.run_value() is None, "the Run value stayed after an install with /NOAUTOSTART")
    check_shortcut(inst, "desktop")


@case(**INSTALLER)
def installer_speaks_the_language_of_windows(c):
    inst = Installation(c)
    # Spanish of Spain has another language number than NSIS's Spanish: matched by language.
    for locale, caption in [("ca_ES.UTF-8", "Instal·lació de l'aplicació Pelvoro"),
                            ("es_ES.UTF-8", "Instalación de Pelvoro"),
                            ("de_DE.UTF-8", "Pelvoro Setup")]:
        c.env["LC_ALL"] = locale
        setup = c.start(inst.setup)
        window = wait_for(lambda: next((w for w in c.inspector.windows(cls="#32770")
                                        if w["visible"] and w["caption"]), None),
                          WAIT, f"the installer's window under {locale}")
        check(window["caption"] == caption, f"under {locale} the installer is '{window['caption']}'")
        setup.popen.kill()
        setup.popen.wait()
        wait_for(lambda: not any(w["visible"] for w in c.inspector.windows(cls="#32770")),
                 WAIT, "the installer's window gone")


def windows_process(c, name):
    """The pid of the process running the Windows program name in this case's prefix."""
    def probe():
        for entry in Path("/proc").iterdir():
            if not entry.name.isdigit():
                continue
            try:
                command = (entry / "cmdline").read_bytes().split(b"\0")[0].decode(errors="replace")
                environment = (entry / "environ").read_bytes().split(b"\0")
            except OSError:
                continue
            if (PureWindowsPath(command).name.lower() == name.lower()
                    and f"WINEPREFIX={c.prefix}".encode() in environment):
                return int(entry.name)
        return None
    return wait_for(probe, WAIT, f"the process of {name}")


class Wizard:
    """The installer run as a user runs it: its pages, its buttons and its boxes."""

    def __init__(self, inst):
        self.c = inst.c
        self.process = self.c.start(inst.setup)

    def dialogs(self):
        """The installer's visible dialogs, their buttons without the accelerator's "&"."""
        boxes = [b for b in self.c.inspector.boxes() if b["visible"]]
        for b in boxes:
            b["buttons"] = [name.replace("&", "") for name in b["buttons"]]
        return boxes

    def page(self):
        return wait_for(lambda: next((b for b in self.dialogs() if "Next >" in b["buttons"]
                                      or "Install" in b["buttons"]), None),
                        WAIT, "the installer's page")

    def install(self):
        """Goes through the pages to the one that installs, and presses Install."""
        while True:
            page = self.page()
            if "Install" in page["buttons"]:
                self.c.inspector.ask("press", page["hwnd"], "Install")
                return
            self.c.inspector.ask("press", page["hwnd"], "Next >")
            wait_for(lambda: self.page()["texts"] != page["texts"]
                     or self.page()["buttons"] != page["buttons"], WAIT, "the next page")

    def box(self, buttons):
        return wait_for(lambda: next((b for b in self.dialogs() if b["buttons"] == buttons), None),
                        WAIT + 30, f"a box with {buttons}")


def hung_pelvoro(inst):
    """An installed Pelvoro that runs but answers nothing, as a hung program: stopped."""
    pelvoro = inst.start_installed("NOABOUT")
    window = inst.main_window()
    pid = windows_process(inst.c, "Pelvoro.exe")
    os.kill(pid, signal.SIGSTOP)
    return pelvoro, window, pid


def earlier_install_with_pelvoro_hung(inst):
    """An earlier install, its guide told apart from the new one, and its Pelvoro hung."""
    inst.run("/NOAUTOSTART")
    guide = inst.folder / "guia-en.html"
    guide.write_bytes(b"an earlier guide")
    pelvoro, _, pid = hung_pelvoro(inst)
    return guide, pelvoro, pid


@case(timeout=240, labels=("installer",), arches=("win32",))
def installer_retry_waits_for_a_pelvoro_that_would_not_close_and_then_installs(c):
    inst = Installation(c)
    guide, pelvoro, pid = earlier_install_with_pelvoro_hung(inst)
    try:
        wizard = Wizard(inst)
        wizard.install()
        box = wizard.box(["Retry", "Cancel"])
        check(any("could not be closed" in t for t in box["texts"]), f"the box says {box['texts']}")
        os.kill(pid, signal.SIGCONT)
        check(pelvoro.running(), "Pelvoro ended before Retry")
        c.inspector.ask("press", box["hwnd"], "Retry")
    finally:
        os.kill(pid, signal.SIGCONT)
    # Asked again, it closes as its close box does: it writes its options and ends with 0.
    check(pelvoro.wait_exit(WAIT + 30) == 0, "the Pelvoro continued did not end with 0")
    check(list(c.ini().sections) == CLOSED_SECTIONS,
          f"sections after the install: {list(c.ini().sections)}")
    wait_for(lambda: guide.read_bytes() == c.program("guia-en.html").read_bytes(), WAIT,
             "the new files in place")
    # The wizard goes on to its last page by itself once the files are in.
    last = wait_for(lambda: next((b for b in wizard.dialogs() if "Finish" in b["buttons"]), None),
                    WAIT, "the install to finish")
    check(not [b for b in wizard.dialogs() if b["hwnd"] != last["hwnd"]],
          f"another box is up: {wizard.dialogs()}")
    check_in_place(inst)


@case(timeout=240, labels=("installer",), arches=("win32",))
def installer_cancel_for_a_pelvoro_that_would_not_close_leaves_the_installed_files(c):
    inst = Installation(c)
    _, pelvoro, pid = earlier_install_with_pelvoro_hung(inst)
    before = installed_files(inst)  # the hung program changes nothing there
    try:
        wizard = Wizard(inst)
        wizard.install()
        box = wizard.box(["Retry", "Cancel"])
        c.inspector.ask("press", box["hwnd"], "Cancel")
        wait_for(lambda: not any(b["hwnd"] == box["hwnd"] for b in wizard.dialogs()), WAIT,
                 "the box closed")
        wait_for(lambda: "Cancel" in wizard.page()["buttons"], WAIT, "the installer's page again")
    finally:
        os.kill(pid, signal.SIGCONT)
    after = installed_files(inst)
    check(after == before, f"the installed files changed: {sorted(set(after) ^ set(before))}"
          f" or {[n for n in before if after.get(n) != before[n]]}")
    check(pelvoro.running(), "the Pelvoro that would not close was ended")


WIZARD_LOCALES = {"ca": "ca_ES.UTF-8", "es": "es_ES.UTF-8", "en": "en_US.UTF-8"}
NEXT_ID = 1  # the wizard's button that goes on: Next, Install, Finish in every language


def statics(c, hwnd):
    return [k["text"] for k in c.inspector.children(hwnd) if k["class"].lower() == "static"]


def wizard_window(c):
    return wait_for(lambda: next((w for w in c.inspector.windows(cls="#32770")
                                  if w["visible"] and w["caption"]), None),
                    WAIT, "the installer's window")


def control(c, hwnd, **wanted):
    """The child of the wizard with these fields (id=1, text="..."), once it is there."""
    return wait_for(lambda: next((k for k in c.inspector.children(hwnd)
                                  if all(k[f] == v for f, v in wanted.items())), None),
                    WAIT + 30, f"the control {wanted}")


def click(c, child):
    """A real click in the control, near its left end (where a check box has its box)."""
    left, top, right, bottom = child["rect"]
    c.xdotool("mousemove", left + min(8, (right - left) // 2), (top + bottom) // 2, "click", 1)


def welcome_body(c, hwnd):
    """The welcome page's text: its one static text of more than one paragraph."""
    return wait_for(lambda: next((t for t in statics(c, hwnd) if "\r\n\r\n" in t), None),
                    WAIT, "the welcome page's text")


def first_sentence(guide):
    """What the guide's first paragraph says first: what Pelvoro does."""
    text = re.search(r"<p>(.*?)</p>", guide.read_text(encoding="utf-8"), re.S).group(1)
    return text.split(". ")[0] + "."


@case(**INSTALLER)
def installer_welcome_page_says_what_pelvoro_does_in_its_language(c):
    inst = Installation(c)
    for language, locale in WIZARD_LOCALES.items():
        c.env["LC_ALL"] = locale
        setup = c.start(inst.setup)
        window = wizard_window(c)
        paragraphs = welcome_body(c, window["hwnd"]).split("\r\n\r\n")
        sentence = first_sentence(c.program(f"guia-{language}.html"))
        check(paragraphs[0] == sentence,
              f"under {locale} the welcome page begins {paragraphs[0]!r}")
        setup.popen.kill()
        setup.popen.wait()
        wait_for(lambda: not any(w["visible"] for w in c.inspector.windows(cls="#32770")),
                 WAIT, "the installer's window gone")


def fake_browser(c):
    """The desktop's browser as Wine's winebrowser finds it: a script writing what it is given."""
    log = c.work / "browser.log"
    script = c.work / "browser.sh"
    script.write_text(f'#!/bin/sh\nprintf "%s\\n" "$@" >> "{log}"\n')
    script.chmod(0o755)
    added = c.start("reg", "add", r"HKCU\Software\Wine\WineBrowser", "/v", "Browsers", "/d",
                    str(script), "/f").wait_exit(WAIT)
    check(added == 0, "the browser could not be set")
    return log


@case(timeout=180, labels=("installer",), arches=("win32",))
def installer_finish_page_opens_the_guide_in_the_wizards_language(c):
    inst = Installation(c)
    log = fake_browser(c)
    c.env["LC_ALL"] = WIZARD_LOCALES["ca"]
    c.start(inst.setup)
    hwnd = wizard_window(c)["hwnd"]
    # Welcome, options, folder: the third press installs.
    for _ in range(3):
        page = statics(c, hwnd)
        c.inspector.ask("press", hwnd, control(c, hwnd, id=NEXT_ID)["text"])
        wait_for(lambda: statics(c, hwnd) != page, WAIT, "the next page")
    # As a user does it, in this order: tick "open the guide", then Finish.
    click(c, control(c, hwnd, text="Obrir la guia d'ús"))
    click(c, control(c, hwnd, id=NEXT_ID))
    opened = wait_for(lambda: log.exists() and log.read_text().splitlines(), WAIT,
                      "the browser started")
    guide = inst.folder / "guia-ca.html"
    shown = [Path(unquote(urlparse(line).path)).resolve() for line in opened]
    check(shown == [guide.resolve()], f"the browser was given {opened}, not {guide}")
