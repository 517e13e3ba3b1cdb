#!/usr/bin/python3
"""A StatusNotifierWatcher with a host for the private test desktop (GDBus through PyGObject).

It owns org.kde.StatusNotifierWatcher on the session bus, accepts items, forgets them when their
bus name goes away, and reports a registered host, standing in for a desktop panel.
  --replace   take the name over from the running watcher (which gets it back when this one ends)
  --no-host   report no registered host (a watcher whose panel is gone, or not yet up), until a host
              calls RegisterStatusNotifierHost
"""
import argparse
import sys

from gi.repository import Gio, GLib

XML = """
<node>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
    <signal name="StatusNotifierHostUnregistered"/>
  </interface>
</node>
"""
NAME = "org.kde.StatusNotifierWatcher"
PATH = "/StatusNotifierWatcher"


class Watcher:
    def __init__(self, bus, has_host):
        self.bus = bus
        self.has_host = has_host
        self.items = {}  # "name/path" -> watch id
        info = Gio.DBusNodeInfo.new_for_xml(XML).interfaces[0]
        bus.register_object(PATH, info, self.on_call, self.on_get, None)

    def emit(self, signal, item):
        self.bus.emit_signal(None, PATH, NAME, signal, GLib.Variant("(s)", (item,)))

    def on_call(self, bus, sender, path, interface, method, params, invocation):
        if method == "RegisterStatusNotifierItem":
            service = params.unpack()[0]
            # An object path alone names an item of the caller; a bus name, its usual path.
            name, item_path = (sender, service) if service.startswith("/") else (service, "/StatusNotifierItem")
            item = name + item_path
            if item not in self.items:
                self.items[item] = Gio.bus_watch_name_on_connection(
                    bus, name, Gio.BusNameWatcherFlags.NONE, None,
                    lambda _bus, _name, item=item: self.forget(item))
            print("registered", item, flush=True)
            self.emit("StatusNotifierItemRegistered", item)
        elif method == "RegisterStatusNotifierHost" and not self.has_host:
            self.has_host = True
            print("host", params.unpack()[0], flush=True)
            self.bus.emit_signal(None, PATH, NAME, "StatusNotifierHostRegistered", None)
        invocation.return_value(None)

    def forget(self, item):
        watch = self.items.pop(item, None)
        if watch is not None:
            Gio.bus_unwatch_name(watch)
            print("unregistered", item, flush=True)
            self.emit("StatusNotifierItemUnregistered", item)

    def on_get(self, bus, sender, path, interface, prop):
        if prop == "RegisteredStatusNotifierItems":
            return GLib.Variant("as", list(self.items))
        if prop == "IsStatusNotifierHostRegistered":
            return GLib.Variant("b", self.has_host)
        if prop == "ProtocolVersion":
            return GLib.Variant("i", 0)
        return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--replace", action="store_true")
    parser.add_argument("--no-host", action="store_true")
    args = parser.parse_args()
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    Watcher(bus, not args.no_host)
    flags = Gio.BusNameOwnerFlags.ALLOW_REPLACEMENT
    if args.replace:
        flags |= Gio.BusNameOwnerFlags.REPLACE
    loop = GLib.MainLoop()
    Gio.bus_own_name_on_connection(bus, NAME, flags, lambda *_: print("watching", flush=True), None)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, 15, loop.quit)
    loop.run()
    return 0


if __name__ == "__main__":
    sys.exit(main())
