#!/usr/bin/env python3
"""The real program while the user edits: what was typed is on disk after a kill -9 that comes about
1.5 s later, and SIGTERM, SIGINT and SIGHUP end the program with it written, also while a message box,
the About box or the file chooser is open. Losing the display writes it too.

    settings_while_editing.py <stillmark>

Runs inside the private desktop (scripts/with-desktop.sh); the lost-display case starts a display of
its own."""

import os
import shutil
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_harness import Checks, Program, focus_by_tab, main_window, type_start_time, xdotool  # noqa: E402

def wait_end(run, timeout):
    try:
        return run.proc.wait(timeout)
    except subprocess.TimeoutExpired:
        return None


def start(program, checks, what, extra_env=None):
    run = Program(program, dict(StartHour="07:00", ShowTip=0), env=extra_env)
    wid = main_window(run.proc.pid, extra_env and {**os.environ, **extra_env})
    if wid is None:
        checks.expect(f"{what}: the window opens", False, run.output())
        run.terminate()
    return run, wid


def edit_then_kill(program, checks):
    run, wid = start(program, checks, "kill -9")
    if wid is None:
        return
    type_start_time(wid, "08:30")
    time.sleep(1.5)
    run.proc.send_signal(signal.SIGKILL)
    run.proc.wait()
    checks.expect("typed, kill -9 after 1.5 s: the change is on disk", "StartHour=08:30" in run.settings_text(),
                  run.settings_text())
    run.remove_folder()


def edit_then_signal(program, checks, sig):
    run, wid = start(program, checks, sig.name)
    if wid is None:
        return
    type_start_time(wid, "09:45")
    run.proc.send_signal(sig)  # at once: before the change has settled
    status = wait_end(run, 10)
    checks.expect(f"typed, {sig.name} at once: ends with status 0", status == 0, f"status {status}")
    checks.expect(f"typed, {sig.name} at once: the change is on disk", "StartHour=09:45" in run.settings_text(),
                  run.settings_text())
    run.terminate()
    run.remove_folder()


def signal_with_dialog_open(program, checks, what, open_dialog):
    run, wid = start(program, checks, what)
    if wid is None:
        return
    type_start_time(wid, "10:15")
    before = set(xdotool("search", "--onlyvisible", "--pid", str(run.proc.pid), "--name", ".").split())
    open_dialog(wid)
    deadline = time.time() + 10
    opened = False
    while time.time() < deadline and not opened:
        now = set(xdotool("search", "--onlyvisible", "--pid", str(run.proc.pid), "--name", ".").split())
        opened = bool(now - before)
        time.sleep(0.1)
    checks.expect(f"{what}: the dialog opened", opened, run.output())
    run.proc.send_signal(signal.SIGTERM)
    status = wait_end(run, 10)
    checks.expect(f"{what}, SIGTERM: ends with status 0", status == 0, f"status {status}")
    checks.expect(f"{what}, SIGTERM: the change is on disk", "StartHour=10:15" in run.settings_text(),
                  run.settings_text())
    run.terminate()
    run.remove_folder()


def display_lost(program, checks):
    display = ":57"
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    env = {"DISPLAY": display}
    try:
        time.sleep(1)
        run, wid = start(program, checks, "display lost", env)
        if wid is None:
            return
        type_start_time(wid, "11:20", {**os.environ, **env})
        xvfb.terminate()
        xvfb.wait()
        status = wait_end(run, 10)
        checks.expect("typed, display gone at once: the program ends", status is not None, "still running")
        checks.expect("typed, display gone at once: the change is on disk", "StartHour=11:20" in run.settings_text(),
                      run.settings_text())
        run.terminate()
        run.remove_folder()
    finally:
        if xvfb.poll() is None:
            xvfb.kill()


def main():
    program = sys.argv[1]
    checks = Checks()
    edit_then_kill(program, checks)
    for sig in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        edit_then_signal(program, checks, sig)

    def empty_the_count(wid):
        focus_by_tab(wid, "count")
        xdotool("key", "ctrl+a", "BackSpace")  # "Please enter an integer."

    signal_with_dialog_open(program, checks, "message box open", empty_the_count)
    signal_with_dialog_open(program, checks, "About box open", lambda wid: (focus_by_tab(wid, "about"), xdotool("key", "space")))
    signal_with_dialog_open(program, checks, "file chooser open", lambda wid: (focus_by_tab(wid, "browse_sound"), xdotool("key", "space")))
    if shutil.which("Xvfb"):
        display_lost(program, checks)
    return checks.report()


if __name__ == "__main__":
    sys.exit(main())
