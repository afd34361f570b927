"""The hook library with real X input: ProvaHook.exe stands in for the program, DianaClics.exe
lies under the pointer and shows which clicks got through.

Negative checks ("not reported", "did not arrive") wait for a later event that must come
after the one in question, so they do not rest on sleeping."""

from harness import check, windows_path
from registry import case

WAIT = 15


class Target:
    """DianaClics.exe covering the screen."""

    def __init__(self, c, moves=False):
        self.log = c.log("diana.log")
        extra = [0, 0, 1024, 768, "MOVES"] if moves else []
        self.process = c.start(c.tool("DianaClics.exe"), windows_path(self.log.path), *extra)
        self.log.wait_line(lambda l: l.startswith("ready"), WAIT, "target window")

    def buttons(self):
        return [l for l in self.log.lines() if l.startswith(("down", "up"))]

    def wait(self, line):
        self.log.wait_line(lambda l: l == line, WAIT, f"'{line}' at the target")

    def moves(self):
        return [l for l in self.log.lines() if l.startswith("move")]


class HookProgram:
    """ProvaHook.exe: the library's caller, with its reports in a log."""

    def __init__(self, c, cls=None, write_handle=True, name="hook.log"):
        self.log = c.log(name)
        args = [windows_path(self.log.path)]
        if cls or not write_handle:
            args += [cls or "TFormPrincipal", "self" if write_handle else "none"]
        self.process = c.start(c.tool("ProvaHook.exe"), *args, stdin=True)
        ready = self.log.wait_line(lambda l: l.startswith("ready"), WAIT, "hook program")
        self.hwnd = int(self.log.lines()[ready].split()[1])

    def do(self, command):
        start = len(self.log.lines())
        self.process.send(command)
        self.log.wait_line(lambda l: l == f"ok {command}", WAIT, f"'{command}' done", start)

    def reports(self):
        return [int(l.split()[1]) for l in self.log.lines() if l.startswith("report ")]

    def move_positions(self):
        """Where the cursor was when each move report was handled."""
        return [tuple(map(int, l.split()[2:4])) for l in self.log.lines() if l.startswith("report 3 ")]

    def wait_reports(self, count):
        """Waits until count reports have arrived and returns all of them."""
        self.log.wait_line(lambda l: l.startswith("report ") and len(self.reports()) >= count,
                           WAIT, f"{count} reports")
        return self.reports()

    def quit(self):
        self.process.send("quit")
        check(self.process.wait_exit(WAIT) == 0, "hook program did not end cleanly")


def hook_and_target(c, moves=False, **hook_args):
    target = Target(c, moves)
    c.xdotool("mousemove", 200, 200)
    return HookProgram(c, **hook_args), target


def click_passes(c, target, x, y, button=1):
    """A real click that must reach the target; everything sent before it has been handled."""
    c.xdotool("mousemove", x, y, "click", button)
    name = "L" if button == 1 else "R"
    target.wait(f"up {name} {x} {y}")


@case()
def hook_left_press_and_release_reported_and_swallowed(c):
    hook, target = hook_and_target(c)
    hook.do("set")
    c.xdotool("mousedown", 1)
    check(hook.wait_reports(1) == [0], f"press gave {hook.reports()}")
    c.xdotool("mouseup", 1)
    check(hook.wait_reports(2) == [0, 1], f"press and release gave {hook.reports()}")
    hook.do("unset")
    click_passes(c, target, 300, 300)
    check(target.buttons() == ["down L 300 300", "up L 300 300"],
          f"the target got {target.buttons()}")
    check(hook.reports() == [0, 1], f"reports after removal: {hook.reports()}")


@case()
def hook_right_press_asks_to_leave(c):
    hook, target = hook_and_target(c)
    hook.do("set")
    c.xdotool("click", 3)
    c.xdotool("mousemove", 210, 210)  # its report comes after anything the right click raised
    check(hook.wait_reports(2) == [2, 3], f"right click and move gave {hook.reports()}")
    hook.do("unset")
    click_passes(c, target, 300, 300, button=3)
    check(target.buttons() == ["down R 300 300", "up R 300 300"],
          f"the target got {target.buttons()}")


@case()
def hook_moves_reported_and_passed_on(c):
    hook, target = hook_and_target(c, moves=True)
    hook.do("set")
    points = [(220, 230), (260, 240), (300, 310), (350, 330), (400, 420)]
    # Wine merges X motion events that queue up behind each other into one move, as a busy
    # Windows coalesces mouse moves: each move is sent once the one before it is reported.
    for count, (x, y) in enumerate(points, 1):
        c.xdotool("mousemove", x, y)
        hook.wait_reports(count)
    c.xdotool("mousedown", 1, "mouseup", 1)
    check(hook.wait_reports(7) == [3] * 5 + [0, 1], f"five moves and a click gave {hook.reports()}")
    # A move is reported once the cursor is there, as the program reads it then.
    check(hook.move_positions() == points, f"the cursor at the move reports: {hook.move_positions()}")
    for x, y in points:
        target.log.wait_line(lambda l: l == f"move - {x} {y}", WAIT, f"move to {x},{y}")


@case()
def hook_injected_clicks_pass_unreported(c):
    hook, target = hook_and_target(c)
    hook.do("set")
    hook.do("click 500 500")
    target.wait("up L 500 500")
    hook.do("click 600 600 right")
    target.wait("up R 600 600")
    # SetCursorPos warps the X pointer and Wine may take the warp back as a real move, so
    # moves may be reported; presses and releases must not be.
    start = len(hook.log.lines())
    c.xdotool("mousemove", 100, 100)
    hook.log.wait_line(lambda l: l.startswith("report 3 "), WAIT, "report of a real move", start)
    check(set(hook.reports()) == {3}, f"injected clicks gave reports {hook.reports()}")
    check(target.buttons() == ["down L 500 500", "up L 500 500", "down R 600 600", "up R 600 600"],
          f"the target got {target.buttons()}")


@case()
def hook_move_hook_reports_moves_and_lets_clicks_through(c):
    hook, target = hook_and_target(c, moves=True)
    hook.do("setmove")
    c.xdotool("mousemove", 250, 250)
    hook.wait_reports(1)
    c.xdotool("mousemove", 260, 270)
    hook.wait_reports(2)
    click_passes(c, target, 280, 290)
    click_passes(c, target, 280, 290, button=3)
    c.xdotool("mousemove", 100, 100)
    hook.wait_reports(4)
    check(set(hook.reports()) == {3}, f"moves and clicks gave {hook.reports()}")
    check(target.buttons() == ["down L 280 290", "up L 280 290", "down R 280 290", "up R 280 290"],
          f"the target got {target.buttons()}")
    target.log.wait_line(lambda l: l == "move - 260 270", WAIT, "move at the target")


@case()
def hook_button_hook_installed_twice_is_one(c):
    hook, target = hook_and_target(c)
    hook.do("set")
    hook.do("set")
    c.xdotool("mousemove", 210, 210)
    c.xdotool("mousedown", 1, "mouseup", 1)
    check(hook.wait_reports(3) == [3, 0, 1], f"one move and a click gave {hook.reports()}")
    hook.do("unset")
    # A second hook left behind would swallow this click.
    click_passes(c, target, 300, 300)
    check(hook.reports() == [3, 0, 1], f"reports after one removal: {hook.reports()}")
    check(target.buttons() == ["down L 300 300", "up L 300 300"], f"the target got {target.buttons()}")


@case()
def hook_move_hook_installed_twice_is_one(c):
    hook, target = hook_and_target(c)
    hook.do("setmove")
    hook.do("setmove")
    c.xdotool("mousemove", 210, 210)
    click_passes(c, target, 220, 220)
    check(hook.wait_reports(2) == [3, 3], f"two moves gave {hook.reports()}")
    hook.do("unsetmove")
    click_passes(c, target, 300, 300)
    check(hook.reports() == [3, 3], f"reports after one removal: {hook.reports()}")


@case()
def hook_removing_twice_is_harmless(c):
    hook, target = hook_and_target(c)
    hook.do("unset")
    hook.do("unsetmove")
    hook.do("set")
    hook.do("unset")
    hook.do("unset")
    hook.do("setmove")
    hook.do("unsetmove")
    hook.do("unsetmove")
    click_passes(c, target, 300, 300)
    check(hook.reports() == [], f"no hook, yet reports {hook.reports()}")
    hook.do("set")
    c.xdotool("mousedown", 1, "mouseup", 1)
    check(hook.wait_reports(2) == [0, 1], f"installed again, a click gave {hook.reports()}")
    hook.do("unset")
    hook.quit()


@case()
def hook_both_hooks_report_each_move_once(c):
    hook, target = hook_and_target(c)
    hook.do("setmove")
    hook.do("set")
    for count, x in enumerate((220, 240, 260), 1):
        c.xdotool("mousemove", x, 200)
        hook.wait_reports(count)  # moves queued behind each other are merged into one
    c.xdotool("mousedown", 1, "mouseup", 1)
    check(hook.wait_reports(5) == [3, 3, 3, 0, 1], f"three moves and a click gave {hook.reports()}")
    hook.do("unset")
    click_passes(c, target, 300, 300)
    c.xdotool("mousemove", 100, 100)
    check(hook.wait_reports(7) == [3, 3, 3, 0, 1, 3, 3],
          f"with the move hook alone: {hook.reports()}")


def reports_reach_main_window_class(c, target, name):
    """ProvaHook posing as the main window without writing its handle gets the reports."""
    hook = HookProgram(c, cls="TFormPrincipal", write_handle=False, name=name)
    hook.do("set")
    c.xdotool("mousedown", 1, "mouseup", 1)
    check(hook.wait_reports(2) == [0, 1], f"{name}: a click gave {hook.reports()}")
    hook.do("unset")
    hook.quit()


@case(timeout=120)
def hook_window_found_by_class_when_settings_name_none(c):
    target = Target(c)
    c.xdotool("mousemove", 200, 200)
    reports_reach_main_window_class(c, target, "no-file.log")
    check(not c.ini_path.exists(), "the library wrote the settings file")

    c.write_ini("[LlibreriaPelvoro]\nHANDLE FINESTRA=abc\n")
    reports_reach_main_window_class(c, target, "unparsable.log")

    earlier = HookProgram(c, name="earlier.log")  # leaves its handle, then its window goes
    earlier.quit()
    check(c.ini().get("LlibreriaPelvoro", "HANDLE FINESTRA") == str(earlier.hwnd),
          "the earlier program's handle is not in the settings file")
    reports_reach_main_window_class(c, target, "stale.log")


def no_reports(c, hook, target):
    """Clicks and moves with the button hook installed reach neither the program nor the target."""
    hook.do("set")
    c.xdotool("mousemove", 250, 250, "click", 1)
    c.xdotool("mousemove", 260, 260)  # passes, and only after the click was dealt with
    target.log.wait_line(lambda l: l == "move - 260 260", WAIT, "move at the target")
    hook.do("unset")
    click_passes(c, target, 300, 300)
    check(hook.reports() == [], f"reports reached {hook.reports()}")
    check(target.buttons() == ["down L 300 300", "up L 300 300"], f"the target got {target.buttons()}")


@case()
def hook_no_window_no_reports(c):
    c.write_ini("[LlibreriaPelvoro]\nHANDLE FINESTRA=\n")
    # A window of another class, named nowhere: the library reports to no such window.
    hook, target = hook_and_target(c, moves=True, cls="TProvaHook", write_handle=False)
    no_reports(c, hook, target)


@case()
def hook_a_window_named_in_the_settings_but_of_another_class_gets_no_reports(c):
    # Reports there would leave the user's presses swallowed with no click and no way out.
    hook, target = hook_and_target(c, moves=True, cls="TProvaHook")
    check(c.ini().get("LlibreriaPelvoro", "HANDLE FINESTRA") == str(hook.hwnd),
          "the program's handle is not in the settings file")
    no_reports(c, hook, target)


@case(timeout=120)
def hook_reports_never_go_to_another_copys_window(c):
    # Two programs with the main window's class: the one started first takes the library's
    # hooks; the one started second leaves its handle in the settings file, as a second copy
    # of Pelvoro would, and its window comes first in a search by class.
    target = Target(c)
    c.xdotool("mousemove", 200, 200)
    first = HookProgram(c, cls="TFormPrincipal", write_handle=False, name="first.log")
    second = HookProgram(c, cls="TFormPrincipal", name="second.log")
    check(c.ini().get("LlibreriaPelvoro", "HANDLE FINESTRA") == str(second.hwnd),
          "the second program's handle is not in the settings file")
    first.do("set")
    c.xdotool("mousedown", 1, "mouseup", 1)
    check(first.wait_reports(2) == [0, 1], f"the program that installed the hook got {first.reports()}")
    check(second.reports() == [], f"the other program got {second.reports()}")
    first.do("unset")
    click_passes(c, target, 300, 300)


@case()
def hook_leaving_with_the_right_button_sends_no_bare_right_release(c):
    # Modes 3 and 4: the right press asks to leave, and the program removes every hook before
    # the finger comes up. A bare right release opens a context menu in most windows.
    hook, target = hook_and_target(c)
    hook.do("set")
    c.xdotool("mousedown", 3)
    check(hook.wait_reports(1) == [2], f"the right press gave {hook.reports()}")
    hook.do("unset")
    hook.do("unsetmove")
    c.xdotool("mouseup", 3)
    click_passes(c, target, 300, 300)  # comes after the release, wherever that went
    check(target.buttons() == ["down L 300 300", "up L 300 300"], f"the target got {target.buttons()}")
    click_passes(c, target, 310, 310, button=3)  # and the right button is free again


@case()
def hook_holding_past_a_click_sends_no_second_release(c):
    # Mode 2: the press is held, the program clicks with the hook removed and installs it
    # again; the user's release then comes.
    hook, target = hook_and_target(c)
    hook.do("set")
    c.xdotool("mousedown", 1)
    check(hook.wait_reports(1) == [0], f"the press gave {hook.reports()}")
    hook.do("unset")
    hook.do("click 250 250")
    target.wait("up L 250 250")
    hook.do("set")
    c.xdotool("mouseup", 1)
    # The click's cursor warp may come back from Wine as a move: wait for the release itself.
    hook.log.wait_line(lambda l: l.startswith("report 1 "), WAIT, "the release reported")
    check(hook.reports().count(0) == 1 and hook.reports().count(1) == 1, f"reports: {hook.reports()}")
    hook.do("unset")
    click_passes(c, target, 300, 300)
    check(target.buttons() == ["down L 250 250", "up L 250 250", "down L 300 300", "up L 300 300"],
          f"the target got {target.buttons()}")


@case()
def hook_installing_leaves_the_mouse_thread_free_of_file_and_window_searches(c):
    # Every mouse event of the system waits for the hook thread; a search there holds it up.
    hook = HookProgram(c, cls="TFormPrincipal", write_handle=False)
    hook.do("watch")
    check(any(l.startswith("watching ") and l != "watching 0" for l in hook.log.lines()),
          "the library imports none of the watched functions")
    for command in ("setmove", "set", "unset", "set", "unset", "unsetmove"):
        hook.do(command)
    hook.do("lookups")
    line = next(l for l in hook.log.lines() if l.startswith("lookups "))
    _, _, caller, _, other = line.split()
    check(int(caller) > 0 and int(other) == 0,
          f"{caller} searches on the calling thread and {other} on another")
