"""The desktop around the game: its scale, and the helper programs a scenario
starts there (an X server, a window manager, a window over the game's), each
noted for the leftovers check (vestigios), as are their temporary folders.
"""

import contextlib
import os
import shutil
import struct
import subprocess
import tempfile
import time

from jogador import vestigios
from jogador.arranque import Failure, die_with_parent
from jogador.x11 import X11, with_x11


def helper(args, **options):
    """A helper program, noted for the leftovers check, ending with the driver."""
    process = subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, preexec_fn=die_with_parent, **options)
    vestigios.started(process.pid, args[0])
    return process


def end(process, timeout=5):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait(timeout)


def desktop_scale(dpi):
    """The desktop's scale as GNOME and KDE publish it, read by a program
    started after this (the display runs with -noreset, which keeps it) or
    followed by one running; None: no scale published."""
    change = (["-remove", "RESOURCE_MANAGER"] if dpi is None else
              ["-f", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER", "Xft.dpi: %d" % dpi])
    subprocess.run(["xprop", "-root"] + change, check=True, timeout=20)


def xsettings_bytes(settings):
    """_XSETTINGS_SETTINGS holding integer settings, least significant byte first."""
    out = struct.pack("<B3xII", 0, 1, len(settings))
    for name, value in settings.items():
        name = name.encode()
        out += struct.pack("<BxH", 0, len(name)) + name + bytes(-len(name) % 4)
        out += struct.pack("<Ii", 0, value)
    return out


@contextlib.contextmanager
def xsettings(settings):
    """An XSETTINGS manager of the block's length, publishing the settings;
    the block gets a function that publishes others."""
    x11 = X11()
    try:
        window = x11.xsettings_manager(xsettings_bytes(settings))
        yield lambda changed: x11.set_settings(window, xsettings_bytes(changed))
    finally:
        x11.close()


# How each window manager is started, the property it puts on the root
# window once it handles new windows, and where its title bar's close button
# is: so many pixels left of the frame's right edge, half way down the bar.
MANAGERS = {
    "openbox": (["openbox", "--sm-disable"], None, 12),
    # Without the Breeze decoration KWin draws no frame at all.
    "kwin": (["kwin_x11", "--replace"], "_NET_ACTIVE_WINDOW", 20),
    "xfwm4": (["xfwm4", "--replace", "--sm-client-disable"], "_NET_WORKAREA", 16),
}


@contextlib.contextmanager
def window_manager(name="openbox", timeout=20.0):
    """A window manager managing the display for the length of a with block,
    KWin and xfwm4 on a session bus of their own (with no accessibility bus)."""
    folder = tempfile.mkdtemp(prefix="trevalia-%s-" % name, dir=vestigios.temporary_folder())
    # The window manager check on the root window appears before openbox
    # handles new windows, and a window mapped in between is never managed:
    # its start-up command, run once it is ready, tells when.
    ready = os.path.join(folder, "pronto")
    env = dict(os.environ, HOME=folder, XDG_CONFIG_HOME=folder, NO_AT_BRIDGE="1")
    args, sign, _ = MANAGERS[name]
    started = []

    def ready_now():
        if sign is None:
            return os.path.exists(ready) and with_x11(lambda x11: x11.manager_running())
        return with_x11(lambda x11: x11.manager_running(sign))

    try:
        if sign is None:
            args = args + ["--startup", "touch " + ready]
        else:
            read, write = os.pipe()
            started.append(helper(["dbus-daemon", "--session", "--nofork",
                                   "--print-address=%d" % write], pass_fds=(write,)))
            os.close(write)
            with os.fdopen(read) as told:
                env["DBUS_SESSION_BUS_ADDRESS"] = told.readline().strip()
        started.append(helper(args, env=env))
        deadline = time.monotonic() + timeout
        while not ready_now():
            if started[-1].poll() is not None or time.monotonic() > deadline:
                raise Failure("%s did not start managing the display" % name)
            time.sleep(0.05)
        yield
    finally:
        for process in reversed(started):
            end(process)
        shutil.rmtree(folder, ignore_errors=True)


def own_server():
    """An Xvfb of the scenario's own and its display's name. Two servers
    starting at once may reach for the same number, and the loser ends without
    naming one: it is started again."""
    for _ in range(5):
        read, write = os.pipe()
        server = helper(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                         "-nolisten", "tcp"], pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as told:
            number = told.readline().strip()
        if number:
            return server, ":" + number
        server.wait()
    raise Failure("no Xvfb of the scenario's own would start")


def cover(geometry, text):
    """A window of another program over that part of the screen: an xmessage
    without buttons."""
    return helper(["xmessage", "-geometry", geometry, "-buttons", "", text])
