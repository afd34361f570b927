"""Runs Windows programs under Wine on a private X server and looks at what they do.

A case runs on one build: "win32", the i686 release target under 32-bit Wine in a
WINEARCH=win32 prefix, or "win64", the x86_64 build under wine64. Each case gets its own Xvfb
display and its own Wine prefix, made from a template of that build's Wine that is booted
once and kept while the Wine version stays the same, so a case starts in seconds and leaves
nothing behind. Only the processes started here are stopped: Xvfb by its PID, Wine by
`wineserver -k` under the case's own prefix.
"""

import hashlib
import json
import os
import shutil
import subprocess
import tempfile
import threading
import time
from pathlib import Path

SKIP = 77  # exit code that ctest reports as a skipped test

SCREEN_W, SCREEN_H = 1024, 768
STALE_TEMPLATE_S = 3600  # older templates than this are no longer in use by any run
# No Mono or Gecko prompts; no Linux menu entries or icons for the shortcuts a case makes.
WINE_ENV = {"WINEDEBUG": "-all", "WINEDLLOVERRIDES": "mscoree,mshtml=;winemenubuilder.exe=d"}


class Failure(AssertionError):
    pass


class Skip(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def _program(names, fallbacks):
    for name in names:
        found = shutil.which(name)
        if found:
            return found
    for path in fallbacks:
        if os.access(path, os.X_OK):
            return path
    return None


# Debian's loaders: /usr/lib/wine/wine is the 32-bit one (package wine32:i386), wine64 the
# 64-bit one. A WINEARCH=win32 prefix runs only under the first.
WINE = {"win32": (["/usr/lib/wine/wine"], "win32"), "win64": (["wine64", "/usr/lib/wine/wine64"], "win64")}


def wine(arch):
    names, _ = WINE[arch]
    return _program([n for n in names if "/" not in n], [n for n in names if "/" in n])


def wineserver():
    return _program(["wineserver"], ["/usr/lib/wine/wineserver", "/usr/lib/wine/wineserver64"])


def wine_env(arch, prefix):
    return dict(os.environ, WINEPREFIX=str(prefix), WINEARCH=WINE[arch][1], **WINE_ENV)


def missing_programs(arch):
    needed = {f"wine ({arch})": wine(arch), "wineserver": wineserver(),
              "Xvfb": shutil.which("Xvfb"), "xdotool": shutil.which("xdotool"),
              "import": shutil.which("import"), "convert": shutil.which("convert")}
    return [name for name, path in needed.items() if not path]


def wine_version(arch):
    return subprocess.run([wine(arch), "--version"], stdout=subprocess.PIPE, text=True,
                          timeout=60, check=True).stdout.strip()


def wait_for(probe, timeout, what, interval=0.1):
    """Polls probe() until it returns something truthy and returns that; fails after timeout."""
    end = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)


def holds(probe, seconds, what, interval=0.1):
    """Checks probe() all through seconds, failing at the first time it is false: for what a
    timer of the program must not do while time passes (a second click while the button is held),
    which no later event of the program could show."""
    end = time.monotonic() + seconds
    while True:
        check(probe(), f"{what} no longer holds")
        if time.monotonic() > end:
            return
        time.sleep(interval)


def windows_path(path):
    """A Unix path as a Wine program sees it through drive Z:."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def _stop_wineserver(prefix):
    env = dict(os.environ, WINEPREFIX=str(prefix), **WINE_ENV)
    env.pop("WINEARCH", None)
    subprocess.run([wineserver(), "-k"], env=env, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=30)
    subprocess.run([wineserver(), "-w"], env=env, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=30)


def template_stamp(arch):
    """What a booted template depends on: the build's Wine, the harness's Wine settings and
    which folders the cases share read-only."""
    return f"{arch} {wine_version(arch)} {sorted(WINE_ENV.items())} {SHARED_FOLDERS}\n"


def current_template(root, arch):
    """The booted template under root if it was made by this Wine for this build, else None."""
    booted = (Path(root) / "current").resolve()
    try:
        if (booted / "ready").read_text() == template_stamp(arch):
            return booted
    except OSError:
        pass
    return None


def prepare_template(root, arch):
    """Makes sure root/current is a prefix booted by this build's Wine; boots one if not.

    Each boot gets a folder of its own and root/current is switched to it in one step, so a
    test run in the same build tree at the same time keeps a whole template to copy."""
    root = Path(root)
    if current_template(root, arch):
        return
    root.mkdir(parents=True, exist_ok=True)
    booted = Path(tempfile.mkdtemp(prefix="prefix-", dir=root))
    prefix = booted / "prefix"
    env = wine_env(arch, prefix)
    env.pop("DISPLAY", None)
    subprocess.run([wine(arch), "wineboot", "-i"], env=env, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=300, check=True)
    subprocess.run([wineserver(), "-w"], env=env, timeout=300, check=True)
    check((prefix / "drive_c" / "windows").is_dir(), "wineboot made no prefix")
    # Nothing may change the shared system files through a hard link of a case's copy.
    for folder in SHARED_FOLDERS:
        for path in (prefix / folder).rglob("*"):
            if path.is_file() and not path.is_symlink():
                path.chmod(path.stat().st_mode & ~0o222)
    (booted / "ready").write_text(template_stamp(arch))
    link = root / f"current.{os.getpid()}"
    link.symlink_to(booted.name)
    os.replace(link, root / "current")
    for old in root.glob("prefix-*"):
        if old != booted and time.time() - old.stat().st_mtime > STALE_TEMPLATE_S:
            shutil.rmtree(old, ignore_errors=True)


# The prefix's system files, which no case changes: a case's prefix links them (hard links,
# read-only) instead of copying them, and copies the rest (registry, user folders, win.ini).
SHARED_FOLDERS = ("drive_c/windows/system32", "drive_c/windows/syswow64", "drive_c/windows/winsxs")


def copy_prefix(template, target):
    ignore = lambda folder, names: [n for n in names
                                    if (Path(folder) / n).relative_to(template).as_posix()
                                    in SHARED_FOLDERS]
    shutil.copytree(template, target, symlinks=True, ignore=ignore)
    for folder in SHARED_FOLDERS:
        if (template / folder).is_dir():
            subprocess.run(["cp", "-al", str(template / folder), str(target / folder)],
                           check=True)


# Several monitors. Xvfb puts every Xinerama head at 0,0, so a case that declares monitors gets
# one Xvfb screen covering all of them and a stand-in libXinerama.so.1 of ours, first on
# LD_LIBRARY_PATH, that reports them as heads; with XRandR off in the prefix, Wine takes its
# monitors from Xinerama. Wine makes the first head the primary monitor at 0,0, so a head left of
# or above it has negative Windows coordinates, and X root coordinates are Windows ones minus the
# top left corner of the virtual screen.
XINERAMA_SOURCE = Path(__file__).with_name("stand_in_xinerama.c")
XINERAMA_HEADS_VARIABLE = "PELVORO_XINERAMA_HEADS"
# Per machine: the compiler's flag and the C library the stand-in links against (no headers and
# no libgcc are needed, so no multilib package either).
XINERAMA_MACHINES = {"i386": ("-m32", "/lib/i386-linux-gnu/libc.so.6"),
                     "x86_64": ("-m64", "/lib/x86_64-linux-gnu/libc.so.6")}
# What each build's Wine loads; wine64 may start 32-bit helpers too, so it gets both when it can.
XINERAMA_NEEDED = {"win32": ("i386",), "win64": ("x86_64",)}


def virtual_screen(monitors):
    """The rectangle (left, top, right, bottom) covering monitors given as (x, y, width, height)."""
    return (min(x for x, _, _, _ in monitors), min(y for _, y, _, _ in monitors),
            max(x + w for x, _, w, _ in monitors), max(y + h for _, y, _, h in monitors))


def xinerama_heads(monitors):
    """The stand-in's list of heads in X root coordinates, the primary first."""
    left, top, _, _ = virtual_screen(monitors)
    return ";".join(f"{x - left},{y - top},{w},{h}" for x, y, w, h in monitors)


def stand_in_xinerama(root, arch):
    """Builds the stand-in libXinerama.so.1 under root, one folder per machine, unless this
    source was built there already; returns the folders that hold one, the build's own first."""
    source = XINERAMA_SOURCE.read_bytes()
    built = Path(root) / f"xinerama-{hashlib.sha256(source).hexdigest()[:12]}"
    compiler = _program(["cc", "gcc", "clang"], [])
    check(compiler, "no C compiler for the stand-in libXinerama")
    folders = []
    for machine, (flag, libc) in XINERAMA_MACHINES.items():
        library = built / machine / "libXinerama.so.1"
        if not library.exists() and Path(libc).exists():
            library.parent.mkdir(parents=True, exist_ok=True)
            # Built beside and renamed into place: cases running at the same time share it.
            partial = library.with_name(f"libXinerama.so.1.{os.getpid()}")
            made = subprocess.run(
                [compiler, flag, "-O2", "-fPIC", "-shared", "-nostdlib", "-w",
                 "-Wl,-soname,libXinerama.so.1", str(XINERAMA_SOURCE), libc, "-o", str(partial)],
                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, timeout=120)
            if made.returncode == 0:
                os.replace(partial, library)
            else:
                partial.unlink(missing_ok=True)
            if made.returncode != 0 and machine in XINERAMA_NEEDED[arch]:
                raise Failure(f"the {machine} stand-in libXinerama did not build: {made.stdout}")
        if library.exists():
            folders.append(library.parent)
        else:
            check(machine not in XINERAMA_NEEDED[arch], f"no {machine} C library to build the stand-in libXinerama")
    folders.sort(key=lambda folder: folder.name not in XINERAMA_NEEDED[arch])
    return folders


def add_user_registry_value(prefix, key, name, value):
    """Adds a string value under HKEY_CURRENT_USER to a prefix no wineserver has open."""
    escaped = key.replace("\\", "\\\\")
    with (Path(prefix) / "user.reg").open("a", encoding="utf-8") as reg:
        reg.write(f'\n[{escaped}] {int(time.time())}\n"{name}"="{value}"\n')


class Ini:
    """The settings file as sections of (key, value) pairs in file order."""

    def __init__(self, text):
        self.sections = {}
        current = None
        for raw in text.splitlines():
            line = raw.strip()
            if not line or line.startswith(";"):
                continue
            if line.startswith("[") and line.endswith("]"):
                current = self.sections.setdefault(line[1:-1], [])
            elif current is not None and "=" in line:
                key, value = line.split("=", 1)
                current.append((key.strip(), value.strip()))

    def section(self, name):
        return dict(self.sections.get(name, []))

    def keys(self, name):
        return [key for key, _ in self.sections.get(name, [])]

    def get(self, section, key):
        return self.section(section).get(key)


class LogFile:
    """A log that a program writes one flushed line at a time."""

    def __init__(self, path):
        self.path = Path(path)

    def lines(self):
        try:
            text = self.path.read_text(encoding="utf-8", errors="replace")
        except FileNotFoundError:
            return []
        return [line for line in text.split("\n")[:-1]]  # the last piece may be half written

    def wait_line(self, predicate, timeout, what, start=0):
        """Waits for a line from index start on that satisfies predicate; returns its index."""
        def probe():
            for index, line in enumerate(self.lines()[start:], start):
                if predicate(line):
                    return index + 1
            return None
        return wait_for(probe, timeout, f"{what} in {self.path.name}") - 1


class Process:
    def __init__(self, popen, name, stdout_path):
        self.popen = popen
        self.name = name
        self.stdout_path = stdout_path

    def send(self, line):
        self.popen.stdin.write((line + "\n").encode())
        self.popen.stdin.flush()

    def wait_exit(self, timeout):
        try:
            return self.popen.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"{self.name} still running after {timeout:g} s")

    def running(self):
        return self.popen.poll() is None


class Inspector:
    """One Inspector.exe kept running for the case; one JSON line per command."""

    def __init__(self, case):
        self.popen = subprocess.Popen(
            [case.wine, str(case.tool("Inspector.exe"))], env=case.env, cwd=case.work,
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.lock = threading.Lock()

    def ask(self, *fields, timeout=30):
        with self.lock:
            self.popen.stdin.write(("\t".join(str(f) for f in fields) + "\n").encode())
            self.popen.stdin.flush()
            reply = {}
            reader = threading.Thread(target=lambda: reply.update(line=self.popen.stdout.readline()))
            reader.start()
            reader.join(timeout)
            check(not reader.is_alive(), f"inspector gave no answer to {fields}")
            check(reply["line"], "inspector ended")
            answer = json.loads(reply["line"].decode("utf-8"))
            check("error" not in answer, f"inspector: {answer.get('error')} for {fields}")
            return answer

    def windows(self, cls=None, caption=None):
        filters = ([f"class={cls}"] if cls else []) + ([f"caption={caption}"] if caption else [])
        return self.ask("windows", *filters)["windows"]

    def children(self, hwnd):
        return self.ask("children", hwnd)["children"]

    def boxes(self):
        return self.ask("boxes")["boxes"]

    def close(self):
        try:
            self.popen.stdin.write(b"quit\n")
            self.popen.stdin.flush()
            self.popen.wait(10)
        except (OSError, subprocess.TimeoutExpired):
            pass


class Screenshot:
    """The whole X screen at one moment, with its pixels at hand."""

    def __init__(self, png):
        self.png = png
        ppm = subprocess.run(["convert", str(png), "-depth", "8", "ppm:-"], check=True,
                             stdout=subprocess.PIPE, timeout=60).stdout
        magic, width, height, maxval, self.data = ppm.split(maxsplit=4)
        check(magic == b"P6" and maxval == b"255", "unexpected screenshot format")
        self.width, self.height = int(width), int(height)

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def count(self, rect, predicate):
        left, top, right, bottom = rect
        return sum(1 for y in range(max(top, 0), min(bottom, self.height))
                   for x in range(max(left, 0), min(right, self.width))
                   if predicate(self.pixel(x, y)))


class Case:
    """One end-to-end case: display, prefix, programs, and their clean-up."""

    def __init__(self, name, bin_dir, template, work_root, arch="win64", screen=None, monitors=None):
        """monitors, ((x, y, width, height), ...) in Windows coordinates with the primary first
        at 0,0, gives Wine these monitors on one screen that covers them all (self.monitors, as
        (left, top, right, bottom) lists, and self.virtual); without it one screen of the size
        screen, or the harness's own."""
        self.name = name
        self.monitors = None
        self.virtual = None
        if monitors:
            self.monitors = [[x, y, x + w, y + h] for x, y, w, h in monitors]
            self.virtual = list(virtual_screen(monitors))
            screen = (self.virtual[2] - self.virtual[0], self.virtual[3] - self.virtual[1])
        self.heads = monitors
        self.screen = screen or (SCREEN_W, SCREEN_H)
        self.arch = arch
        self.wine = wine(arch)
        self.bin_dir = Path(bin_dir)
        self.template = Path(template)
        self.work_root = Path(work_root)
        self.processes = []
        self.xvfb = None
        self._inspector = None
        self.shots = 0

    # --- set-up and tear-down -------------------------------------------------------------

    def __enter__(self):
        booted = current_template(self.template, self.arch)
        check(booted, f"no {self.arch} Wine template booted by this Wine in {self.template}")
        self.work_root.mkdir(parents=True, exist_ok=True)
        self.work = Path(tempfile.mkdtemp(prefix=f"{self.name}.{self.arch}.", dir=self.work_root))
        try:
            self.prefix = self.work / "prefix"
            copy_prefix(booted / "prefix", self.prefix)
            self._start_xvfb()
            self.env = dict(wine_env(self.arch, self.prefix), DISPLAY=self.display)
            if self.heads:
                self._several_monitors()
        except BaseException:
            self._tear_down()
            raise
        return self

    def __exit__(self, kind, value, traceback):
        self._tear_down()
        if kind is None:
            shutil.rmtree(self.work, ignore_errors=True)
        else:
            print(f"kept for inspection: {self.work}")
        return False

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{self.screen[0]}x{self.screen[1]}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    break
                number += chunk
        check(number.strip().isdigit(), "Xvfb gave no display number")
        self.display = ":" + number.strip().decode()

    def _several_monitors(self):
        folders = stand_in_xinerama(self.work_root.parent, self.arch)
        search = [str(f) for f in folders] + [p for p in [os.environ.get("LD_LIBRARY_PATH")] if p]
        self.env["LD_LIBRARY_PATH"] = ":".join(search)
        self.env[XINERAMA_HEADS_VARIABLE] = xinerama_heads(self.heads)
        # Wine asks XRandR first, which Xvfb answers with one output covering the screen.
        add_user_registry_value(self.prefix, r"Software\Wine\X11 Driver", "UseXRandR", "N")

    def _tear_down(self):
        if self._inspector:
            self._inspector.close()
        if getattr(self, "prefix", None) and self.prefix.exists():
            try:
                _stop_wineserver(self.prefix)
            except subprocess.TimeoutExpired:
                pass
        for process in self.processes:
            if process.popen.poll() is None:
                process.popen.kill()
            process.popen.wait()
        if self.xvfb:
            self.xvfb.terminate()
            try:
                self.xvfb.wait(10)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
                self.xvfb.wait()
        if getattr(self, "prefix", None):
            shutil.rmtree(self.prefix, ignore_errors=True)

    # --- programs -------------------------------------------------------------------------

    def tool(self, name):
        path = self.bin_dir / "tools" / name
        if not path.exists():
            raise Skip(f"{path} is not built")
        return path

    def program(self, name):
        path = self.bin_dir / name
        if not path.exists():
            raise Skip(f"{path} is not built")
        return path

    def start(self, exe, *args, stdin=False):
        """Starts a Windows program under this build's Wine; its output goes to a file in the
        case folder."""
        name = Path(exe).name
        out = self.work / f"{name}.{len(self.processes)}.out"
        popen = subprocess.Popen(
            [self.wine, str(exe), *[str(a) for a in args]], env=self.env, cwd=self.work,
            stdin=subprocess.PIPE if stdin else subprocess.DEVNULL,
            stdout=out.open("wb"), stderr=subprocess.STDOUT)
        process = Process(popen, name, out)
        self.processes.append(process)
        return process

    def log(self, name):
        return LogFile(self.work / name)

    @property
    def inspector(self):
        if self._inspector is None:
            self._inspector = Inspector(self)
        return self._inspector

    # --- input and pixels -----------------------------------------------------------------

    def root_point(self, x, y):
        """The X root position, as xdotool and screenshots count, of a point on the Windows screen."""
        if self.virtual is None:
            return x, y
        return x - self.virtual[0], y - self.virtual[1]

    def move_pointer(self, x, y):
        """Moves the pointer to a point given in Windows screen coordinates."""
        self.xdotool("mousemove", *self.root_point(x, y))

    def xdotool(self, *args):
        subprocess.run(["xdotool", *[str(a) for a in args]], env=self.env, check=True,
                       timeout=30, stdout=subprocess.DEVNULL)

    def screenshot(self, label="screen"):
        self.shots += 1
        png = self.work / f"{self.shots:02d}-{label}.png"
        subprocess.run(["import", "-window", "root", str(png)], env=self.env, check=True,
                       timeout=60, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return Screenshot(png)

    # --- the settings file ----------------------------------------------------------------

    @property
    def ini_path(self):
        # Windows file names are case-blind and Wine keeps whichever spelling created the
        # file: "Pelvoro.ini" when the handle was written first.
        windows = self.prefix / "drive_c" / "windows"
        for path in windows.iterdir():
            if path.name.lower() == "pelvoro.ini":
                return path
        return windows / "pelvoro.ini"

    def write_ini(self, text):
        self.ini_path.write_bytes(text.replace("\n", "\r\n").encode("cp1252"))

    def ini(self):
        try:
            return Ini(self.ini_path.read_bytes().decode("cp1252"))
        except FileNotFoundError:
            return Ini("")
