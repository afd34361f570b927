"""The installer's option for a person who cannot click: off by default; ticked (the /DWELLONLY
switch of a silent install) it switches the dwell-only profile on in the settings file the
program will read, and the Pelvoro that starts at sign-in clicks by dwell with nothing else set.
The installer is a 32-bit program; these cases run under 32-bit Wine only."""

from cases_hook import Target
from cases_installer import INSTALLER, WAIT, Installation
from harness import check, wait_for
from registry import case

REST = (800, 500)  # on the target, clear of the notice, the panel's column and the main window


@case(**INSTALLER)
def installer_dwell_only_option_gives_a_pelvoro_that_clicks_by_dwell_at_its_first_start(c):
    inst = Installation(c)
    inst.run("/DWELLONLY")
    check(list(c.ini().sections) == ["TipusClic"] and c.ini().keys("TipusClic") == ["MostrarPanell"]
          and c.ini().get("TipusClic", "MostrarPanell") == "true",
          f"the installer wrote {c.ini().sections}")
    target = Target(c)
    c.move_pointer(*REST)
    # What Windows does at sign-in: the notice for three seconds, then the main window.
    run = inst.run_value()
    check(run is not None, "no Run value")
    inst.start_command(run[1])
    inst.main_window()
    wait_for(lambda: any(w["visible"] for w in c.inspector.windows(cls="TFormTipusClic")), WAIT,
             "the click-type panel shown")
    # Nothing but the pointer resting: the first click comes by itself.
    target.wait(f"up L {REST[0]} {REST[1]}")


@case(**INSTALLER)
def installer_dwell_only_option_is_off_by_default_and_reaches_the_users_own_store(c):
    inst = Installation(c)
    inst.run()
    check(not c.ini().sections, f"an install without the option wrote {c.ini().sections}")
    # The Windows folder's copy closed to writing, as Windows keeps it from a user without
    # rights: the option goes to the copy Windows keeps for the user's programs, made from it.
    c.write_ini("[Llenguatge]\nLlenguatge=castella\n")
    shared = c.ini_path
    before = shared.read_bytes()
    holder = c.start(c.tool("FitxerTancat.exe"), r"C:\windows\pelvoro.ini", stdin=True)
    wait_for(lambda: holder.stdout_path.read_text(errors="replace").startswith("ready"), WAIT,
             "the settings file held")
    try:
        inst.run("/DWELLONLY")
    finally:
        holder.popen.stdin.close()
    check(holder.wait_exit(WAIT) == 0, "the holder of the file failed")
    check(shared.read_bytes() == before, "the closed copy was changed")
    store = inst.home / "AppData" / "Local" / "VirtualStore" / "Windows" / "pelvoro.ini"
    check(store.is_file(), "no copy in the user's store")
    text = store.read_bytes().decode("cp1252")
    check(text.startswith(before.decode("cp1252")) and "[TipusClic]" in text
          and "MostrarPanell=true" in text, f"the user's copy holds {text!r}")
    # An earlier copy in the store is the one the program reads: kept up to date even where
    # the Windows folder's copy can be written.
    store.write_bytes(b"[TipusClic]\r\nMostrarPanell=false\r\n")
    inst.run("/DWELLONLY")
    check(b"MostrarPanell=true" in store.read_bytes(), f"the store holds {store.read_bytes()!r}")
    check(b"MostrarPanell=true" in shared.read_bytes(), "the Windows folder's copy not written")
