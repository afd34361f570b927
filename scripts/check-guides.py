#!/usr/bin/env python3
"""Checks the user guides' pictures: every <img> of docs/guia-*.html names a PNG of docs/ that
is there, says in words what it shows (alt) and gives its true size (width, height: a retaken
picture with the old size would be drawn squeezed), each guide shows at least MINIMUM of them,
no picture of docs/imatges/ is left unshown, and together they stay under LIMIT bytes."""

import sys
from html.parser import HTMLParser
from pathlib import Path

DOCS = Path(__file__).resolve().parents[1] / "docs"
MINIMUM = 4
LIMIT = 1024 * 1024


class Pictures(HTMLParser):
    def __init__(self):
        super().__init__()
        self.found = []

    def handle_starttag(self, tag, attrs):
        if tag == "img":
            self.found.append(dict(attrs))


def png_size(path):
    """Width and height from the PNG's header chunk, which comes first."""
    header = path.read_bytes()[16:24]
    return int.from_bytes(header[:4], "big"), int.from_bytes(header[4:], "big")


def main():
    faults = []
    shown = set()
    guides = sorted(DOCS.glob("guia-*.html"))
    if not guides:
        faults.append(f"no guide in {DOCS}")
    for guide in guides:
        parser = Pictures()
        parser.feed(guide.read_text(encoding="utf-8"))
        if len(parser.found) < MINIMUM:
            faults.append(f"{guide.name} shows {len(parser.found)} pictures, fewer than {MINIMUM}")
        for picture in parser.found:
            src = picture.get("src") or ""
            path = (DOCS / src).resolve()
            if not src.endswith(".png") or not path.is_file():
                faults.append(f"{guide.name}: {src!r} is not a picture in docs/")
            elif path.read_bytes()[:8] != b"\x89PNG\r\n\x1a\n":
                faults.append(f"{guide.name}: {src} is not a PNG file")
            else:
                size = png_size(path)
                given = (picture.get("width"), picture.get("height"))
                if given != tuple(str(n) for n in size):
                    faults.append(f"{guide.name}: {src} is {size[0]}x{size[1]}, "
                                  f"the guide says width {given[0]} height {given[1]}")
            if not (picture.get("alt") or "").strip():
                faults.append(f"{guide.name}: {src} has no alt text")
            shown.add(path)
    pictures = sorted((DOCS / "imatges").glob("*.png"))
    for unshown in sorted(set(pictures) - shown):
        faults.append(f"{unshown.name} is in no guide")
    total = sum(p.stat().st_size for p in pictures)
    if total >= LIMIT:
        faults.append(f"the pictures take {total} bytes, {LIMIT} at most")
    for fault in faults:
        print(fault)
    print(f"{len(guides)} guides, {len(pictures)} pictures, {total} bytes")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
