"""The one binding of Xlib that the tests use, through ctypes: a round trip,
the screen's size, a window's rectangle with whatever frame a window manager
put around it, the window manager's presence, a client's connection killed,
and the close request a title bar's close button sends.
"""

import ctypes
import os

from jogador.arranque import Failure


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]


class X11:
    """The few Xlib calls the tests need, on one connection of their own."""

    def __init__(self, display=None):
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
        x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                 ctypes.c_void_p]
        x.XFlush.argtypes = [ctypes.c_void_p]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.x = x
        self.display = x.XOpenDisplay(display and display.encode())
        if not self.display:
            raise Failure("cannot open the X display %r" % (display or os.environ.get("DISPLAY")))
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

    def request_close(self, window):
        """Sends the close request a window manager sends for the title bar's
        close button. Without a window manager nothing else delivers one: a
        WM_PROTOCOLS client message carrying WM_DELETE_WINDOW, straight to the
        window."""
        event = Event()
        event.xclient.type = 33  # ClientMessage
        event.xclient.send_event = 1
        event.xclient.display = self.display
        event.xclient.window = window
        event.xclient.message_type = self.x.XInternAtom(self.display, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = self.x.XInternAtom(self.display, b"WM_DELETE_WINDOW", 0)
        event.xclient.data[1] = 0  # CurrentTime
        if not self.x.XSendEvent(self.display, window, 0, 0, ctypes.byref(event)):
            raise Failure("XSendEvent refused the close request")
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
    def ask(x11):
        x11.x.XKillClient(x11.display, window)
        x11.sync()
    with_x11(ask, display)


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
