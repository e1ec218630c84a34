#!/usr/bin/python3
"""Stand-ins for the system services a timer test needs on a private system bus: logind's
manager (Inhibit hands out a pipe's end whose closing is the release; PrepareForSleep is raised
through the control object) and timedate1 with its clock not synchronised (unless told). Each
call they receive is written to the log file as a JSON line.

Usage: system-standins.py LOG [--synchronised]
"""
import json
import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

LOGIN = "org.freedesktop.login1"
MANAGER = "org.freedesktop.login1.Manager"
TIMEDATE = "org.freedesktop.timedate1"
CONTROL = "org.tempiro.TestSystem"

log_file = open(sys.argv[1], "a", buffering=1)
synchronised = "--synchronised" in sys.argv


def log(**entry):
    log_file.write(json.dumps(entry) + "\n")


class Login(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/freedesktop/login1")

    @dbus.service.method(MANAGER, in_signature="ssss", out_signature="h")
    def Inhibit(self, what, who, why, mode):
        read_end, write_end = os.pipe()
        log(event="inhibit", what=str(what), who=str(who), why=str(why), mode=str(mode))

        def released(fd, condition):
            log(event="released", why=str(why))
            os.close(fd)
            return False

        GLib.io_add_watch(read_end, GLib.IO_HUP | GLib.IO_ERR, released)
        handed = dbus.types.UnixFd(write_end)  # a copy travels; ours is closed
        os.close(write_end)
        return handed

    @dbus.service.signal(MANAGER, signature="b")
    def PrepareForSleep(self, start):
        pass

    # The test's hand: the computer goes to sleep (True) or wakes (False).
    @dbus.service.method(CONTROL, in_signature="b")
    def Sleep(self, start):
        log(event="sleep", start=bool(start))
        self.PrepareForSleep(start)


class Timedate(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/freedesktop/timedate1")

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, prop):
        log(event="asked", property=str(prop))
        return {"NTPSynchronized": dbus.Boolean(synchronised), "NTP": dbus.Boolean(True)}[str(prop)]


DBusGMainLoop(set_as_default=True)
bus = dbus.bus.BusConnection(os.environ["DBUS_SYSTEM_BUS_ADDRESS"])
login = Login(bus)
timedate = Timedate(bus)
names = [dbus.service.BusName(n, bus) for n in (LOGIN, TIMEDATE, CONTROL)]
log(event="ready")
GLib.MainLoop().run()
