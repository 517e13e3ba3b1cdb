#!/usr/bin/python3
"""A screen saver on the session bus for the tests: org.freedesktop.ScreenSaver with GetActive and
ActiveChanged. It starts active (locked) when given "1"; each line "0" or "1" on its standard input
changes the state and announces it. It prints "ready" once it owns its name.

Usage: fake_screen_saver.py 0|1
"""
import sys

from gi.repository import Gio, GLib

NAME = "org.freedesktop.ScreenSaver"
PATH = "/org/freedesktop/ScreenSaver"
XML = f"""<node><interface name="{NAME}">
  <method name="GetActive"><arg type="b" direction="out"/></method>
  <signal name="ActiveChanged"><arg type="b"/></signal>
</interface></node>"""

active = sys.argv[1] == "1"
connection = None


def on_call(conn, sender, path, interface, method, params, invocation):
    invocation.return_value(GLib.Variant("(b)", (active,)))


def on_bus(conn, name):
    global connection
    connection = conn
    conn.register_object(PATH, Gio.DBusNodeInfo.new_for_xml(XML).interfaces[0], on_call, None, None)


def on_name(conn, name):
    print("ready", flush=True)


def on_input(channel, condition):
    global active
    line = sys.stdin.readline()
    if not line:
        loop.quit()
        return False
    active = line.strip() == "1"
    connection.emit_signal(None, PATH, NAME, "ActiveChanged", GLib.Variant("(b)", (active,)))
    connection.flush_sync(None)
    return True


Gio.bus_own_name(Gio.BusType.SESSION, NAME, Gio.BusNameOwnerFlags.NONE, on_bus, on_name, lambda *a: loop.quit())
GLib.io_add_watch(GLib.IOChannel.unix_new(sys.stdin.fileno()), GLib.PRIORITY_DEFAULT, GLib.IO_IN | GLib.IO_HUP,
                  on_input)
loop = GLib.MainLoop()
loop.run()
