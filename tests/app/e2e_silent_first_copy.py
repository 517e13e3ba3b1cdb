#!/usr/bin/python3
"""A start while another process owns the program's bus name and does not answer its Activate (an
error answer, or none at all): the user reads "Stillmark is already running but does not answer." in a
message box, and once it is closed the start ends with a status that is not 0.

Usage: e2e_silent_first_copy.py PROGRAM   (on the private desktop's session bus; run alone)
"""
import os
import subprocess
import sys
import tempfile

from gi.repository import Gio, GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "reliability"))
from desktop_harness import Checks, wait_for, windows, xdotool  # noqa: E402

NAME = "org.stillmark.Stillmark"
INTERFACE = """<node><interface name="org.freedesktop.Application">
  <method name="Activate"><arg type="a{sv}" direction="in"/></method></interface></node>"""
MESSAGE = "Stillmark is already running but does not answer."


def own_name(answers):
    """A connection that owns the name; with answers=False its Activate never replies."""
    # A connection of its own, not the shared one: closing it gives the name back.
    bus = Gio.DBusConnection.new_for_address_sync(
        Gio.dbus_address_get_for_bus_sync(Gio.BusType.SESSION, None),
        Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    held = []
    if not answers:
        node = Gio.DBusNodeInfo.new_for_xml(INTERFACE)
        held.append(bus.register_object("/org/stillmark/Stillmark", node.interfaces[0],
                                        lambda *call: held.append(call[-1]), None, None))
    reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
                          GLib.Variant("(su)", (NAME, 4)), GLib.VariantType("(u)"), Gio.DBusCallFlags.NONE, 3000,
                          None).unpack()[0]
    return bus, held, reply == 1


def pump_until(found, seconds):
    """The fake owner's calls are served by this process's main context while it waits."""
    context = GLib.MainContext.default()
    return wait_for(lambda: (context.iteration(False), found())[1], seconds, 0.05)


def start_against(program, checks, what, answers):
    bus, held, owned = own_name(answers)
    checks.expect(f"{what}: the fake owner holds the name", owned)
    folder = tempfile.mkdtemp(prefix="stillmark-silent-")
    proc = subprocess.Popen([program], env=dict(os.environ, XDG_CONFIG_HOME=folder), stdout=subprocess.PIPE,
                            stderr=subprocess.STDOUT, text=True)
    try:
        box = pump_until(lambda: next((w for w in windows(proc.pid) if xdotool("getwindowname", w) == "Stillmark"),
                                      None), 15)
        checks.expect(f"{what}: a message box opens", box is not None)
        if box:
            xdotool("windowfocus", "--sync", box)
            xdotool("key", "Return")
        status = pump_until(lambda: proc.poll(), 10)
        output = proc.stdout.read() if proc.poll() is not None else ""
        checks.expect(f"{what}: the box says why", MESSAGE in output, output)
        checks.expect(f"{what}: the start ends with a status that is not 0", status not in (None, 0),
                      f"status {status}\n{output}")
    finally:
        if proc.poll() is None:
            proc.kill()
            proc.wait()
        bus.close_sync(None)


def main():
    program = sys.argv[1]
    checks = Checks()
    start_against(program, checks, "an owner that answers with an error", True)
    start_against(program, checks, "an owner that never answers", False)
    return checks.report()


if __name__ == "__main__":
    sys.exit(main())
