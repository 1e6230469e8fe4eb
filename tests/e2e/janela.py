"""Runs the real game in a window and plays it as a person would.

The game is started under a frozen clock in a working folder of its own, driven
with the real pointer (xdotool) and read back from screenshots of the screen,
compared region by region with the pictures the game draws. Nothing here knows
how the game is written: only what it shows and how it answers the mouse.
"""

import ctypes
import io
import math
import os
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageChops, ImageStat

import area_de_trabalho
import regras
import vestigios
from arranque import FROZEN, Failure, command, die_with_parent, frozen_environment

WIDTH, HEIGHT = 450, 600

# How the driver tells that the game waits for the player with everything sent
# to it handled (see Game.settle), from /proc/<pid>/syscall of its main thread:
# - the game's own wait for the window system sleeps in ppoll (x86-64 Linux
#   system call 271), which nothing else in it uses: Xlib waits for its replies
#   in poll;
# - under Wine every wait of a thread ends in a read of 16 bytes (Wine's
#   wake-up message) from a pipe of its own. Wine's server passes X's events
#   on to the game in its own time, so there the driver also leaves it a pause
#   and asks for the wait to be seen twice.
GAME_WAIT = "271"
WINE_WAIT = ("0", 16)
WINE_PAUSE = float(os.environ.get("TREVALIA_E2E_STEP", "0.03"))

# Places on the table, in window pixels.
PILE_AT = {regras.C1: (304, 64), regras.C2: (100, 64), regras.D1: (304, 228), regras.D2: (100, 228)}
PILE_SIZE = (92, 126)
HAND_SIZE = (70, 96)
UNDO_AT = (204, 180)
MENU_BUTTON_AT = (187, 17)
AGAIN_BUTTON_AT = (300, 17)
COUNT_BOX = (98, 8, 150, 38)
PAGE_AT = (80, 100)
# Somewhere on the table that is neither a card nor a button.
QUIET = ((20, 300), (21, 301))

# Where to press on the screens (strictly inside their rectangles).
MENU_PLAY = (230, 230)
MENU_INSTRUCTIONS = (240, 310)
MENU_LEAVE = (230, 395)
PAGER_PREVIOUS = (110, 470)
PAGER_NEXT = (330, 470)
PAGER_PLAY = (100, 560)
PAGER_MENU = (350, 560)
RESULT_AGAIN = (220, 510)
RESULT_LEAVE = (220, 550)

# Mean absolute difference per channel (0..255) under which a region is taken
# to show a picture. At a whole scale the game draws every texel of a picture
# (or of its twin) on whole pixels, so what it shows differs from Pillow's
# reading of the same file by a unit or two in a few pixels (a mean near
# 0.01), while the closest two card faces, 6 and 8, differ by a mean of 3.
# At a fractional scale the game filters its pictures and the driver samples
# them the same way (Pictures.drawn), but GPU and Pillow round the blend of
# texels apart. Measured at 150% and 180%: at most 0.5 (a button's soft edge
# over the table), 0.45 over a card, 0.2 over a screen; while the closest
# wrong picture is 1.97 away (a screen's plain picture magnified instead of
# its twin, at any scale past 1) and the closest wrong card 3.3.
SAME = 1.0

FULL = (0, 0, WIDTH, HEIGHT)


def slot_centre(slot):
    if slot % 2 == 0:
        return 40 * slot + 100, 408
    return 40 * slot + 60, 508


def card_box(x, y):
    """Where a hand card centred on (x, y) is drawn."""
    w, h = HAND_SIZE
    return x - w // 2, y - h // 2, x - w // 2 + w, y - h // 2 + h


def slot_box(slot):
    return card_box(*slot_centre(slot))


def pile_box(pile):
    x, y = PILE_AT[pile]
    return x, y, x + PILE_SIZE[0], y + PILE_SIZE[1]


def pile_centre(pile):
    x, y = PILE_AT[pile]
    return x + PILE_SIZE[0] // 2, y + PILE_SIZE[1] // 2


def pixel_box(box, scale):
    """The window pixels that show the points of box at scale (pixels per
    point, across and down): those whose centres lie in it. At a fractional
    scale an edge of the box may cut its outer pixels in half, and which side
    such a pixel falls to is the GPU's choice: they are left out."""
    sx, sy = scale
    left, top, right, bottom = (math.ceil(v * s - 0.5) for v, s in zip(box, (sx, sy, sx, sy)))
    if sx == int(sx) and sy == int(sy):
        return left, top, right, bottom
    return left + 1, top + 1, right - 1, bottom - 1


def with_edges(picture):
    """The picture with a border of one texel repeating its edges: a GPU
    reads a texture's edge past it, Pillow reads nothing there."""
    w, h = picture.size
    out = Image.new(picture.mode, (w + 2, h + 2))
    out.paste(picture, (1, 1))
    out.paste(picture.crop((0, 0, w, 1)), (1, 0))
    out.paste(picture.crop((0, h - 1, w, h)), (1, h + 1))
    out.paste(out.crop((1, 0, 2, h + 2)), (0, 0))
    out.paste(out.crop((w, 0, w + 1, h + 2)), (w + 1, 0))
    return out


def difference(a, b):
    """Mean absolute difference of two pictures of one size, per channel."""
    if a.size != b.size:
        raise Failure("comparing pictures of sizes %s and %s" % (a.size, b.size))
    return sum(ImageStat.Stat(ImageChops.difference(a, b)).mean) / 3.0


class Pictures:
    """The generated pictures, read once, as the window should show them.

    `scale` is the window's pixels per point (across, down). Above 1 the game
    shows a picture's twin painted at twice the size (name@2x.ext) where it
    has one, else the picture itself magnified; `damaged` names the pictures
    whose twin a scenario has spoilt in the game's copy.
    """

    def __init__(self, folder):
        self.folder = folder
        self.scale = (1, 1)
        self.damaged = set()
        self._cache = {}

    def get(self, name):
        if name not in self._cache:
            path = os.path.join(self.folder, name)
            if not os.path.exists(path):
                raise Failure("missing picture %s (are the pictures built?)" % path)
            with Image.open(path) as picture:
                self._cache[name] = picture.convert("RGBA" if name.endswith(".png") else "RGB")
        return self._cache[name]

    def twin(self, name):
        double = "@2x".join(os.path.splitext(name))
        if name in self.damaged or not os.path.exists(os.path.join(self.folder, double)):
            return None
        return double

    def drawn(self, layers, box):
        """The points of box as the window shows them with the pictures of
        layers drawn one over another, each (name, at) with its top-left
        corner at the point `at`: at scale 1 the pictures themselves; above,
        in the window's pixels of pixel_box."""
        out = None
        for name, at in layers:
            layer = self._layer(name, at, box)
            out = layer if out is None else Image.alpha_composite(out, layer)
        return out.convert("RGB")

    def _layer(self, name, at, box):
        if self.scale == (1, 1):
            key = (name, box[0] - at[0], box[1] - at[1], box[2] - at[0], box[3] - at[1])
            if key not in self._cache:
                self._cache[key] = self.get(name).convert("RGBA").crop(key[1:])
            return self._cache[key]
        # As the GPU samples the texture: the centre of pixel p shows the
        # texel (p + 1/2) / s - at points into the picture, blending its four
        # nearest texels when the game filters the picture (pixels per texel
        # not whole), else the one it lies in.
        texels = 2 if self.twin(name) else 1
        left, top, right, bottom = pixel_box(box, self.scale)
        (sx, sy), (x, y) = self.scale, at
        filtered = sx / texels != int(sx / texels) or sy / texels != int(sy / texels)
        key = (name, texels, right - left, bottom - top,
               round((left / sx - x) * texels, 6), round((top / sy - y) * texels, 6))
        if key not in self._cache:
            picture = self.get(self.twin(name) or name).convert("RGBA")
            # +1: with_edges' border.
            affine = (texels / sx, 0, key[4] + 1, 0, texels / sy, key[5] + 1)
            self._cache[key] = with_edges(picture).transform(
                key[2:4], Image.AFFINE, affine, Image.BILINEAR if filtered else Image.NEAREST)
        return self._cache[key]

    def button_box(self, name, at):
        w, h = self.get(name).size
        return at[0], at[1], at[0] + w, at[1] + h


TABLE = ("fundo2.jpg", (0, 0))


def hand_card(value):
    return "cartaazul%d.jpg" % value


def pile_card(pile, value):
    if value is None:
        return "fundo0.jpg" if pile in regras.ASCENDING else "fundo100.jpg"
    return "cartaroxa%d.jpg" % value


def xdotool(*args):
    out = subprocess.run(["xdotool"] + [str(a) for a in args], check=True,
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=20)
    return out.stdout.decode()


def trevalia_windows():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Trevalia$"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=20)
    return [int(w) for w in found.stdout.split()]


def request_close(window):
    """Sends the close request a window manager sends for the title bar's close button.

    Without a window manager nothing else delivers one: a WM_PROTOCOLS client
    message carrying WM_DELETE_WINDOW, straight to the window.
    """
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.c_void_p]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                    ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                    ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

    class Event(ctypes.Union):
        _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

    display = x11.XOpenDisplay(None)
    if not display:
        raise Failure("cannot open the X display %r" % os.environ.get("DISPLAY"))
    try:
        event = Event()
        event.xclient.type = 33  # ClientMessage
        event.xclient.send_event = 1
        event.xclient.display = display
        event.xclient.window = window
        event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        event.xclient.data[1] = 0  # CurrentTime
        if not x11.XSendEvent(display, window, 0, 0, ctypes.byref(event)):
            raise Failure("XSendEvent refused the close request")
        x11.XFlush(display)
    finally:
        x11.XCloseDisplay(display)


class Game:
    """One run of the real game, in a working folder of its own.

    Its imagens/ folder is a copy of the pictures ("copy"), empty ("empty"),
    absent ("missing"), or a copy that a given function then changes.
    """

    # Seconds for the window to appear, and at most for the game to handle
    # one pointer step (generous: a sanitized game on a busy machine is slow).
    START_LIMIT = 20.0
    SETTLE_LIMIT = 10.0

    def __init__(self, program, pictures_folder, pictures="copy", when=FROZEN, shots=None):
        self.program = program
        self.pictures = Pictures(pictures_folder)
        self.folder = tempfile.mkdtemp(prefix="trevalia-e2e-", dir=vestigios.temporary_folder())
        self.shots = shots
        self.last_shot = None
        self.process = None
        self.window = None
        self.log = None
        self.x11 = None
        try:
            self._start(pictures_folder, pictures, when)
        except BaseException:
            self.close()
            raise

    def _start(self, pictures_folder, pictures, when):
        imagens = os.path.join(self.folder, "imagens")
        if pictures == "copy" or callable(pictures):
            shutil.copytree(pictures_folder, imagens)
            if callable(pictures):
                pictures(imagens)  # changes the copy
        elif pictures == "empty":
            os.mkdir(imagens)
        elif pictures != "missing":
            raise ValueError(pictures)
        if trevalia_windows():
            raise Failure("a Trevalia window is already open on this display")
        self.log = open(os.path.join(self.folder, "saida.txt"), "wb")
        self.process = subprocess.Popen(
            self.command(), env=frozen_environment(self.folder, when),
            cwd=self.folder, stdin=subprocess.DEVNULL, stdout=self.log, stderr=subprocess.STDOUT,
            preexec_fn=die_with_parent)
        vestigios.started(self.process, self.program)
        self.game_pid = self.process.pid
        self.under_wine = bool(os.environ.get("TREVALIA_E2E_LAUNCHER"))
        self.x11 = area_de_trabalho.X11()
        self._find_window()

    def _find_place(self):
        """The window's place and its scale: the desktop's scale makes it
        round(450 s) x round(600 s) pixels, and this driver speaks in the
        game's 450x600 points, mapping them to pixels itself."""
        left, top, right, bottom = self.x11.rectangle(self.window)
        self.x, self.y = left, top
        self.size = (right - left, bottom - top)
        self.scale = self.size[0] / WIDTH
        self.pictures.scale = (self.scale, self.size[1] / HEIGHT)
        if self.size[0] < WIDTH or self.size[1] != round(HEIGHT * self.scale):
            raise Failure("window is %dx%d, not 450x600 points at any scale" % self.size)

    def pixel(self, x, y):
        """The window pixel that the game reads as the point (x, y): the game
        takes every pixel down to its point, so the first pixel of a point."""
        return tuple(math.ceil(v * self.scale - 1e-9) for v in (x, y))

    def command(self):
        """How the game is started; a subclass may run it under a tool."""
        return command(self.program)

    def _find_window(self):
        """Until the game's window has found its place. The game shows its
        window, hides it while it moves it to the centre of the screen and
        shows it again: a step sent before then lands where the window no
        longer is, or nowhere. Placed is viewable, with the game waiting for
        the player, at the same place on two looks a moment apart."""
        deadline = time.monotonic() + self.START_LIMIT
        seen = None
        while True:
            if self.process.poll() is not None:
                raise Failure("the game ended at start-up with status %s:\n%s"
                              % (self.process.returncode, self.output()))
            windows = trevalia_windows()
            if len(windows) > 1:
                raise Failure("more than one Trevalia window: %r" % windows)
            place = None
            if windows and self._waiting():
                self.window = windows[0]
                self._find_place()
                place = (self.window, self.x, self.y)
                if place == seen:
                    return
            if time.monotonic() > deadline:
                raise Failure("no Trevalia window found its place within %.0f s"
                              % self.START_LIMIT)
            seen = place
            time.sleep(0.1)

    # Running and ending.

    def output(self):
        self.log.flush()
        with open(os.path.join(self.folder, "saida.txt"), "rb") as f:
            return f.read().decode(errors="replace")[-4000:]

    def running(self):
        return self.process.poll() is None

    def wait_exit(self, timeout=10.0):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the game did not end within %.0f s" % timeout) from None

    def expect_exit_ok(self, timeout=10.0):
        status = self.wait_exit(timeout)
        if status != 0:
            raise Failure("the game ended with status %d:\n%s" % (status, self.output()))

    def expect_running(self):
        self.settle()
        if not self.running():
            raise Failure("the game ended (status %s) but should still be running:\n%s"
                          % (self.process.returncode, self.output()))

    def close(self):
        """Ends whatever is left of this run and removes its folder.

        A game still running is asked to close as its window's close button
        would, so that it ends normally (and a sanitized game checks for leaks);
        one that does not is killed. Returns a complaint: a sanitizer report,
        or a game that failed on its way out.
        """
        complaint = None
        if self.process is not None:
            if self.running():
                complaint = self._close_normally()
            if self.running():
                self.process.kill()
                self.process.wait(5)
            vestigios.ended(self.process)
            reports = vestigios.sanitizer_reports(self.folder)
            if reports:
                complaint = "sanitizer report:\n" + reports
        if self.log is not None:
            self.log.close()
        if self.x11 is not None:
            self.x11.close()
            self.x11 = None
        shutil.rmtree(self.folder, ignore_errors=True)
        return complaint

    def _close_normally(self):
        if self.window is None:
            return None
        # On the start screen the first request only leads to the menu.
        for _ in range(2):
            try:
                request_close(self.window)
                status = self.process.wait(3.0)
            except (Failure, subprocess.TimeoutExpired):
                continue
            if status != 0:
                return "the game ended with status %d on a close request:\n%s" % (
                    status, self.output())
            return None
        return None

    def __enter__(self):
        return self

    def __exit__(self, kind, value, trace):
        if kind is not None and self.shots and self.last_shot is not None:
            os.makedirs(self.shots, exist_ok=True)
            self.last_shot.save(os.path.join(self.shots, "ultima_tela.png"))
        complaint = self.close()
        if complaint and kind is None:
            raise Failure(complaint)
        if complaint:
            print(complaint, file=sys.stderr)

    # The pointer, the keyboard and the close button.

    def settle(self):
        """Until the game has handled everything sent to it so far, or has ended.

        A round trip to the X server first: it has then handled the steps the
        helpers sent and passed their events on to the game. Then until the
        game's main thread is seen in its wait for the player again.
        """
        self.x11.sync()
        looks = 1
        if self.under_wine:
            time.sleep(WINE_PAUSE)
            looks = 2
        deadline = time.monotonic() + self.SETTLE_LIMIT
        idle = 0
        while idle < looks and time.monotonic() < deadline:
            idle = idle + 1 if self._waiting() else 0
            if idle < looks:
                time.sleep(0.005)

    def _waiting(self):
        """Whether the game's main thread sleeps in its wait for the player (or
        the game has ended): see GAME_WAIT."""
        if self.process.poll() is not None:
            return True
        try:
            with open("/proc/%d/syscall" % self.game_pid) as f:
                call = f.read().split()
        except OSError:
            return not self.running()
        if self.under_wine:
            return len(call) > 3 and (call[0], int(call[3], 16)) == WINE_WAIT
        return call[0] == GAME_WAIT

    def wake_ups(self):
        """How often the game's main thread has slept and been woken so far."""
        with open("/proc/%d/status" % self.game_pid) as f:
            return next(int(line.split()[1]) for line in f
                        if line.startswith("voluntary_ctxt_switches"))

    def move(self, x, y, settle=True):
        # "--": a point left of or above the window has a negative coordinate.
        xdotool("mousemove", "--window", self.window, "--", *self.pixel(x, y))
        if settle:
            self.settle()

    def press(self, button=1):
        xdotool("mousedown", button)
        self.settle()

    def release(self, button=1):
        xdotool("mouseup", button)
        self.settle()

    def click(self, x, y, button=1):
        # The press is handled with the pointer where the move left it: the
        # server delivers the two in order, so no pause is needed between.
        self.move(x, y, settle=False)
        self.press(button)
        self.release(button)

    def drag(self, start, end, button=1):
        self.move(*start, settle=False)
        self.press(button)
        self.move(*end)
        self.release(button)

    def key(self, name):
        # Keys go to the window under the pointer when no window manager
        # hands out the focus.
        self.move(*QUIET[0])
        xdotool("key", name)
        self.settle()

    def request_close(self):
        request_close(self.window)
        self.settle()

    # What the window shows.

    def shot(self):
        """The window's area of the screen, as the screen shows it now, in
        points; the window's own pixels are kept in last_pixels."""
        # The game's window shows where it is created before it moves to the
        # centre, and a slow start (under valgrind, say) can be caught there:
        # where it is now, not where it was first seen.
        self._find_place()
        # Eight bits a channel: Pillow reads ImageMagick's default sixteen slowly.
        area = "%dx%d+%d+%d" % (self.size + (self.x, self.y))
        raw = subprocess.run(["import", "-window", "root", "-crop", area, "+repage",
                              "-depth", "8", "ppm:-"],
                             check=True, stdout=subprocess.PIPE, timeout=20).stdout
        self.last_pixels = Image.open(io.BytesIO(raw)).convert("RGB")
        self.last_shot = self.last_pixels
        if self.size != (WIDTH, HEIGHT):
            # At a whole scale a point is the mean of its pixels; at a
            # fractional one a point's pixels also hold parts of its
            # neighbours, and the pixel at its centre stands for it.
            whole = self.scale == int(self.scale)
            self.last_shot = self.last_pixels.resize((WIDTH, HEIGHT),
                                                     Image.BOX if whole else Image.NEAREST)
        return self.last_shot

    def wait_for(self, what, check, timeout=8.0):
        """Polls screenshots until check(shot) holds; check returns None or a complaint."""
        deadline = time.monotonic() + timeout
        while True:
            complaint = check(self.shot())
            if not complaint:
                return self.last_shot
            if time.monotonic() > deadline:
                raise Failure("waiting for %s: %s" % (what, complaint))
            if not self.running():
                raise Failure("waiting for %s, the game ended with status %s:\n%s"
                              % (what, self.process.returncode, self.output()))
            time.sleep(0.05)

    # Reading the table.

    def region(self, shot, box):
        """The points of box in a screenshot: in the window's own pixels
        (pixel_box) when the shot is the last one of a scaled window."""
        if shot is self.last_shot and self.size != (WIDTH, HEIGHT):
            return self.last_pixels.crop(pixel_box(box, self.pictures.scale))
        return shot.crop(box)

    def unlike(self, shot, box, *layers):
        """How far the shot's box is from the pictures of layers drawn there
        (see Pictures.drawn)."""
        return difference(self.region(shot, box), self.pictures.drawn(layers, box))

    def best_match(self, shot, box, names):
        """The closest of the pictures (value: name) to the box, as (difference, value)."""
        return min(((self.unlike(shot, box, (name, box[:2])), value)
                    for value, name in names.items()), key=lambda score: score[0])

    def best_hand_match(self, shot, slot):
        box = slot_box(slot)
        scores = [(self.unlike(shot, box, TABLE), 0)]
        scores.append(self.best_match(shot, box, {v: hand_card(v) for v in range(1, 100)}))
        return min(scores, key=lambda score: score[0])

    def best_pile_match(self, shot, pile):
        return self.best_match(shot, pile_box(pile),
                               {v: pile_card(pile, v) for v in [None] + list(range(1, 100))})

    def slot_complaint(self, shot, slot, value):
        box = slot_box(slot)
        if self.unlike(shot, box, (hand_card(value), box[:2]) if value else TABLE) < SAME:
            return None
        score, seen = self.best_hand_match(shot, slot)
        return "slot %d shows %s (difference %.1f), expected %s" % (
            slot, seen if score < SAME else "no known card", score, value or "nothing")

    def pile_complaint(self, shot, pile, value):
        box = pile_box(pile)
        if self.unlike(shot, box, (pile_card(pile, value), box[:2])) < SAME:
            return None
        score, seen = self.best_pile_match(shot, pile)
        name = regras.NAMES[pile]
        return "pile %s shows %s (difference %.1f), expected %s" % (
            name, ("its base picture" if seen is None else seen) if score < SAME else
            "no known picture", score, "its base picture" if value is None else value)

    def button_complaint(self, shot, name, at, shown=True):
        """Whether the button is drawn on the table at `at` (or, not shown, absent)."""
        box = self.pictures.button_box(name, at)
        layers = (TABLE, (name, at)) if shown else (TABLE,)
        if self.unlike(shot, box, *layers) < SAME:
            return None
        return "%s is %s at %s" % (name, "missing" if shown else "shown", at)

    def undo_complaint(self, shot, shown):
        return self.button_complaint(shot, "desfazer.png", UNDO_AT, shown)

    def table_complaint(self, table, undo=None):
        """Whether the window shows the hand and piles of a model table."""
        shot = self.last_shot
        for screen in ("perdeu2.jpg", "ganhou2.jpg", "menu.jpg"):
            if self.screen_complaint(shot, screen) is None:
                return "the window shows %s instead of the table" % screen
        complaints = [self.slot_complaint(shot, s, table.slots[s]) for s in range(regras.SLOTS)]
        complaints += [self.pile_complaint(shot, p, table.top(p)) for p in regras.PILES]
        if undo is not None:
            complaints.append(self.undo_complaint(shot, undo))
        complaints = [c for c in complaints if c]
        return "; ".join(complaints) or None

    def wait_table(self, table, undo=None, what="the table", timeout=8.0):
        return self.wait_for(what, lambda shot: self.table_complaint(table, undo), timeout)

    def screen_complaint(self, shot, name):
        score = self.unlike(shot, FULL, (name, (0, 0)))
        if score < SAME:
            return None
        shown = name if self.pictures.scale == (1, 1) else self.pictures.twin(name) or name
        return "the window is not %s (difference %.1f)" % (shown, score)

    def wait_screen(self, name, timeout=8.0):
        return self.wait_for(name, lambda shot: self.screen_complaint(shot, name), timeout)

    def page_complaint(self, shot, page):
        w, h = self.pictures.get("tutorial1.jpg").size
        box = (PAGE_AT[0], PAGE_AT[1], PAGE_AT[0] + w, PAGE_AT[1] + h)
        pages = {k: "tutorial%d.jpg" % k for k in range(1, 10)}
        if self.unlike(shot, box, (pages[page], PAGE_AT)) < SAME:
            return None
        # Around the page, the pager's background: both blacked out over the
        # page (and, at a fractional scale, over the pixels its edges cut).
        (left, top, _, _), inner = (pixel_box(b, self.pictures.scale) for b in (FULL, box))
        edge = left
        hole = (inner[0] - left - edge, inner[1] - top - edge,
                inner[2] - left + edge, inner[3] - top + edge)
        seen = self.region(shot, FULL).copy()
        want = self.pictures.drawn([("instrucoes.jpg", (0, 0))], FULL).copy()
        seen.paste((0, 0, 0), hole)
        want.paste((0, 0, 0), hole)
        if difference(seen, want) >= SAME:
            return "the pager's background is not instrucoes.jpg"
        score, seen = self.best_match(shot, box, pages)
        return "the pager shows page %s (difference %.1f), expected page %d" % (
            seen, score, page)

    def wait_page(self, page):
        return self.wait_for("page %d" % page, lambda shot: self.page_complaint(shot, page))

    def count_region(self, shot=None):
        return self.region(shot or self.last_shot, COUNT_BOX)

    # Playing by the model.

    def play(self, table, value, pile):
        """Drags a card of the model's hand onto a pile and plays it in the model too."""
        slot = table.slot_of(value)
        table.play(value, pile)
        self.drag(slot_centre(slot), pile_centre(pile))
        return slot

    def start_playing(self):
        """From the start screen, through the menu, to the table."""
        self.wait_screen("inicial.jpg")
        self.click(*MENU_PLAY)
        self.wait_screen("menu.jpg")
        self.click(*MENU_PLAY)

    def open_instructions(self):
        """From the start screen, through the menu, to the pager's first page."""
        self.wait_screen("inicial.jpg")
        self.click(*MENU_PLAY)
        self.wait_screen("menu.jpg")
        self.click(*MENU_INSTRUCTIONS)
        self.wait_page(1)
