#!/usr/bin/python3
"""The real program on a German desktop (LANG=de_DE.UTF-8, LANGUAGE=de), started in the
notification area a few seconds before a moment under a faked clock: its icon's tip and menu on
the session bus and the break notification are German, the time as the 24-hour setting writes it.
Needs the private desktop of scripts/with-desktop.sh and the de_DE.UTF-8 locale.

Usage: e2e_desktop_language.py PROGRAM
"""
import glob
import os
import re
import subprocess
import sys
import tempfile
import time

from gi.repository import Gio, GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "reliability"))
from desktop_harness import wait_for  # noqa: E402

EXPECTED_MENU = ["Über Stillmark…", "Anzeigen", "Für heute pausieren", "Beenden"]
EXPECTED_TIP = "Nächster Stillmark um 08:30"
EXPECTED_BODY = "Es ist 08:30\nZeit für einen Stillmark!"


def call(bus, dest, path, interface, method, args, reply):
    return bus.call_sync(dest, path, interface, method, args, GLib.VariantType(reply),
                         Gio.DBusCallFlags.NONE, 3000, None).unpack()


def item_name(bus, pid):
    # Other tests' programs may share the bus: the item's name carries the program's process id.
    names = call(bus, "org.freedesktop.DBus", "/", "org.freedesktop.DBus", "ListNames", None, "(as)")[0]
    return next((n for n in names if n.startswith(f"org.kde.StatusNotifierItem-{pid}-")), None)


def menu_labels(bus, item):
    path = call(bus, item, "/StatusNotifierItem", "org.freedesktop.DBus.Properties", "Get",
                GLib.Variant("(ss)", ("org.kde.StatusNotifierItem", "Menu")), "(v)")[0]
    _, layout = call(bus, item, path, "com.canonical.dbusmenu", "GetLayout",
                     GLib.Variant("(iias)", (0, -1, ["label"])), "(u(ia{sv}av))")
    return [child[1]["label"] for child in layout[2] if "label" in child[1]]


def tip_title(bus, item):
    tip = call(bus, item, "/StatusNotifierItem", "org.freedesktop.DBus.Properties", "Get",
               GLib.Variant("(ss)", ("org.kde.StatusNotifierItem", "ToolTip")), "(v)")[0]
    return tip[2]


def notify_bodies(log_path):
    # dbus-monitor prints each Notify call's strings: app name, icon, summary, body, ...
    with open(log_path, encoding="utf-8", errors="replace") as log:
        calls = log.read().split("member=Notify")[1:]
    bodies = []
    for text in calls:
        strings = re.findall(r'string "((?:[^"\\]|\\.)*)"', text, re.S)
        if len(strings) >= 4:
            bodies.append(strings[3])
    return bodies


def main():
    program = sys.argv[1]
    failures = []
    with tempfile.TemporaryDirectory() as home:
        with open(os.path.join(home, "stillmark.INI"), "w") as ini:
            # A moment of its own, 08:30: other tests' programs alert at other times.
            ini.write("[Settings]\nStartHour=08:30\nEndHour=09:30\nStillpoints=2\nUseSound=0\nStartMinimized=1\n")
        env = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
        env.update(XDG_CONFIG_HOME=home, LANG="de_DE.UTF-8", LANGUAGE="de")
        env["ASAN_OPTIONS"] = ":".join(filter(None, [env.get("ASAN_OPTIONS"), "verify_asan_link_order=0"]))
        log_path = os.path.join(home, "monitor.log")
        with open(log_path, "w") as log:
            monitor = subprocess.Popen(["dbus-monitor", "--session",
                                        "interface='org.freedesktop.Notifications',member='Notify'"],
                                       stdout=log, stderr=subprocess.STDOUT)
        time.sleep(0.5)
        # libfaketime preloaded directly: the faketime wrapper forks, and SIGTERM would miss the program.
        env.update(LD_PRELOAD=glob.glob("/usr/lib/*/faketime/libfaketime.so.1")[0],
                   FAKETIME="@2026-12-08 08:29:54")
        app_log = open(os.path.join(home, "app.log"), "w+")
        app = subprocess.Popen([program], env=env, stdout=app_log, stderr=subprocess.STDOUT)
        try:
            bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
            item = wait_for(lambda: item_name(bus, app.pid), 15)
            if not item:
                failures.append("no icon in the notification area")
            else:
                labels = menu_labels(bus, item)
                if labels != EXPECTED_MENU:
                    failures.append(f"menu {labels}, expected {EXPECTED_MENU}")
                title = tip_title(bus, item)
                if title != EXPECTED_TIP:
                    failures.append(f"tip {title!r}, expected {EXPECTED_TIP!r}")
            bodies = wait_for(lambda: [b for b in notify_bodies(log_path) if "08:30" in b], 20)
            if not bodies:
                failures.append(f"no break notification; calls seen: {notify_bodies(log_path)}")
            elif bodies[0].replace("\\n", "\n") != EXPECTED_BODY:
                failures.append(f"notification {bodies[0]!r}, expected {EXPECTED_BODY!r}")
        finally:
            app.terminate()
            try:
                app.wait(timeout=10)
            except subprocess.TimeoutExpired:
                failures.append("the program did not end on SIGTERM")
                app.kill()
            app_log.seek(0)
            output = app_log.read()
            app_log.close()
            monitor.terminate()
            monitor.wait()
    if failures:
        print("\n".join(failures))
        print("--- program:\n" + output)
        return 1
    print("ok: German menu, tip and notification")
    return 0


if __name__ == "__main__":
    sys.exit(main())
