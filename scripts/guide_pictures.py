#!/usr/bin/env python3
"""Takes the pictures of the user guides from the real i686 build under 32-bit Wine, each on an
Xvfb display of its own, with the end-to-end harness (tests/e2e): the program in Catalan, Spanish
and English as its settings file chooses, and the installer in each of its three languages, each
in a fresh Wine prefix. Every picture is cropped to the window it shows and written optimised to
docs/imatges/. Run it through scripts/guide-pictures.sh.
"""

import argparse
import shutil
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))

import harness  # noqa: E402
from cases_dialog import open_parameters  # noqa: E402
from cases_installer import (NEXT_ID, WIZARD_LOCALES, Installation, control,  # noqa: E402
                             statics, welcome_body, wizard_window)
from cases_program import Pelvoro, is_blue, settings  # noqa: E402
from cases_scroll import compass  # noqa: E402
from cases_tipus_clic import choose, panel_window, rest  # noqa: E402
from harness import check, wait_for, windows_path  # noqa: E402

WAIT = 30
PROGRAM_LANGUAGES = {"ca": "catala", "es": "castella", "en": "angles"}
GUIDE_CHECKBOX = {"ca": "Obrir la guia d'ús", "es": "Abrir la guía de uso",
                  "en": "Open the user guide"}
DWELL_TENTHS = 100  # a slow count, so it is caught half way
POINTER = (420, 470)  # where the pointer rests while the mode counts down
# The standard arrow pointer, which a screen grab leaves out, drawn where the pointer is.
ARROW = [(0, 0), (0, 17), (4, 13), (7, 20), (10, 19), (7, 12), (12, 12)]
MARGIN = 12  # around the pointer's frame and the scroll compass
COMPASS_TENTHS = 10  # a quick rest where nothing is pictured counting
COMPASS_AT = (640, 400)  # where the compass is set, over the pale window
UP_ZONE = (0, -60)  # from the compass's centre: beyond the dead centre, within the ring
WINE_FONTS = Path("/usr/share/wine/fonts")  # Debian's fonts-wine
DESKTOP = "#3a6ea5"  # a classic Windows desktop blue


def union(*rects):
    return (min(r[0] for r in rects), min(r[1] for r in rects),
            max(r[2] for r in rects), max(r[3] for r in rects))


def save(shot, rect, name, out, arrow_at=None):
    """Crops the screenshot to rect (left, top, right, bottom), optimises it into out/name."""
    left, top, right, bottom = (max(rect[0], 0), max(rect[1], 0),
                                min(rect[2], shot.width), min(rect[3], shot.height))
    command = ["convert", str(shot.png), "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
               "+repage"]
    if arrow_at:
        x, y = arrow_at[0] - left, arrow_at[1] - top
        points = " ".join(f"{x + dx},{y + dy}" for dx, dy in ARROW)
        command += ["-fill", "black", "-stroke", "white", "-strokewidth", "1",
                    "-draw", f"polygon {points}"]
    # Screens of the classic controls need few colours: a palette keeps them small and exact.
    target = out / name
    command += ["-strip", "+dither", "-colors", "256", f"PNG8:{target}"]
    subprocess.run(command, check=True, timeout=60)
    subprocess.run(["optipng", "-quiet", "-o5", str(target)], check=True, timeout=120)
    print(f"{name}: {right - left}x{bottom - top}, {target.stat().st_size} bytes")


def pixels(shot, rect):
    left, top, right, bottom = rect
    return b"".join(shot.data[3 * (y * shot.width + left):3 * (y * shot.width + right)]
                    for y in range(max(top, 0), min(bottom, shot.height)))


def steady(c, rect, label):
    """A screenshot once the area has stopped changing: the window is painted through."""
    shots = [c.screenshot(label)]

    def same_twice():
        shots.append(c.screenshot(label))
        return pixels(shots[-1], rect) == pixels(shots[-2], rect) and shots[-1]
    return wait_for(same_twice, WAIT, f"{label} painted", interval=0.3)


def visible(c, cls):
    return wait_for(lambda: next((w for w in c.inspector.windows(cls=cls) if w["visible"]), None),
                    WAIT, f"a window of class {cls}")


def gone(c, cls):
    wait_for(lambda: not any(w["visible"] for w in c.inspector.windows(cls=cls)), WAIT,
             f"the windows of class {cls} gone")


def idle_count_shown(c, main):
    """A screenshot once the blue count of the idle window is drawn."""
    left, top, right, bottom = main["rect"]
    area = (left + 6, top + 70, right - 6, bottom - 6)
    return wait_for(lambda: (lambda s: s if s.count(area, is_blue) > 30 else None)(c.screenshot()),
                    WAIT, "the blue count", interval=0.5)


def docked(c, pelvoro):
    """The main window once the profile has put it above the panel at the left edge: the panel
    makes room for it there, so its buttons are where they stay."""
    return wait_for(lambda: (w := pelvoro.window())["rect"][0] == 0 and w, WAIT,
                    "the main window docked")


def prepare(c):
    """Wine's own fonts in the prefix's font folder, where this Wine looks for them (Marlett draws
    the caption buttons); Wine draws the windows' frames and captions itself, as Windows does,
    there being no window manager; and a plain desktop behind them."""
    fonts = c.prefix / "drive_c" / "windows" / "Fonts"
    fonts.mkdir(parents=True, exist_ok=True)
    for font in WINE_FONTS.glob("*.ttf"):
        shutil.copy(font, fonts / font.name)
    code = c.start("reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/d", "N",
                   "/f").wait_exit(WAIT)
    check(code == 0, "Wine's window setting could not be made")
    # ImageMagick paints the root window and ends with 1 all the same.
    subprocess.run(["display", "-size", "16x16", "-window", "root", f"xc:{DESKTOP}"], env=c.env,
                   timeout=60)


def program(c, code, out):
    """The main window idle, its menu, its window menu and the parameters dialog; then a run of
    the dwell click counting down in the column with the click-type panel, the frame and the ring;
    and, once, the scroll compass."""
    language = f"[Llenguatge]\nLlenguatge={PROGRAM_LANGUAGES[code]}\n"
    c.write_ini(language)
    pelvoro = Pelvoro(c, "NOABOUT")
    main = pelvoro.window()
    idle_count_shown(c, main)
    save(steady(c, main["rect"], "principal"), main["rect"], f"principal-{code}.png", out)

    # With no window manager the keyboard goes to the window under the pointer.
    left, top, right, bottom = main["rect"]
    c.xdotool("mousemove", (left + right) // 2, bottom - 30)
    for keys, name in (("alt+p", "menu"), ("alt+space", "menu-sistema")):
        c.xdotool("key", keys)
        area = union(main["rect"], visible(c, "#32768")["rect"])
        save(steady(c, area, name), area, f"{name}-{code}.png", out)
        c.xdotool("key", "Escape", "Escape")
        gone(c, "#32768")

    dialog = open_parameters(c, main)
    save(steady(c, dialog["rect"], "parametres"), dialog["rect"], f"parametres-{code}.png", out)
    c.xdotool("key", "Escape")
    gone(c, "TFormParametres")
    check(pelvoro.close(main["hwnd"]) == 0, "Pelvoro did not end with 0")

    # Mode 1 back at start, counting slowly down where the pointer rests, over a pale window
    # that shows what the see-through overlay lets through.
    c.write_ini(language + settings(
        f"BoolCheckBoxArrancarAmbOpcioMenu=true\nDecimesTimerClickAutomatic={DWELL_TENTHS}\n"
        "BoolMostrarQuadreDeSeguiment=true\nBoolCheckBoxTemporitzador=true")
        + "[Menu]\nOpcio=1\n[TipusClic]\nMostrarPanell=true\n")
    background = c.log("fons.log")
    c.start(c.tool("DianaClics.exe"), windows_path(background.path), 0, 0, *c.screen)
    background.wait_line(lambda l: l.startswith("ready"), WAIT, "the pale window")
    c.xdotool("mousemove", *POINTER)
    pelvoro = Pelvoro(c, "NOABOUT")
    main = docked(c, pelvoro)
    panel = panel_window(c)

    def half_way():
        caption = c.inspector.windows(cls="TFormPrincipal")[0]["caption"]
        return caption.isdigit() and int(caption) <= DWELL_TENTHS * 6 // 10
    wait_for(half_way, WAIT, "the dwell count half way")
    # The count and the ring change all the time; the panel shows when all is painted.
    shot = steady(c, panel["rect"], "compte-enrere")
    save(shot, main["rect"], f"compte-enrere-{code}.png", out)
    save(shot, panel["rect"], f"panell-{code}.png", out)
    save(shot, union(main["rect"], panel["rect"]), f"columna-{code}.png", out)
    if code == "ca":  # the frame, the ring and the compass have no words: one picture for all
        overlay = visible(c, "TFormTransparent")
        l, t, r, b = overlay["rect"]
        save(shot, (l - MARGIN, t - MARGIN, r + MARGIN, b + MARGIN), "quadre-i-temporitzador.png",
             out, arrow_at=POINTER)
        check(pelvoro.close(main["hwnd"]) == 0, "Pelvoro did not end with 0")
        scroll_compass(c, language, out)


def scroll_compass(c, language, out):
    """With neither frame nor ring to crowd it, and a short dwell: "Desplaçar" chosen by a rest
    on the panel, a rest on the pale window sets the compass there, and the pointer is held above
    its centre, where the content scrolls up."""
    c.write_ini(language + settings(
        f"BoolCheckBoxArrancarAmbOpcioMenu=true\nDecimesTimerClickAutomatic={COMPASS_TENTHS}")
        + "[Menu]\nOpcio=1\n[TipusClic]\nMostrarPanell=true\n")
    docked(c, Pelvoro(c, "NOABOUT"))
    choose(c, panel_window(c), "Desplaçar")
    rest(c, *COMPASS_AT)
    held = (COMPASS_AT[0] + UP_ZONE[0], COMPASS_AT[1] + UP_ZONE[1])
    c.xdotool("mousemove", *held)  # straight out of the centre, where a rest would end it
    window = compass(c)
    l, t, r, b = window["rect"]
    area = (l - MARGIN, t - MARGIN, r + MARGIN, b + MARGIN)
    # Still shown with the pointer held there: only the centre's rest ends scrolling.
    shot = steady(c, area, "rosa")
    check(compass(c)["rect"] == window["rect"], "the compass moved or went while pictured")
    save(shot, area, "rosa-desplacament.png", out, arrow_at=held)


def installer(c, code, out):
    """The wizard's welcome, options and last pages, in the language Windows speaks."""
    inst = Installation(c)
    c.env["LC_ALL"] = WIZARD_LOCALES[code]
    c.start(inst.setup)
    window = wizard_window(c)
    hwnd = window["hwnd"]
    welcome_body(c, hwnd)
    save(steady(c, window["rect"], "benvinguda"), window["rect"], f"instal-benvinguda-{code}.png",
         out)
    for page in ("instal-opcions", None, None):  # options, folder, and Install
        before = statics(c, hwnd)
        c.inspector.ask("press", hwnd, control(c, hwnd, id=NEXT_ID)["text"])
        wait_for(lambda: statics(c, hwnd) != before, WAIT, "the next page")
        if page:
            save(steady(c, window["rect"], page), window["rect"], f"{page}-{code}.png", out)
    control(c, hwnd, text=GUIDE_CHECKBOX[code])
    save(steady(c, window["rect"], "final"), window["rect"], f"instal-final-{code}.png", out)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", default=str(ROOT / "build" / "win32"),
                        help="the i686 build: Pelvoro.exe, the installer and tools/")
    parser.add_argument("--out", default=str(ROOT / "docs" / "imatges"))
    parser.add_argument("--only", nargs="*", metavar="JOB",
                        help="only these runs, e.g. program-en installer-ca (all by default)")
    args = parser.parse_args()
    missing = harness.missing_programs("win32")
    missing += [p for p in ("optipng",) if not shutil.which(p)]
    if not (WINE_FONTS / "marlett.ttf").exists():
        missing.append("fonts-wine")
    if missing:
        sys.exit(f"missing: {', '.join(missing)} (scripts/install-deps.sh installs them)")
    out = Path(args.out)
    out.mkdir(parents=True, exist_ok=True)
    template = ROOT / "build" / "e2e" / "template-win32"
    harness.prepare_template(template, "win32")
    work = ROOT / "build" / "e2e" / "pictures"
    jobs = ([(program, code) for code in PROGRAM_LANGUAGES] +
            [(installer, code) for code in WIZARD_LOCALES])
    if args.only:
        unknown = set(args.only) - {f"{job.__name__}-{code}" for job, code in jobs}
        if unknown:
            sys.exit(f"no such run: {', '.join(sorted(unknown))}")
        jobs = [(job, code) for job, code in jobs if f"{job.__name__}-{code}" in args.only]
    for job, code in jobs:
        with harness.Case(f"{job.__name__}-{code}", args.bin, template, work, "win32") as c:
            prepare(c)
            job(c, code, out)
    total = sum(p.stat().st_size for p in out.glob("*.png"))
    print(f"{len(list(out.glob('*.png')))} pictures, {total} bytes together")


if __name__ == "__main__":
    main()
