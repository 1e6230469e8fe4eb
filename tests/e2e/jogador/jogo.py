"""The game's process, its window and the input sent to it: the real pointer
(xdotool), the keyboard and the close button.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

from jogador import vestigios
from jogador.arranque import Failure, command, die_with_parent, frozen_environment
from jogador.espera import Espera
from jogador.figuras import Pictures
from jogador.pontos import HEIGHT, MENU_INSTRUCTIONS, MENU_PLAY, QUIET, WIDTH, first_pixel, \
    pile_centre, slot_centre
from jogador.x11 import X11


def xdotool(*args, check=True):
    return subprocess.run(["xdotool"] + [str(a) for a in args], check=check, timeout=20,
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE).stdout.decode()


def trevalia_windows():
    found = xdotool("search", "--onlyvisible", "--name", "^Trevalia$", check=False)
    return [int(w) for w in found.split()]


class Game(Espera):
    """One run of the real game, in a working folder of its own whose imagens/
    is a copy of the pictures ("copy"), empty ("empty"), absent ("missing"), or
    a copy that a given function then changes."""

    # Seconds for the window to appear (generous: a sanitized game on a busy
    # machine is slow).
    START_LIMIT = 20.0

    def __init__(self, program, pictures_folder, pictures="copy", shots=None):
        self.program, self.shots = program, shots
        self.pictures = Pictures(pictures_folder)
        self.folder = tempfile.mkdtemp(prefix="trevalia-e2e-", dir=vestigios.temporary_folder())
        self.last_shot = self.process = self.window = self.log = self.x11 = None
        try:
            self._start(pictures_folder, pictures)
        except BaseException:
            self.close()
            raise

    def _start(self, pictures_folder, pictures):
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
            self.command(), env=frozen_environment(self.folder),
            cwd=self.folder, stdin=subprocess.DEVNULL, stdout=self.log, stderr=subprocess.STDOUT,
            preexec_fn=die_with_parent)
        vestigios.started(self.process.pid, self.program)
        self.game_pid = self.process.pid
        self.under_wine = bool(os.environ.get("TREVALIA_E2E_LAUNCHER"))
        self.x11 = X11()
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
        # Rounded each way, a height may lie a pixel off the width's (785x1046).
        if self.size[0] < WIDTH or abs(self.size[1] - HEIGHT * self.scale) > 1:
            raise Failure("window is %dx%d, not 450x600 points at any scale" % self.size)

    def command(self):
        """How the game is started; a subclass may run it under a tool."""
        return command(self.program)

    def _find_window(self):
        """Until the game's window has found its place: the game shows it, hides
        it while it moves it to the centre and shows it again, and a step sent
        before then lands where it no longer is, or nowhere. Placed is viewable,
        with the game waiting for the player, at the same place on two looks."""
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

    def expect_exit_ok(self, timeout=10.0):
        try:
            status = self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the game did not end within %.0f s" % timeout) from None
        if status != 0:
            raise Failure("the game ended with status %d:\n%s" % (status, self.output()))

    def expect_running(self):
        self.settle()
        if not self.running():
            raise Failure("the game ended (status %s) but should still be running:\n%s"
                          % (self.process.returncode, self.output()))

    def close(self):
        """Ends what is left of this run and removes its folder. A game still
        running is asked to close as by its close button, so that it ends
        normally (and a sanitized game checks for leaks), else killed. Returns
        a complaint: a sanitizer report, or a game that failed on its way out."""
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
        # On the start screen the first request only leads to the menu.
        for _ in range(0 if self.window is None else 2):
            try:
                self.x11.request_close(self.window)
                status = self.process.wait(3.0)
            except (Failure, subprocess.TimeoutExpired):
                continue
            return None if status == 0 else (
                "the game ended with status %d on a close request:\n%s" % (status, self.output()))

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

    def move(self, x, y, settle=True):
        # "--": a point left of or above the window has a negative coordinate.
        xdotool("mousemove", "--window", self.window, "--", *first_pixel((x, y), self.scale))
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

    def request_close(self, ends=False):
        """The close button's request; with `ends`, the game must end on it with status 0."""
        self.x11.request_close(self.window)
        self.settle()
        if ends:
            self.expect_exit_ok()

    # Playing by the model, and the ways through the screens.

    def play(self, table, value, pile):
        """Drags a card of the model's hand onto a pile and plays it in the model too."""
        slot = table.slot_of(value)
        table.play(value, pile)
        self.drag(slot_centre(slot), pile_centre(pile))
        return slot

    def to_menu(self, timeout=8.0):
        """From the start screen to the menu."""
        self.wait_screen("inicial.jpg", timeout)
        self.click(*MENU_PLAY)
        self.wait_screen("menu.jpg", timeout)

    def start_playing(self):
        """From the start screen, through the menu, to the table."""
        self.to_menu()
        self.click(*MENU_PLAY)

    def open_instructions(self):
        """From the start screen, through the menu, to the pager's first page."""
        self.to_menu()
        self.turn_page(MENU_INSTRUCTIONS, 1)

    def turn_page(self, button, page):
        """A press on the pager (or the menu's instructions button) and the
        page it leads to."""
        self.click(*button)
        self.wait_page(page)
