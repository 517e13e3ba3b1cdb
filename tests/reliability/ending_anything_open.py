#!/usr/bin/env python3
"""The real program ends with status 0 within a second by every way, whatever is open, with the settings
written where they can be; a second start brings the first copy's window and ends.

    ending_anything_open.py <stillmark>

Runs on the private desktop's display, on a session bus of its own (the program claims the session's
name, so copies of other tests must not share it)."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_harness import (Checks, Program, focus_by_tab, main_window, type_start_time, wait_new_window,  # noqa: E402
                             windows, xdotool)

DEADLINE = 1.0  # seconds from the request to the end of the process
LATE = "did not end in time"  # what the program says when its own deadline had to end it


def main_window_shown(pid, timeout):
    return main_window(pid, timeout=timeout) is not None


def open_nothing(run, wid):
    return True


def open_message_box(run, wid):
    before = windows(run.proc.pid)
    focus_by_tab(wid, "count")
    xdotool("key", "ctrl+a", "BackSpace")  # "Please enter an integer."
    return wait_new_window(run.proc.pid, before) is not None


def open_file_chooser(run, wid):
    before = windows(run.proc.pid)
    focus_by_tab(wid, "browse_sound")
    xdotool("key", "space")
    return wait_new_window(run.proc.pid, before) is not None


def open_about(run, wid):
    before = windows(run.proc.pid)
    focus_by_tab(wid, "about")
    xdotool("key", "space")
    return wait_new_window(run.proc.pid, before)


def open_about_and_donation(run, wid):
    about = open_about(run, wid)
    if not about:
        return False
    before = windows(run.proc.pid)
    xdotool("windowfocus", "--sync", about)
    xdotool("key", "Escape")  # the About box's cancel button is "Donate"
    return wait_new_window(run.proc.pid, before, 30) is not None


def signal_once(sig):
    return lambda run, wid: run.proc.send_signal(sig)


def signal_burst(run, wid):
    for i in range(200):
        try:
            run.proc.send_signal(signal.SIGHUP if i % 2 else signal.SIGTERM)
        except ProcessLookupError:
            return


def press_close(run, wid):
    focus_by_tab(wid, "close")
    xdotool("key", "space")


def press_escape(run, wid):
    xdotool("windowfocus", "--sync", wid)
    xdotool("key", "Escape")


OPEN = [("nothing open", open_nothing), ("message box", open_message_box), ("file chooser", open_file_chooser),
        ("About box", open_about), ("About box and donation window", open_about_and_donation)]
SIGNALS = [("SIGTERM", signal_once(signal.SIGTERM)), ("SIGINT", signal_once(signal.SIGINT)),
           ("SIGHUP", signal_once(signal.SIGHUP)), ("200 SIGHUP and SIGTERM", signal_burst)]
BUTTONS = [("Close", press_close), ("Escape", press_escape)]


def end_case(program, checks, way_name, way, open_name, open_thing, save_fails=False):
    what = f"{way_name}, {open_name}" + (", the save fails" if save_fails else "")
    run = Program(program, dict(StartHour="07:00", ShowTip=0))
    wid = main_window(run.proc.pid)
    if wid is None:
        checks.expect(f"{what}: the window opens", False, run.output())
        run.terminate()
        return
    if save_fails:
        # A folder in the file's place: no user may write there, root included. Nothing is typed, so
        # no autosave comes first: the save at the end fails, filling in the keys the file lacks.
        os.remove(os.path.join(run.folder, "stillmark.INI"))
        os.mkdir(os.path.join(run.folder, "stillmark.INI"))
        time.sleep(0.5)  # the window settles where it is shown, as while typing
    else:
        type_start_time(wid, "10:15")
    opened = open_thing(run, wid)
    checks.expect(f"{what}: it opened", bool(opened), run.output())
    way(run, wid)
    asked = time.time()  # the request made: a click's pointer moves are not the program's time
    try:
        status = run.proc.wait(5)
    except subprocess.TimeoutExpired:
        status = None
    took = time.time() - asked
    output = run.output()
    checks.expect(f"{what}: status 0 within {DEADLINE:g} s", status == 0 and took <= DEADLINE and LATE not in output,
                  f"status {status} after {took:.2f} s\n{output}")
    if save_fails:
        checks.expect(f"{what}: the failure is on standard error", "cannot save" in output, output)
    else:
        checks.expect(f"{what}: the change is on disk", "StartHour=10:15" in run.settings_text(),
                      run.settings_text())
    run.terminate()
    run.remove_folder()


def second_start(program, checks, what, env):
    first = Program(program, dict(StartMinimized=1, ShowTip=0), env=env)
    try:
        time.sleep(2)
        checks.expect(f"{what}: the first copy waits hidden", not main_window_shown(first.proc.pid, 0),
                      first.output())
        try:
            second = subprocess.run([program], env=dict(os.environ, **env, XDG_CONFIG_HOME=first.folder),
                                    capture_output=True, text=True, timeout=20)
            status, errors = second.returncode, second.stderr
        except subprocess.TimeoutExpired as hung:  # the second copy was killed; the first must go too
            status, errors = None, f"still running after {hung.timeout} s\n{hung.stderr or ''}"
        checks.expect(f"{what}: the second start ends with status 0", status == 0, f"status {status}\n{errors}")
        if "DBUS_SESSION_BUS_ADDRESS" not in env:
            shown = main_window_shown(first.proc.pid, 5)
            checks.expect(f"{what}: the first copy shows its window", shown, first.output())
        checks.expect(f"{what}: the first copy runs on", first.proc.poll() is None, first.output())
    finally:
        # Whatever failed above, the first copy ends here: the next checks start without it.
        checks.expect(f"{what}: the first copy ends with status 0", first.terminate() == 0, first.output())
        first.remove_folder()


def main():
    program = sys.argv[1]
    checks = Checks()
    for way_name, way in SIGNALS:
        for open_name, open_thing in OPEN:
            end_case(program, checks, way_name, way, open_name, open_thing)
    for way_name, way in BUTTONS:
        end_case(program, checks, way_name, way, "nothing open", open_nothing)
    for way_name, way in [SIGNALS[0], BUTTONS[0]]:
        end_case(program, checks, way_name, way, "nothing open", open_nothing, save_fails=True)
    second_start(program, checks, "second start on the session bus", {})
    lock_folder = tempfile.mkdtemp(prefix="stillmark-runtime-")  # where the lock goes
    second_start(program, checks, "second start without a session bus",
                 {"DBUS_SESSION_BUS_ADDRESS": "unix:path=/nonexistent/bus", "XDG_RUNTIME_DIR": lock_folder})
    shutil.rmtree(lock_folder, ignore_errors=True)
    return checks.report()


if __name__ == "__main__":
    sys.exit(main())
