#!/usr/bin/python3
"""The real program under a headless GNOME (mutter) on Wayland, once natively and once through
XWayland, with shortened idle limits: input injected through mutter's remote-desktop interface
keeps the stretch running, stillness stops it with an "Idle" record. The user's button is pressed
over the accessibility bus. Exit 77 (skipped) without mutter."""
import os, shutil, struct, subprocess, sys, tempfile, time

SKIP = 77


def outer(program):
    tools = ("mutter", "dbus-run-session", "Xwayland")
    try:
        import gi  # noqa: F401 (AT-SPI and D-Bus)
    except ImportError:
        tools = ()
    if not tools or not all(shutil.which(t) for t in tools):
        print("skipped: needs mutter, dbus, xwayland and python3-gi (see scripts/deps.sh)")
        return SKIP
    failed = 0
    for platform in ("wayland", "xcb"):
        runtime = tempfile.mkdtemp(prefix="zk-runtime-")
        result = os.path.join(runtime, "result")
        env = dict(os.environ, XDG_RUNTIME_DIR=runtime, ZK_RESULT=result)
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS"):
            env.pop(name, None)
        command = ["dbus-run-session", "--", "mutter", "--headless", "--wayland",
                   "--virtual-monitor", "1280x800", "--", sys.executable, __file__, platform,
                   program]
        try:
            subprocess.run(command, env=env, timeout=150, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
        except subprocess.TimeoutExpired:
            pass
        verdict = open(result).read() if os.path.exists(result) else "no verdict"
        print(f"{platform}: {verdict}")
        failed += verdict != "ok"
        shutil.rmtree(runtime, ignore_errors=True)
    return 1 if failed else 0


def records(log):
    data = open(log, "rb").read() if os.path.exists(log) else b""
    out = []
    for at in range(0, len(data) - 147, 148):
        f = struct.unpack_from("<12i", data, at)
        text = bytes(((c & 63) * 4 + c // 64) & 255 for c in data[at + 48:at + 148])
        seconds = lambda t: ((t[2] * 24 + t[3]) * 60 + t[4]) * 60 + t[5]
        name = text.split(b"\0")[0].decode("latin-1").rstrip()
        out.append((name, seconds(f[6:]) - seconds(f[:6])))
    return out


def wait_for(what, check, seconds):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = check()
        if found:
            return found
        time.sleep(0.5)
    raise AssertionError("waited in vain for " + what)


def press(name):
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi

    def find(node, depth=0):
        if node is None or depth > 12:
            return None
        if node.get_role() == Atspi.Role.PUSH_BUTTON and node.get_name() == name:
            return node
        for i in range(node.get_child_count()):
            hit = find(node.get_child_at_index(i), depth + 1)
            if hit:
                return hit
        return None

    button = wait_for("the button " + name, lambda: find(Atspi.get_desktop(0)), 30)
    button.get_action_iface().do_action(0)


def pointer_session():
    from gi.repository import Gio, GLib
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    call = lambda path, iface, method, args=None: bus.call_sync(
        "org.gnome.Mutter.RemoteDesktop", path, "org.gnome.Mutter.RemoteDesktop" + iface, method,
        args, None, Gio.DBusCallFlags.NONE, 5000, None)
    path = call("/org/gnome/Mutter/RemoteDesktop", "", "CreateSession").unpack()[0]
    call(path, ".Session", "Start")
    return lambda dx: call(path, ".Session", "NotifyPointerMotionRelative",
                           GLib.Variant("(dd)", (dx, 0.0)))


def inner(platform, program):
    home = tempfile.mkdtemp(prefix="zk-home-")
    folder = os.path.join(home, "bin")
    os.makedirs(os.path.join(home, ".config", "Sitclock"))
    os.makedirs(folder)
    shutil.copy(program, folder)
    with open(os.path.join(home, ".config", "Sitclock", "Sitclock.ini"), "w") as ini:
        ini.write("[Edit]\nUsers=Anna\n")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               QT_QPA_PLATFORM=platform, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               ZITKLOK_TEST_IDLE_LIMITS="1,6", LANG="C.UTF-8", TZ="UTC")
    zitklok = subprocess.Popen([os.path.join(folder, "zitklok")], env=env)
    log = os.path.join(folder, "actions.dat")
    try:
        move = pointer_session()
        press("Anna")
        wait_for("Anna's record", lambda: records(log), 10)
        for i in range(24):  # twelve seconds of use, twice the idle limit
            move(4.0 if i % 2 else -4.0)
            time.sleep(0.5)
        moving = records(log)
        assert len(moving) == 1, f"stopped while the pointer moved: {moving}"
        stopped = wait_for("the automatic stop", lambda: len(records(log)) == 2 and records(log),
                           20)
        assert stopped[0][0] == "Anna" and stopped[0][1] >= 12, stopped
        assert stopped[1][0] == "Idle", stopped
        return "ok"
    except Exception as e:
        return f"failed: {e}"
    finally:
        zitklok.kill()
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    if len(sys.argv) == 3 and os.environ.get("ZK_RESULT"):
        verdict = inner(sys.argv[1], sys.argv[2])
        open(os.environ["ZK_RESULT"], "w").write(verdict)
    else:
        sys.exit(outer(sys.argv[1]))
