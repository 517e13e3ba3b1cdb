#!/usr/bin/python3
"""A notification server on the session bus for the tests: org.freedesktop.Notifications with the
"actions" capability and an Inhibited property. Each Notify is printed as a line of JSON (id, summary,
body, actions); with --invoke, the first action of the first notification that has one is chosen
half a second later (ActionInvoked). It prints "ready" once it owns its name.

Usage: fake_notification_server.py [--inhibited] [--invoke]
"""
import json
import sys

from gi.repository import Gio, GLib

NAME = "org.freedesktop.Notifications"
PATH = "/org/freedesktop/Notifications"
XML = f"""<node><interface name="{NAME}">
  <method name="GetCapabilities"><arg type="as" direction="out"/></method>
  <method name="GetServerInformation">
    <arg type="s" direction="out"/><arg type="s" direction="out"/>
    <arg type="s" direction="out"/><arg type="s" direction="out"/>
  </method>
  <method name="Notify">
    <arg type="s" direction="in"/><arg type="u" direction="in"/><arg type="s" direction="in"/>
    <arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="as" direction="in"/>
    <arg type="a{{sv}}" direction="in"/><arg type="i" direction="in"/><arg type="u" direction="out"/>
  </method>
  <method name="CloseNotification"><arg type="u" direction="in"/></method>
  <signal name="ActionInvoked"><arg type="u"/><arg type="s"/></signal>
  <signal name="NotificationClosed"><arg type="u"/><arg type="u"/></signal>
  <property name="Inhibited" type="b" access="read"/>
</interface></node>"""

inhibited = "--inhibited" in sys.argv
invoke = "--invoke" in sys.argv
last_id = 0


def on_call(conn, sender, path, interface, method, params, invocation):
    global last_id, invoke
    if method == "GetCapabilities":
        invocation.return_value(GLib.Variant("(as)", (["actions", "body"],)))
    elif method == "GetServerInformation":
        invocation.return_value(GLib.Variant("(ssss)", ("fake", "tests", "1", "1.2")))
    elif method == "Notify":
        app, replaces, icon, summary, body, actions, hints, timeout = params.unpack()
        last_id += 1
        number = last_id
        print(json.dumps({"id": number, "summary": summary, "body": body, "actions": actions}), flush=True)
        invocation.return_value(GLib.Variant("(u)", (number,)))
        if invoke and actions:
            invoke = False

            def choose():
                conn.emit_signal(None, PATH, NAME, "ActionInvoked", GLib.Variant("(us)", (number, actions[0])))
                conn.emit_signal(None, PATH, NAME, "NotificationClosed", GLib.Variant("(uu)", (number, 2)))
                return False
            GLib.timeout_add(500, choose)
    else:
        invocation.return_value(None)


def on_get(conn, sender, path, interface, name):
    return GLib.Variant("b", inhibited)


def on_bus(conn, name):
    conn.register_object(PATH, Gio.DBusNodeInfo.new_for_xml(XML).interfaces[0], on_call, on_get, None)


Gio.bus_own_name(Gio.BusType.SESSION, NAME, Gio.BusNameOwnerFlags.NONE, on_bus,
                 lambda *a: print("ready", flush=True), lambda *a: loop.quit())
loop = GLib.MainLoop()
loop.run()
