#!/usr/bin/env python3
"""A stand-in org.freedesktop.login1 on a private bus (run under dbus-run-session).

It answers GetSessionByPID with a session of its own and records every call; the probe given
on the command line runs with that bus as its system bus. Passes when the probe locked exactly
the session found for its own process. Exits 77 (skipped) without python3-gi.
"""
import os
import subprocess
import sys
import threading

try:
    from gi.repository import Gio, GLib
except ImportError:
    print("python3-gi is missing: skipped")
    sys.exit(77)

SESSION = "/org/freedesktop/login1/session/c7"
XML = """<node>
  <interface name="org.freedesktop.login1.Manager">
    <method name="GetSessionByPID"><arg type="u" direction="in"/><arg type="o" direction="out"/></method>
  </interface>
  <interface name="org.freedesktop.login1.Session"><method name="Lock"/></interface>
</node>"""

calls = []


def handle(_conn, _sender, path, interface, method, params, invocation):
    calls.append((path, interface, method, params.unpack()))
    if method == "GetSessionByPID":
        invocation.return_value(GLib.Variant("(o)", (SESSION,)))
    else:
        invocation.return_value(None)


bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
node = Gio.DBusNodeInfo.new_for_xml(XML)
bus.register_object("/org/freedesktop/login1", node.interfaces[0], handle, None, None)
bus.register_object(SESSION, node.interfaces[1], handle, None, None)
bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
              "RequestName", GLib.Variant("(su)", ("org.freedesktop.login1", 4)),
              GLib.VariantType("(u)"), Gio.DBusCallFlags.NONE, -1, None)

env = dict(os.environ, DBUS_SYSTEM_BUS_ADDRESS=os.environ["DBUS_SESSION_BUS_ADDRESS"],
           QT_QPA_PLATFORM="offscreen")
loop = GLib.MainLoop()
probe = subprocess.Popen(sys.argv[1:], env=env, stdout=subprocess.PIPE, text=True)
result = {}


def wait():
    result["out"] = probe.communicate(timeout=30)[0].strip()
    GLib.idle_add(loop.quit)


threading.Thread(target=wait, daemon=True).start()
loop.run()

expected = [
    ("/org/freedesktop/login1", "org.freedesktop.login1.Manager", "GetSessionByPID", (probe.pid,)),
    (SESSION, "org.freedesktop.login1.Session", "Lock", ()),
]
print("probe:", result.get("out"))
print("calls:", calls)
sys.exit(0 if result.get("out") == "locked" and calls == expected else 1)
