#!/usr/bin/python3
"""What a screen reader finds in the program: every control that takes the focus has a name, the
seven day toggles read as their own days, the list of moments reads as the moments, the line under
it says why no reminder will come (every day is off here), and "Contact me" in the About box is a link.

Usage: screen_reader_names.py PROGRAM (inside scripts/with-desktop.sh)."""
import os
import subprocess
import sys
import tempfile

# A session bus and an accessibility bus of the test's own: the accessibility bus's address lies
# in a folder of the user's, which other sessions of the same user would share.
if not os.environ.get("STILLMARK_A11Y_SESSION"):
    runtime = tempfile.mkdtemp(prefix="stillmark-a11y-run-")
    os.environ.update(STILLMARK_A11Y_SESSION="1", XDG_RUNTIME_DIR=runtime)
    sys.exit(subprocess.call(["dbus-run-session", "--", sys.executable, os.path.abspath(__file__)] + sys.argv[1:]))

import pyatspi  # noqa: E402  (after the session above: it connects to the bus it finds)

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "reliability"))
from desktop_harness import wait_for  # noqa: E402

MOMENTS = ["07:00", "10:45", "14:30", "18:15", "22:00"]
QUIET_HINT = "No Stillmark on any day"
# German time texts: the day toggles read "Mo" to "So", a week from Monday, each named by its whole day.
TIME_LOCALE = "de_DE.UTF-8"
DAYS = ["Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"]


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        try:
            yield from walk(node.getChildAtIndex(i), depth + 1)
        except Exception:  # a child that went away while we looked
            continue


def find_app(name, seconds=20):
    def named():
        desktop = pyatspi.Registry.getDesktop(0)
        apps = (desktop.getChildAtIndex(i) for i in range(desktop.childCount))
        return next((app for app in apps if app is not None and app.name == name), None)
    return wait_for(named, seconds, 0.2)


WINDOWS = (pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME)


def describe(node):
    return f"{node.getRoleName()} '{node.name}'"


def nameless_focusable(window):
    faults = []
    for node in walk(window):
        states = node.getState()
        if states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_SHOWING):
            # Rows and cells of a list are read by their text.
            if node.getRole() in (pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_LIST_ITEM):
                continue
            if not node.name.strip():
                parent = node.parent
                faults.append(f"nameless {node.getRoleName()} in {describe(parent) if parent else '?'}")
    return faults


def list_items(window):
    for node in walk(window):
        if node.name == "Stillmark Times" and node.getRole() in (
                pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX):
            return [c.name for c in walk(node)
                    if c.getRole() in (pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_LIST_ITEM)]
    return None


def main():
    program = sys.argv[1]
    env = dict(os.environ)
    env.pop("NO_AT_BRIDGE", None)
    env["GTK_A11Y"] = "atk"
    env["LC_TIME"] = TIME_LOCALE
    config = tempfile.mkdtemp(prefix="stillmark-a11y-")
    env["XDG_CONFIG_HOME"] = config
    with open(os.path.join(config, "stillmark.INI"), "w") as ini:
        ini.write("[Settings]\nDays=0000000\n")
    proc = subprocess.Popen([program], env=env)
    faults = []
    try:
        app = find_app("org.stillmark.Stillmark")  # GTK names it by the program name, the desktop id
        if app is None:
            print("the program never appeared on the accessibility bus")
            return 1
        window = wait_for(lambda: next((w for w in walk(app) if w.getRole() in WINDOWS
                                        and w.name == "Stillmark"), None), 10, 0.2)
        if window is None:
            print("no main window")
            return 1
        faults += nameless_focusable(window)
        days = [n.name for n in walk(window) if n.getRole() == pyatspi.ROLE_TOGGLE_BUTTON]
        if days != DAYS:
            faults.append(f"the day toggles read {days}, not {DAYS}")
        items = list_items(window)
        if items != MOMENTS:
            faults.append(f"the list reads {items}, not the moments {MOMENTS}")
        # Wrapped to the list's width: its line breaks read as spaces.
        if not any(n.getRole() == pyatspi.ROLE_LABEL and " ".join(n.name.split()) == QUIET_HINT
                   for n in walk(window)):
            faults.append(f"no label reads {QUIET_HINT!r}")

        about_button = next((n for n in walk(window) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                             and n.name == "About..."), None)
        if about_button is None:
            faults.append("no About... button")
        else:
            # A real click: the accessibility bus waits while a modal window runs from its own call.
            box = about_button.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2),
                            "click", "1"], check=False)
            about = wait_for(lambda: next((w for w in walk(app) if w.name == "About..."
                                           and w.getRole() in WINDOWS), None), 10, 0.2)
            if about is None:
                faults.append("the About box did not open")
            else:
                faults += nameless_focusable(about)
                if not any(n.getRole() == pyatspi.ROLE_LINK and n.name == "Contact me" for n in walk(about)):
                    faults.append("no link named 'Contact me' in the About box")
    finally:
        proc.terminate()
        try:
            proc.wait(10)
        except subprocess.TimeoutExpired:
            proc.kill()
    for fault in faults:
        print(fault)
    print("ok" if not faults else f"{len(faults)} fault(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
