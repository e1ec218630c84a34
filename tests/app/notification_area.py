#!/usr/bin/python3
"""Drives the real program through its notification-area item and its notices, as a panel and
a notification server would (see notification_area.sh for the session around it)."""
import datetime
import json
import os
import re
import subprocess
import sys
import time

import dbus

program, log_path = sys.argv[1], sys.argv[2]
settings = os.path.join(os.environ["XDG_CONFIG_HOME"], "VB and VBA Program Settings",
                        "Tempiro Timer.conf")
bus = dbus.SessionBus()


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(what, seconds, probe):
    """Polls probe() until it gives something; a wait that gives up says what it waited for."""
    end = time.time() + seconds
    while time.time() < end:
        try:
            found = probe()
        except dbus.DBusException:
            found = None
        if found:
            return found
        time.sleep(0.1)
    fail(f"{what} within {seconds} s")


def events(kind):
    with open(log_path) as log:
        return [e for e in map(json.loads, log) if e["event"] == kind]


def start():
    proc = subprocess.Popen([program], stderr=subprocess.DEVNULL)
    window = subprocess.run(["timeout", "15", "xdotool", "search", "--sync", "--onlyvisible",
                             "--name", "^Tempiro to Tea$"], capture_output=True, text=True)
    if not window.stdout:
        fail("no window titled 'Tempiro to Tea' within 15 s")
    return proc, window.stdout.split()[0]


def stop(proc):
    proc.terminate()
    if proc.wait(10) != 0:
        fail("the program did not end cleanly on SIGTERM")


def tooltip(item):
    props = dbus.Interface(bus.get_object(item, "/StatusNotifierItem"), dbus.PROPERTIES_IFACE)
    title, text = str(props.Get("org.kde.StatusNotifierItem", "ToolTip")[2]).split("\n")
    return title, text


def menu_click(item, label):
    menu = dbus.Interface(bus.get_object(item, "/MenuBar"), "com.canonical.dbusmenu")
    entries = {str(child[1].get("label", "")): int(child[0]) for child in menu.GetLayout(0, -1, [])[1][2]}
    if label not in entries:
        fail(f"no '{label}' in the item's menu: {sorted(entries)}")
    menu.Event(entries[label], "clicked", dbus.Int32(0), dbus.UInt32(0))


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.strip()


# An alarm six seconds away, with an event page, warning from its last minute.
os.makedirs(os.path.dirname(settings))
due = datetime.datetime.utcnow() + datetime.timedelta(seconds=6)
with open(settings, "w") as f:
    f.write(f"[Settings]\nAlarmTimeISO={due:%Y-%m-%dT%H:%M:%S}\nnTimeorInterval=0\n"
            "sEventTitle=Tea\nbWarn=True\nnWarnMin=1\nsLink=https://auction.example/lot\n")
proc, window = start()
item = wait_for("the item registered with the watcher", 10,
                lambda: [e["sender"] for e in events("registered")])[0]

props = dbus.Interface(bus.get_object(item, "/StatusNotifierItem"), dbus.PROPERTIES_IFACE)
if props.Get("org.kde.StatusNotifierItem", "Title") != "Tempiro Timer":
    fail(f"the item's title is {props.Get('org.kde.StatusNotifierItem', 'Title')}")
title, text = tooltip(item)
if title != "Tempiro to Tea" or not re.fullmatch(r"00:00:0\d left, ends \w+ [\d:]+", text):
    fail(f"tooltip: {title!r} / {text!r}")
wait_for("the tooltip to follow the countdown", 3, lambda: tooltip(item)[1] != text)

# A click on the item brings a minimised window back, in front.
xdotool("windowminimize", "--sync", window)
# The minimised window's title carries the count: then the program itself knows it is minimised.
wait_for("the program to see its window minimised", 5,
         lambda: re.fullmatch(r"\S+ Tempiro Timer", xdotool("getwindowname", window)))
bus.get_object(item, "/StatusNotifierItem").Activate(0, 0, dbus_interface="org.kde.StatusNotifierItem")
wait_for("the window active after a click on the item", 5, lambda: xdotool("getactivewindow") == window)

notice = wait_for("the expiry's notice", 15,
                  lambda: [e for e in events("notify") if e["body"] == "Time Expired"])[0]
warning = [e for e in events("notify") if e["body"] == "Time Remain: 1 minute"]
if not warning or notice["replaces"] != warning[0]["id"]:
    fail(f"the expiry's notice did not take the warning's place: {warning} {notice}")
labels = notice["actions"][1::2]
if sorted(labels) != ["Open Event Page", "Show Timer", "Snooze 5 Minutes"]:
    fail(f"the notice's actions are not each offered once: {labels}")
if (notice["urgency"], warning[0]["urgency"], notice["entry"]) != (2, 1, "tempiro"):
    fail(f"the end's notice is not critical, the warning's normal, both the program's: {notice}")
bus.get_object("org.tempiro.TestDesktop", "/org/freedesktop/Notifications").InvokeAction(
    notice["id"], "snooze", dbus_interface="org.tempiro.TestDesktop")
wait_for("five minutes in the tooltip after the snooze", 3,
         lambda: re.fullmatch(r"00:0[45]:\d\d left, .*", tooltip(item)[1]))
if not [e for e in events("closed") if e["id"] == notice["id"]]:
    fail("the expiry's notice was not withdrawn by the new alarm")
with open(settings) as f:
    stored = re.search(r"^AlarmTimeISO=(.*)$", f.read(), re.M)
snoozed_to = datetime.datetime.fromisoformat(stored.group(1)) if stored else None
if not snoozed_to or abs((snoozed_to - datetime.datetime.utcnow()).total_seconds() - 300) > 10:
    fail(f"the snooze was not saved as five minutes from now: {stored and stored.group(0)}")

menu = dbus.Interface(bus.get_object(item, "/MenuBar"), "com.canonical.dbusmenu")
keys = {str(c[1].get("label", "")): [[str(k) for k in s] for s in c[1].get("shortcut", [])]
        for c in menu.GetLayout(0, -1, [])[1][2]}
if keys.get("Pause") != [["Control", "P"]]:
    fail(f"the menu's Pause does not show its key Ctrl+P: {keys}")
menu_click(item, "Pause")
wait_for("'paused' in the tooltip", 3, lambda: tooltip(item)[1] == "paused")
menu_click(item, "Resume")
wait_for("the countdown back in the tooltip", 3, lambda: tooltip(item)[1] != "paused")

# A warning on screen when the timer closes goes with it: its choices would answer nobody.
shown = len(events("notify"))
subprocess.run([program, "--in", "30s"], check=True, capture_output=True)
warned = wait_for("the new alarm's warning", 5, lambda: events("notify")[shown:])[-1]

# Display → Notification Area Icon, the menu's last item, turns the item off for good.
xdotool("windowactivate", "--sync", window)
xdotool("key", "--delay", "150", "alt+d", "Up", "Return")
wait_for("the item gone after it was turned off", 5,
         lambda: [e for e in events("unregistered") if e["service"] == item])
stop(proc)
if not [e for e in events("closed") if e["id"] == warned["id"]]:
    fail("the warning's notice stayed on screen after the timer closed")
registered = len(events("registered"))
proc, window = start()
time.sleep(3)
stop(proc)
if len(events("registered")) != registered:
    fail("the item came back after a restart although it was turned off")
with open(settings) as f:
    if "bTrayIcon=False" not in f.read():
        fail("the choice was not saved")
print("item registered, tooltip followed, click, pause and resume, snooze and turning off work")
