#!/usr/bin/python3
"""One desktop service for the tests, telling one yes/no that it announces when it changes:
  screensaver  org.freedesktop.ScreenSaver GetActive / ActiveChanged (session bus)
  logind       org.freedesktop.login1: GetSession("auto") and the session's LockedHint with
               PropertiesChanged (the system bus, DBUS_SYSTEM_BUS_ADDRESS)
  xfconf       org.xfce.Xfconf GetProperty("xfce4-notifyd", "/do-not-disturb") / PropertyChanged
It starts with the given state; each line "0" or "1" on its standard input changes it and announces
it. It prints "ready" once it owns its name.

Usage: fake_desktop_service.py screensaver|logind|xfconf 0|1
"""
import sys

from gi.repository import Gio, GLib

SESSION = "/org/freedesktop/login1/session/_31"
SERVICES = {
    "screensaver": dict(bus=Gio.BusType.SESSION, name="org.freedesktop.ScreenSaver", xml="""<node>
  <interface name="org.freedesktop.ScreenSaver">
    <method name="GetActive"><arg type="b" direction="out"/></method>
    <signal name="ActiveChanged"><arg type="b"/></signal>
  </interface></node>""", paths=["/org/freedesktop/ScreenSaver"]),
    "logind": dict(bus=Gio.BusType.SYSTEM, name="org.freedesktop.login1", xml=f"""<node>
  <interface name="org.freedesktop.login1.Manager">
    <method name="GetSession"><arg type="s" direction="in"/><arg type="o" direction="out"/></method>
  </interface>
  <interface name="org.freedesktop.login1.Session">
    <property name="LockedHint" type="b" access="read"/>
  </interface></node>""", paths=["/org/freedesktop/login1", SESSION]),
    "xfconf": dict(bus=Gio.BusType.SESSION, name="org.xfce.Xfconf", xml="""<node>
  <interface name="org.xfce.Xfconf">
    <method name="GetProperty">
      <arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/>
    </method>
    <signal name="PropertyChanged"><arg type="s"/><arg type="s"/><arg type="v"/></signal>
  </interface></node>""", paths=["/org/xfce/Xfconf"]),
}

kind = sys.argv[1]
service = SERVICES[kind]
state = sys.argv[2] == "1"
connection = None


def on_call(conn, sender, path, interface, method, params, invocation):
    if method == "GetActive":
        invocation.return_value(GLib.Variant("(b)", (state,)))
    elif method == "GetSession":
        invocation.return_value(GLib.Variant("(o)", (SESSION,)))
    elif method == "GetProperty":
        invocation.return_value(GLib.Variant("(v)", (GLib.Variant("b", state),)))


def on_get(conn, sender, path, interface, name):
    return GLib.Variant("b", state)


def announce():
    if kind == "screensaver":
        connection.emit_signal(None, "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver",
                               "ActiveChanged", GLib.Variant("(b)", (state,)))
    elif kind == "logind":
        connection.emit_signal(None, SESSION, "org.freedesktop.DBus.Properties", "PropertiesChanged",
                               GLib.Variant("(sa{sv}as)", ("org.freedesktop.login1.Session",
                                                           {"LockedHint": GLib.Variant("b", state)}, [])))
    else:
        connection.emit_signal(None, "/org/xfce/Xfconf", "org.xfce.Xfconf", "PropertyChanged",
                               GLib.Variant("(ssv)", ("xfce4-notifyd", "/do-not-disturb", GLib.Variant("b", state))))
    connection.flush_sync(None)


def on_bus(conn, name):
    global connection
    connection = conn
    interfaces = Gio.DBusNodeInfo.new_for_xml(service["xml"]).interfaces
    for path, interface in zip(service["paths"], interfaces):
        conn.register_object(path, interface, on_call, on_get, None)


def on_input(channel, condition):
    global state
    line = sys.stdin.readline()
    if not line:
        loop.quit()
        return False
    state = line.strip() == "1"
    announce()
    return True


Gio.bus_own_name(service["bus"], service["name"], Gio.BusNameOwnerFlags.NONE, on_bus,
                 lambda *a: print("ready", flush=True), lambda *a: loop.quit())
GLib.io_add_watch(GLib.IOChannel.unix_new(sys.stdin.fileno()), GLib.PRIORITY_DEFAULT, GLib.IO_IN | GLib.IO_HUP,
                  on_input)
loop = GLib.MainLoop()
loop.run()
