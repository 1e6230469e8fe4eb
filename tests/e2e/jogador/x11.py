"""The one binding of Xlib that the tests use, through ctypes: geometry, the
window manager's presence, a client killed, a title bar's close request, an
XSETTINGS manager.
"""

import ctypes
import os

from jogador.arranque import Failure

P, V, UL, I, U, L = (ctypes.POINTER, ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                     ctypes.c_uint, ctypes.c_long)
# The calls used, with their result and argument types.
CALLS = {
    "XOpenDisplay": (V, [ctypes.c_char_p]), "XDefaultRootWindow": (UL, [V]),
    "XDefaultScreen": (I, [V]), "XDisplayWidth": (I, [V, I]), "XDisplayHeight": (I, [V, I]),
    "XGetGeometry": (I, [V, UL, P(UL), P(I), P(I), P(U), P(U), P(U), P(U)]),
    "XQueryTree": (I, [V, UL, P(UL), P(UL), P(V), P(U)]),
    "XTranslateCoordinates": (I, [V, UL, UL, I, I, P(I), P(I), P(UL)]),
    "XInternAtom": (UL, [V, ctypes.c_char_p, I]),
    "XGetWindowProperty": (I, [V, UL, UL, L, L, I, UL, P(UL), P(I), P(UL), P(UL), P(V)]),
    "XFree": (I, [V]), "XSync": (I, [V, I]), "XKillClient": (I, [V, UL]),
    "XSendEvent": (I, [V, UL, I, L, V]), "XFlush": (I, [V]), "XCloseDisplay": (I, [V]),
    "XCreateSimpleWindow": (UL, [V, UL, I, I, U, U, U, UL, UL]),
    "XSetSelectionOwner": (I, [V, UL, UL, UL]),
    "XChangeProperty": (I, [V, UL, UL, UL, I, I, ctypes.c_char_p, I]),
}


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", I), ("serial", UL), ("send_event", I), ("display", V),
                ("window", UL), ("message_type", UL), ("format", I), ("data", L * 5)]


class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", L * 24)]


def refs(values):
    return [ctypes.byref(v) for v in values]


class X11:
    """The few Xlib calls the tests need, on one connection of their own."""

    def __init__(self, display=None):
        self.x = ctypes.CDLL("libX11.so.6")
        for name, (result, args) in CALLS.items():
            call = getattr(self.x, name)
            call.restype, call.argtypes = result, args
        self.display = self.x.XOpenDisplay(display and display.encode())
        if not self.display:
            raise Failure("cannot open the X display %r" % (display or os.environ.get("DISPLAY")))
        self.root = self.x.XDefaultRootWindow(self.display)

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
        root, parent, children, count = found = UL(), UL(), V(), U()
        if not self.x.XQueryTree(self.display, window, *refs(found)):
            raise Failure("window %#x is gone" % window)
        if children:
            self.x.XFree(children)
        return parent.value

    def rectangle(self, window):
        """Left, top, right and bottom on the screen, borders included."""
        root, x, y, w, h, border, depth = geometry = UL(), I(), I(), U(), U(), U(), U()
        self.x.XGetGeometry(self.display, window, *refs(geometry))
        left, top, child = at = I(), I(), UL()
        self.x.XTranslateCoordinates(self.display, window, self.root, 0, 0, *refs(at))
        b = border.value
        return left.value - b, top.value - b, left.value + w.value + b, top.value + h.value + b

    def manager_running(self, sign="_NET_SUPPORTING_WM_CHECK"):
        """Whether a window manager has announced itself on the root window
        (or put that other property there)."""
        atom = self.x.XInternAtom(self.display, sign.encode(), 1)
        if not atom:
            return False
        kind, fmt, count, after, data = found = UL(), I(), UL(), UL(), V()
        self.x.XGetWindowProperty(self.display, self.root, atom, 0, 1, 0, 0, *refs(found))
        if data:
            self.x.XFree(data)
        return count.value > 0

    def request_close(self, window):
        """Sends the close request a window manager sends for the title bar's
        close button. Without a window manager nothing else delivers one: a
        WM_PROTOCOLS client message carrying WM_DELETE_WINDOW, straight to the
        window."""
        protocols, delete = (self.x.XInternAtom(self.display, name, 0)
                             for name in (b"WM_PROTOCOLS", b"WM_DELETE_WINDOW"))
        # 33: ClientMessage; the data's second field, 0, is CurrentTime.
        event = Event(xclient=ClientMessage(
            type=33, send_event=1, display=self.display, window=window, format=32,
            message_type=protocols, data=(L * 5)(delete, 0)))
        if not self.x.XSendEvent(self.display, window, 0, 0, ctypes.byref(event)):
            raise Failure("XSendEvent refused the close request")
        self.x.XFlush(self.display)


    def xsettings_manager(self, settings):
        """A window holding the settings (bytes) owns _XSETTINGS_S0, announced
        by a MANAGER message to the root's StructureNotify (1 << 17)."""
        window = self.x.XCreateSimpleWindow(self.display, self.root, 0, 0, 1, 1, 0, 0, 0)
        self.set_settings(window, settings)
        selection = self.x.XInternAtom(self.display, b"_XSETTINGS_S0", 0)
        self.x.XSetSelectionOwner(self.display, selection, window, 0)
        event = Event(xclient=ClientMessage(
            type=33, send_event=1, display=self.display, window=self.root, format=32,
            message_type=self.x.XInternAtom(self.display, b"MANAGER", 0),
            data=(L * 5)(0, selection, window)))
        self.x.XSendEvent(self.display, self.root, 0, 1 << 17, ctypes.byref(event))
        self.x.XFlush(self.display)
        return window

    def set_settings(self, window, settings):
        name = self.x.XInternAtom(self.display, b"_XSETTINGS_SETTINGS", 0)
        # 0: PropModeReplace.
        self.x.XChangeProperty(self.display, window, name, name, 8, 0, settings, len(settings))
        self.x.XFlush(self.display)


def with_x11(ask, display=None):
    """ask(x11) on a connection of its own, closed after."""
    x11 = X11(display)
    try:
        return ask(x11)
    finally:
        x11.close()


def screen_size():
    return with_x11(lambda x11: x11.screen_size())


def kill_client(window, display=None):
    """Closes the connection of the client that made the window, as xkill does."""
    with_x11(lambda x11: (x11.x.XKillClient(x11.display, window), x11.sync()), display)


def outer_rectangle(window):
    """The rectangle a window takes on the screen: that of the frame a window
    manager put around it (the topmost window under the root holding it), or
    its own without one."""
    def ask(x11):
        outer, parent = window, x11.parent(window)
        while parent not in (0, x11.root):
            outer, parent = parent, x11.parent(parent)
        return x11.rectangle(outer)
    return with_x11(ask)
