#!/usr/bin/env python3
"""Writes docs/structure.md, the picture of the code's folders and which includes which, from
the #include lines of the product's sources; with --check, fails when the page is not what
the sources give (a test runs it so, so the page stays true).

  scripts/structure.py           rewrites docs/structure.md
  scripts/structure.py --check   exits 1, showing the difference, when it is out of date
"""

import difflib
import re
import sys
from collections import defaultdict
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
PAGE = ROOT / "docs" / "structure.md"

# The product's folders from the top down, and what each holds. A folder's place in this list
# is its level: an include of a folder listed before the includer's runs back up.
FOLDERS = [
    ("app", "the program `TPrograma`, owner of the windows, the settings record and the engine "
     "state; the entry; the main window `TFormPrincipal` and the engine's view of the windows"),
    ("overlay", "the see-through window of the tracking frame and the countdown ring"),
    ("about", "the credits window and its pictures"),
    ("engine", "the click engine `TMotor` and the interface it reaches the windows through; "
     "engine state"),
    ("tipusclic", "the click-type panel and its choice state"),
    ("settings", "the settings record, its keys in the settings file, the parameters dialog"),
    ("language", "the Catalan and Spanish text tables"),
    ("ui/win32", "the user-interface layer's Win32 backend (the product)"),
    ("ui/headless", "the user-interface layer's headless backend (the tests)"),
    ("ui", "the thin user-interface layer, common part, and what its backends implement"),
    ("hook", "the mouse-hook library, its pure decisions and what the program shares with it"),
]
SOURCES = (".cpp", ".h", ".h.in")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def folder_of(path):
    """The listed folder a source path (relative to the root) belongs to, the deepest one."""
    parts = Path(path).parts
    for depth in (2, 1):
        name = "/".join(parts[:depth])
        if len(parts) > depth and name in dict(FOLDERS):
            return name
    return None


def edges():
    """{(from folder, to folder): number of include lines}, between different folders."""
    counted = defaultdict(int)
    files = defaultdict(int)
    for name, _ in FOLDERS:
        for path in sorted((ROOT / name).glob("*")):
            if not path.is_file() or not path.name.endswith(SOURCES):
                continue
            source = folder_of(path.relative_to(ROOT))
            files[source] += 1
            for target in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
                to = folder_of(target)
                if to and to != source:
                    counted[(source, to)] += 1
    return counted, files


def page():
    counted, files = edges()
    level = {name: i for i, (name, _) in enumerate(FOLDERS)}
    lines = [
        "# The code's structure",
        "",
        "Written by `scripts/structure.py` from the `#include` lines of the sources; the test",
        "`structure_page_current` fails when it is out of date. Run the script to rewrite it.",
        "",
        "Folders from the top down. A folder should include only folders below it; an include of",
        "a folder above it runs back up and is listed at the end.",
        "",
        "| folder | files | what is there | includes (lines) |",
        "|---|---|---|---|",
    ]
    for name, what in FOLDERS:
        uses = sorted((to for (source, to) in counted if source == name), key=level.get)
        used = ", ".join(f"`{to}/` ({counted[(name, to)]})" for to in uses) or "nothing"
        lines.append(f"| `{name}/` | {files[name]} | {what} | {used} |")
    upward = sorted(((s, t) for (s, t) in counted if level[t] < level[s]),
                    key=lambda e: (level[e[0]], level[e[1]]))
    total = sum(counted.values())
    back = sum(counted[e] for e in upward)
    lines += ["", f"Include lines between folders: {total}; running back up: {back}.", ""]
    if upward:
        lines.append("Running back up:")
        lines.append("")
        lines += [f"- `{s}/` includes `{t}/` ({counted[(s, t)]})" for s, t in upward]
        lines.append("")
    return "\n".join(lines)


def main():
    text = page()
    if "--check" in sys.argv[1:]:
        current = PAGE.read_text(encoding="utf-8") if PAGE.exists() else ""
        if current != text:
            sys.stdout.writelines(difflib.unified_diff(
                current.splitlines(True), text.splitlines(True), str(PAGE), "from the sources"))
            print("docs/structure.md is out of date: run scripts/structure.py")
            return 1
        print("docs/structure.md is current")
        return 0
    PAGE.write_text(text, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
