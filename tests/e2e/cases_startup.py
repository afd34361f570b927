"""The start-up notice: the credits window for three seconds before the main window."""

import time

from cases_program import Pelvoro
from harness import check, wait_for
from registry import case

WAIT = 20
BUTTON_ROW = 28
WINE_HIDE_WAIT = 2


def visible(c, cls):
    return next((w for w in c.inspector.windows(cls=cls) if w["visible"]), None)


@case()
def startup_notice_shows_the_credits_shorter_for_three_seconds(c):
    program = Pelvoro(c)
    about = wait_for(lambda: visible(c, "TAboutBox"), WAIT, "the credits window")
    shown_at = time.monotonic()
    notice_height = about["rect"][3] - about["rect"][1]
    # While it shows, the main window does not.
    while visible(c, "TAboutBox"):
        check(not visible(c, "TFormPrincipal"), "the main window shows during the notice")
        check(time.monotonic() - shown_at < 10, "the notice stays")
        time.sleep(0.05)
    seconds = time.monotonic() - shown_at
    # Wine, with no window manager here, waits 2 s for one to withdraw a framed window it hides.
    check(2.5 <= seconds <= 3.5 + WINE_HIDE_WAIT, f"the notice showed for {seconds:.1f} s")
    main = program.window()
    check(not visible(c, "TAboutBox"), "the credits window came back")
    # Back to its own height for the next time it is opened from the menu; the notice was the
    # button row shorter.
    full_height = c.inspector.windows(cls="TAboutBox")[0]["rect"]
    full_height = full_height[3] - full_height[1]
    check(notice_height == full_height - BUTTON_ROW, f"the notice is {notice_height} pixels high, "
          f"the box {full_height}")
    check(program.close(main["hwnd"]) == 0, "exit code is not 0")


@case()
def startup_without_notice_for_the_two_words_no_about(c):
    program = Pelvoro(c, "NO", "ABOUT")
    def main_or_notice():
        return visible(c, "TAboutBox") or visible(c, "TFormPrincipal")
    first = wait_for(main_or_notice, WAIT, "a window")
    check(first["class"] == "TFormPrincipal", "the notice showed for NO ABOUT")
    check(program.close(first["hwnd"]) == 0, "exit code is not 0")
