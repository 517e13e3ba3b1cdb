#!/usr/bin/python3
"""The real program on a German desktop (LANG=de_DE.UTF-8, LANGUAGE=de), started in the
notification area a few seconds before a moment under a faked clock: its icon's tip and menu on
the session bus and the break notification are German, the time as the 24-hour setting writes it.
On the same desktop LANGUAGE wins over LANG: LANGUAGE=fr gives a French menu, LANGUAGE=sv (no
catalog) the English one. Needs the private desktop of scripts/with-desktop.sh and the de_DE.UTF-8
locale.

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

EXPECTED_BODY = "Es ist 08:30\nZeit für einen Stillmark!"
# LANGUAGE, with LANG=de_DE.UTF-8: the menu and the tip; the break notification for the first only.
CASES = [
    ("de", ["Über Stillmark…", "Anzeigen", "Für heute pausieren", "Beenden"], "Nächster Stillmark um 08:30"),
    ("fr", ["À propos de Stillmark…", "Afficher", "Pause pour aujourd'hui", "Quitter"],
     "Prochain Stillmark à 08:30"),
    ("sv", ["About Stillmark...", "Show", "Pause for today", "Exit"], "Next Stillmark at 08:30"),
]


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


def run(program, language, expected_menu, expected_tip, with_notification):
    failures = []
    output = ""
    with tempfile.TemporaryDirectory() as home:
        with open(os.path.join(home, "stillmark.INI"), "w") as ini:
            # A moment of its own, 08:30: other tests' programs alert at other times.
            ini.write("[Settings]\nStartHour=08:30\nEndHour=09:30\nStillpoints=2\nUseSound=0\nStartMinimized=1\n")
        env = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
        env.update(XDG_CONFIG_HOME=home, LANG="de_DE.UTF-8", LANGUAGE=language)
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
                if labels != expected_menu:
                    failures.append(f"menu {labels}, expected {expected_menu}")
                title = tip_title(bus, item)
                if title != expected_tip:
                    failures.append(f"tip {title!r}, expected {expected_tip!r}")
            if with_notification:
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
        print(f"LANGUAGE={language}: " + "\n".join(failures))
        print("--- program:\n" + output)
    return not failures


def main():
    program = sys.argv[1]
    passed = [run(program, language, menu, tip, first) for first, (language, menu, tip)
              in zip([True] + [False] * (len(CASES) - 1), CASES)]
    if not all(passed):
        return 1
    print("ok: German menu, tip and notification; LANGUAGE before LANG")
    return 0


if __name__ == "__main__":
    sys.exit(main())
