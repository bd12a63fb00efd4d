#!/usr/bin/python3
"""The program under a headless mutter on Wayland, natively and through XWayland, with short idle
limits: input through mutter's remote desktop keeps the stretch, stillness stops it with "Idle";
the user's button is pressed over AT-SPI. Exit 77 (skipped) without mutter."""
import contextlib, importlib.util, os, shutil, struct, subprocess, sys, tempfile, time


def outer(program):
    tools = ("mutter", "dbus-run-session", "Xwayland")  # and gi for AT-SPI and D-Bus
    if not importlib.util.find_spec("gi") or not all(shutil.which(t) for t in tools):
        print("skipped: needs mutter, dbus, xwayland and python3-gi (see scripts/deps.sh)")
        return 77
    failed = 0
    for platform in ("wayland", "xcb"):
        runtime = tempfile.mkdtemp(prefix="zk-runtime-")
        result = os.path.join(runtime, "result")
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS")}
        env.update(XDG_RUNTIME_DIR=runtime, ZK_RESULT=result)
        with contextlib.suppress(subprocess.TimeoutExpired):
            subprocess.run(["dbus-run-session", "--", "mutter", "--headless", "--wayland",
                            "--virtual-monitor", "1280x800", "--", sys.executable, __file__,
                            platform, program], env=env, timeout=150,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        verdict = open(result).read() if os.path.exists(result) else "no verdict"
        print(f"{platform}: {verdict}")
        failed += verdict != "ok"
        shutil.rmtree(runtime, ignore_errors=True)
    return 1 if failed else 0


def records(log):
    """The name and length in seconds of each whole record of the log."""
    data = open(log, "rb").read() if os.path.exists(log) else b""
    seconds = lambda t: ((t[2] * 24 + t[3]) * 60 + t[4]) * 60 + t[5]
    out = []
    for at in range(0, len(data) - 147, 148):
        f = struct.unpack_from("<12i", data, at)
        text = bytes(((c & 63) * 4 + c // 64) & 255 for c in data[at + 48:at + 148])
        out.append((text.split(b"\0")[0].decode("latin-1"), seconds(f[6:]) - seconds(f[:6])))
    return out


def wait_for(what, check, seconds):
    deadline = time.time() + seconds
    while time.time() < deadline:
        if found := check():
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
        hits = (find(node.get_child_at_index(i), depth + 1) for i in range(node.get_child_count()))
        return next((hit for hit in hits if hit), None)

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
    home = tempfile.mkdtemp(prefix="zk-home-")  # the program's folder too, where its log goes
    config = os.path.join(home, ".config")
    os.makedirs(os.path.join(config, "Sitclock"))
    shutil.copy(program, home)
    open(os.path.join(config, "Sitclock", "Sitclock.ini"), "w").write("[Edit]\nUsers=Anna\n")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=config, QT_QPA_PLATFORM=platform,
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", ZITKLOK_TEST_IDLE_LIMITS="1,6",
               LANG="C.UTF-8", TZ="UTC")
    zitklok = subprocess.Popen([os.path.join(home, "zitklok")], env=env)
    log = os.path.join(home, "actions.dat")
    try:
        move = pointer_session()
        press("Anna")
        wait_for("Anna's record", lambda: records(log), 10)
        for i in range(24):  # twelve seconds of use, twice the idle limit
            move(4.0 if i % 2 else -4.0)
            time.sleep(0.5)
        assert len(records(log)) == 1, f"stopped while the pointer moved: {records(log)}"
        stopped = wait_for("the stop", lambda: len(records(log)) == 2 and records(log), 20)
        assert stopped[0][0] == "Anna" and stopped[0][1] >= 12 and stopped[1][0] == "Idle", stopped
        return "ok"
    except Exception as e:
        return f"failed: {e}"
    finally:
        zitklok.kill()
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    if len(sys.argv) == 3 and os.environ.get("ZK_RESULT"):
        open(os.environ["ZK_RESULT"], "w").write(inner(sys.argv[1], sys.argv[2]))
    else:
        sys.exit(outer(sys.argv[1]))
