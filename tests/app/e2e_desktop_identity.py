#!/usr/bin/python3
"""The desktop matches the real program's window to its menu entry: the window's class (X11
WM_CLASS) names the entry's StartupWMClass, and that is the entry's own file name.

Usage: e2e_desktop_identity.py PROGRAM DESKTOP_ENTRY
"""
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "reliability"))
from desktop_harness import Checks, Program, main_window  # noqa: E402


def main():
    program, entry = sys.argv[1], sys.argv[2]
    checks = Checks()
    with open(entry, encoding="utf-8") as f:
        wm_class = re.search(r"^StartupWMClass=(.*)$", f.read(), re.M)
    checks.expect("the entry names its window class", wm_class is not None, entry)
    wanted = wm_class.group(1) if wm_class else ""
    checks.expect("the class is the entry's name", os.path.basename(entry) == wanted + ".desktop", wanted)
    run = Program(program, dict(ShowTip=0))
    try:
        wid = main_window(run.proc.pid)
        checks.expect("the window opens", wid is not None, run.output())
        if wid:
            shown = subprocess.run(["xprop", "-id", wid, "WM_CLASS"], capture_output=True, text=True).stdout
            names = re.findall(r'"([^"]*)"', shown)
            checks.expect("the window's class names the entry", wanted in names, shown)
    finally:
        checks.expect("it ends with status 0", run.terminate() == 0, run.output())
        run.remove_folder()
    return checks.report()


if __name__ == "__main__":
    sys.exit(main())
