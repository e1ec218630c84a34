#!/usr/bin/python3
"""Stand-ins for the desktop services a timer test needs on a private session bus: a
StatusNotifierWatcher with a host registered (so that Qt shows its item over D-Bus) and a
notification server that offers actions. Each call they receive is written to the log file as a
JSON line; the test raises a notice's action through the control object (InvokeAction).

Usage: desktop-standins.py LOG [--no-actions]
"""
import json
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

WATCHER = "org.kde.StatusNotifierWatcher"
NOTIFICATIONS = "org.freedesktop.Notifications"
CONTROL = "org.tempiro.TestDesktop"

# Qt builds its watcher proxy from introspection: the properties must be declared.
WATCHER_XML = """<node><interface name="org.kde.StatusNotifierWatcher">
<method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
<method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
<property name="RegisteredStatusNotifierItems" type="as" access="read"/>
<property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
<property name="ProtocolVersion" type="i" access="read"/>
<signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
<signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
<signal name="StatusNotifierHostRegistered"/>
</interface>
<interface name="org.freedesktop.DBus.Properties">
<method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/></method>
<method name="GetAll"><arg type="s" direction="in"/><arg type="a{sv}" direction="out"/></method>
</interface>
<interface name="org.freedesktop.DBus.Introspectable">
<method name="Introspect"><arg type="s" direction="out"/></method>
</interface></node>"""

log_file = open(sys.argv[1], "a", buffering=1)
offer_actions = "--no-actions" not in sys.argv


def log(**entry):
    log_file.write(json.dumps(entry) + "\n")


class Watcher(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.bus = bus
        self.items = {}  # service -> the bus name that owns it

    @dbus.service.method("org.freedesktop.DBus.Introspectable", out_signature="s")
    def Introspect(self):
        return WATCHER_XML

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        name = service if service.startswith(":") or "." in service else sender
        self.items[str(service)] = str(sender)
        log(event="registered", service=str(service), sender=str(sender))
        self.bus.watch_name_owner(name, lambda owner, s=str(service): self._owner(s, owner))
        self.StatusNotifierItemRegistered(service)

    def _owner(self, service, owner):
        if not owner and service in self.items:
            del self.items[service]
            log(event="unregistered", service=service)
            self.StatusNotifierItemUnregistered(service)

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, prop):
        return self.GetAll(interface)[prop]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return {
            "RegisteredStatusNotifierItems": dbus.Array(list(self.items), signature="s"),
            "IsStatusNotifierHostRegistered": dbus.Boolean(True),
            "ProtocolVersion": dbus.Int32(0),
        }

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemUnregistered(self, service):
        pass


class Notifications(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.next_id = 0

    @dbus.service.method(NOTIFICATIONS, out_signature="as")
    def GetCapabilities(self):
        return ["body", "actions"] if offer_actions else ["body"]

    @dbus.service.method(NOTIFICATIONS, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        if replaces:
            nid = int(replaces)
        else:
            self.next_id += 1
            nid = self.next_id
        log(event="notify", id=nid, replaces=int(replaces), summary=str(summary),
            body=str(body), actions=[str(a) for a in actions],
            urgency=int(hints.get("urgency", 1)), entry=str(hints.get("desktop-entry", "")))
        return nid

    @dbus.service.method(NOTIFICATIONS, in_signature="u")
    def CloseNotification(self, nid):
        log(event="closed", id=int(nid))
        self.NotificationClosed(nid, 3)

    @dbus.service.method(NOTIFICATIONS, out_signature="ssss")
    def GetServerInformation(self):
        return ("stand-in", "tempiro tests", "1", "1.2")

    @dbus.service.signal(NOTIFICATIONS, signature="us")
    def ActionInvoked(self, nid, key):
        pass

    @dbus.service.signal(NOTIFICATIONS, signature="uu")
    def NotificationClosed(self, nid, reason):
        pass

    # The test's hand: a click on one of the notice's buttons.
    @dbus.service.method(CONTROL, in_signature="us")
    def InvokeAction(self, nid, key):
        self.ActionInvoked(nid, key)
        self.NotificationClosed(nid, 2)


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
watcher = Watcher(bus)
notifications = Notifications(bus)
names = [dbus.service.BusName(n, bus) for n in (WATCHER, NOTIFICATIONS, CONTROL)]
log(event="ready")
GLib.MainLoop().run()
