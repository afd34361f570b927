#!/usr/bin/env python3
"""Lists the functions longer than a limit in the C++ sources of some folders, the longest first.

  scripts/long-functions.py [--max N] [--check] [folder ...]

A function's length is the count of lines from its signature's first line to its closing
brace. Without folders it looks at ui/, hook/ and the end-to-end tests' helper programs. With
--check it exits 1 when a function over the limit is found that is not the constructor of a
form (a class deriving from ui::Form), which lists the form's controls and wires its handlers
and reads best whole.

It reads the sources as text, not as C++: comments, strings and preprocessor lines are blanked
first, then a body is an opening brace at file, namespace or class level whose statement ends
with a parameter list (and perhaps qualifiers or a constructor's initialisers).
"""

import argparse
import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
DEFAULT_FOLDERS = ["ui", "hook", "tests/e2e/tools"]
DEFAULT_MAX = 60
SOURCES = (".cpp", ".h")
# Statements whose braces open a scope that holds definitions rather than a body.
SCOPE = re.compile(r"\b(namespace|class|struct|union|enum)\b[^()]*$|\bextern\s+\"C\"\s*$")
FORM_CLASS = re.compile(r"\b(?:class|struct)\s+(\w+)\s*(?:final\s*)?:\s*public\s+(?:ui::)?Form\b")
NAME = re.compile(r"((?:[\w:]*::)?operator\s*(?:\(\)|[^\s(]+)|[~\w:]+)\s*\($")


def blank(text):
    """The text with comments, string and character literals and preprocessor lines turned to
    spaces, keeping every newline so that line numbers stay right."""
    out = []
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c == "#":
            j = i
            while j < n and (text[j] != "\n" or text[j - 1] == "\\"):
                j += 1
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
            continue
        if c == "/" and text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
            continue
        if c == "/" and text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
            continue
        if c == "R" and text.startswith('R"', i) and (i == 0 or not text[i - 1].isalnum()):
            open_end = text.find("(", i)
            delim = text[i + 2 : open_end]
            j = text.find(")" + delim + '"', open_end)
            j = n if j < 0 else j + len(delim) + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
            continue
        if c in "\"'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            out.append(c + " " * (j - i - 1) + (c if j < n else ""))
            i = j + 1
            continue
        out.append(c)
        line_start = c == "\n" or (line_start and c in " \t")
        i += 1
    return "".join(out)


def function_name(statement):
    """The name of the function whose body a brace after this statement opens, or None when
    the brace opens something else (a scope, an initialiser, a lambda at file level)."""
    s = " ".join(statement.split())
    head = re.sub(r"\boperator\s*\S+?\s*\(", "(", s).split("(")[0]
    if not s or SCOPE.search(s) or s.endswith("=") or "=" in head:
        return None
    # Drop a constructor's initialisers: the parameter list is the one before the first ':'
    # that follows a closing parenthesis at depth 0.
    depth, end = 0, None
    for k, ch in enumerate(s):
        if ch in "([":
            depth += 1
        elif ch in ")]":
            depth -= 1
            if depth == 0:
                end = k
                rest = s[k + 1 :].lstrip()
                if rest.startswith(":") and not rest.startswith("::"):
                    break
    if end is None:
        return None
    depth = 0
    for k in range(end, -1, -1):
        if s[k] == ")":
            depth += 1
        elif s[k] == "(":
            depth -= 1
            if depth == 0:
                m = NAME.search(s[: k + 1])
                return m.group(1) if m else None
    return None


def functions(path):
    """(name, first line, last line) of every function body defined in the file."""
    text = blank(path.read_text(encoding="utf-8", errors="replace"))
    found = []
    # One entry for each open brace: ("scope",), ("inner",) or ("body", name, first line).
    stack = []
    statement_start = 0  # where the statement before the next brace began, at scope level
    line = 1
    for k, ch in enumerate(text):
        if ch == "\n":
            line += 1
        in_scope = not stack or stack[-1][0] == "scope"
        if ch == "{" and not in_scope:
            stack.append(("inner",))
        elif ch == "}":
            if stack:
                closed = stack.pop()
                if closed[0] == "body":
                    found.append((closed[1], closed[2], line))
            statement_start = k + 1
        elif in_scope and ch == ";":
            statement_start = k + 1
        elif in_scope and ch == "{":
            stmt = text[statement_start:k]
            # An access label ends a statement in a class.
            cut = list(re.finditer(r"\b(?:public|private|protected)\s*:(?!:)", stmt))
            offset = statement_start + (cut[-1].end() if cut else 0)
            stmt = text[offset:k]
            name = function_name(stmt)
            if name:
                first = text.count("\n", 0, offset + len(stmt) - len(stmt.lstrip())) + 1
                stack.append(("body", name, first))
            elif not stmt.strip() or SCOPE.search(" ".join(stmt.split())):
                stack.append(("scope",))
                statement_start = k + 1
            else:
                stack.append(("inner",))  # an initialiser at file or class level
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--max", type=int, default=DEFAULT_MAX)
    parser.add_argument("--check", action="store_true")
    parser.add_argument("folders", nargs="*", default=DEFAULT_FOLDERS)
    args = parser.parse_args()
    rows = []
    for folder in args.folders:
        base = Path(folder) if Path(folder).is_absolute() else ROOT / folder
        paths = [base] if base.is_file() else sorted(p for p in base.rglob("*") if p.suffix in SOURCES)
        for path in paths:
            for name, first, last in functions(path):
                rows.append((last - first + 1, path.relative_to(ROOT), first, name))
    rows.sort(key=lambda r: (-r[0], str(r[1]), r[2]))
    over = [r for r in rows if r[0] > args.max]
    for length, path, first, name in over:
        print(f"{length:4d}  {path}:{first}  {name}")
    if rows:
        length, path, first, name = rows[0]
        print(f"longest: {length} lines, {name} ({path}:{first}); {len(over)} over {args.max}")
    if args.check:
        forms = form_classes()
        failing = [r for r in over if not is_constructor_of(r[3], forms)]
        for length, path, first, name in failing:
            print(f"too long: {name} ({path}:{first}), {length} lines", file=sys.stderr)
        return 1 if failing else 0
    return 0


def form_classes():
    """The names of the classes that derive from ui::Form, anywhere in the sources."""
    names = set()
    for path in ROOT.rglob("*.h"):
        if "build" not in path.relative_to(ROOT).parts:
            names.update(FORM_CLASS.findall(path.read_text(encoding="utf-8", errors="replace")))
    return names


def is_constructor_of(name, classes):
    """Whether the function named so (X::X) is the constructor of one of the classes."""
    parts = name.split("::")
    return len(parts) >= 2 and parts[-1] == parts[-2] and parts[-1] in classes


if __name__ == "__main__":
    sys.exit(main())
