"""The desktop around the game's window: the screen's size, the rectangle the
window takes on it with whatever frame a window manager put around it, and a
real window manager (Debian's openbox) to put one.
"""

import ctypes
import os
import shutil
import subprocess
import tempfile
import time

from arranque import Failure, die_with_parent


class X11:
    """The few Xlib calls the tests need, on one connection of their own."""

    def __init__(self):
        x = ctypes.CDLL("libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XDefaultScreen.argtypes = [ctypes.c_void_p]
        x.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
        u, p = ctypes.c_uint, ctypes.POINTER
        x.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong, p(ctypes.c_ulong),
                                   p(ctypes.c_int), p(ctypes.c_int), p(u), p(u), p(u), p(u)]
        x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, p(ctypes.c_ulong),
                                 p(ctypes.c_ulong), p(ctypes.c_void_p), p(u)]
        x.XTranslateCoordinates.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong,
                                            ctypes.c_int, ctypes.c_int, p(ctypes.c_int),
                                            p(ctypes.c_int), p(ctypes.c_ulong)]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XGetWindowProperty.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
            ctypes.c_int, ctypes.c_ulong, p(ctypes.c_ulong), p(ctypes.c_int),
            p(ctypes.c_ulong), p(ctypes.c_ulong), p(ctypes.c_void_p)]
        x.XFree.argtypes = [ctypes.c_void_p]
        x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x.XKillClient.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.x = x
        self.display = x.XOpenDisplay(None)
        if not self.display:
            raise Failure("cannot open the X display %r" % os.environ.get("DISPLAY"))
        self.root = x.XDefaultRootWindow(self.display)

    def close(self):
        self.x.XCloseDisplay(self.display)

    def sync(self):
        """A round trip: the server has handled what any client sent before it,
        and passed on the events that made."""
        self.x.XSync(self.display, 0)

    def screen_size(self):
        screen = self.x.XDefaultScreen(self.display)
        return (self.x.XDisplayWidth(self.display, screen),
                self.x.XDisplayHeight(self.display, screen))

    def parent(self, window):
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.c_void_p(), ctypes.c_uint()
        if not self.x.XQueryTree(self.display, window, ctypes.byref(root), ctypes.byref(parent),
                                 ctypes.byref(children), ctypes.byref(count)):
            raise Failure("window %#x is gone" % window)
        if children:
            self.x.XFree(children)
        return parent.value

    def rectangle(self, window):
        """Left, top, right and bottom on the screen, borders included."""
        root, x, y = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()
        w, h, border, depth = ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint()
        self.x.XGetGeometry(self.display, window, ctypes.byref(root), ctypes.byref(x),
                            ctypes.byref(y), ctypes.byref(w), ctypes.byref(h),
                            ctypes.byref(border), ctypes.byref(depth))
        left, top, child = ctypes.c_int(), ctypes.c_int(), ctypes.c_ulong()
        self.x.XTranslateCoordinates(self.display, window, self.root, 0, 0, ctypes.byref(left),
                                     ctypes.byref(top), ctypes.byref(child))
        b = border.value
        return (left.value - b, top.value - b, left.value + w.value + b,
                top.value + h.value + b)

    def manager_running(self):
        """Whether a window manager has announced itself on the root window."""
        atom = self.x.XInternAtom(self.display, b"_NET_SUPPORTING_WM_CHECK", 1)
        if not atom:
            return False
        kind, fmt = ctypes.c_ulong(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        self.x.XGetWindowProperty(self.display, self.root, atom, 0, 1, 0, 0, ctypes.byref(kind),
                                  ctypes.byref(fmt), ctypes.byref(count), ctypes.byref(after),
                                  ctypes.byref(data))
        if data:
            self.x.XFree(data)
        return count.value > 0


def _with_x11(ask):
    x11 = X11()
    try:
        return ask(x11)
    finally:
        x11.close()


def screen_size():
    return _with_x11(lambda x11: x11.screen_size())


def kill_client(window):
    """Closes the connection of the client that made the window, as xkill does."""
    def ask(x11):
        x11.x.XKillClient(x11.display, window)
        x11.sync()
    _with_x11(ask)


def outer_rectangle(window):
    """The rectangle a window takes on the screen: that of the frame a window
    manager put around it (the topmost window under the root holding it), or
    its own without one."""
    def ask(x11):
        outer, parent = window, x11.parent(window)
        while parent not in (0, x11.root):
            outer, parent = parent, x11.parent(parent)
        return x11.rectangle(outer)
    return _with_x11(ask)


class Openbox:
    """Debian's openbox managing the display for the length of a with block."""

    def __init__(self, timeout=20.0):
        self.folder = tempfile.mkdtemp(prefix="trevalia-openbox-")
        # The window manager check on the root window appears before openbox
        # handles new windows, and a window mapped in between is never managed:
        # its start-up command, run once it is ready, tells when.
        ready = os.path.join(self.folder, "pronto")
        env = dict(os.environ, HOME=self.folder, XDG_CONFIG_HOME=self.folder)
        self.process = subprocess.Popen(["openbox", "--sm-disable", "--startup", "touch " + ready],
                                        env=env, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                        preexec_fn=die_with_parent)
        deadline = time.monotonic() + timeout
        while not (os.path.exists(ready) and _with_x11(lambda x11: x11.manager_running())):
            if self.process.poll() is not None or time.monotonic() > deadline:
                self.close()
                raise Failure("openbox did not start managing the display")
            time.sleep(0.05)

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(5)
        shutil.rmtree(self.folder, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, kind, value, trace):
        self.close()
