"""Waiting on the game: until it has handled what it was sent, and until its
window shows, region by region, the pictures a step should have made of it.
"""

import io
import os
import subprocess
import time

from PIL import Image

from jogador import regras
from jogador.arranque import Failure
from jogador.figuras import SAME, TABLE, difference, hand_card, pile_card
from jogador.pontos import (COUNT_BOX, FULL, HEIGHT, PAGE_AT, UNDO_AT, WIDTH, card_box,
                            pile_box, pixel_box, slot_box)

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


def main_thread_call(pid):
    """The system call a process's main thread sleeps in and its arguments,
    read from /proc (None once it is gone)."""
    try:
        with open("/proc/%d/syscall" % pid) as f:
            return f.read().split()
    except OSError:
        return None


def screenshot(area=None):
    """The screen, or its area (width, height, left, top), as it shows now."""
    crop = ["-crop", "%dx%d+%d+%d" % area, "+repage"] if area else []
    # Eight bits a channel: Pillow reads ImageMagick's default sixteen slowly.
    raw = subprocess.run(["import", "-window", "root"] + crop + ["-depth", "8", "ppm:-"],
                         check=True, stdout=subprocess.PIPE, timeout=20).stdout
    return Image.open(io.BytesIO(raw)).convert("RGB")


class Espera:
    """What a Game (jogo.py) waits for: its process, its window's place and
    scale, its pictures and its X connection are the game's."""

    SETTLE_LIMIT = 10.0

    def settle(self):
        """Until the game has handled everything sent to it so far, or has
        ended: a round trip to the X server, which has then passed the helpers'
        steps on to the game, and until its main thread waits for the player."""
        self.x11.sync()
        looks = 2 if self.under_wine else 1
        if self.under_wine:
            time.sleep(WINE_PAUSE)
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
        call = main_thread_call(self.game_pid)
        if call is None:
            return not self.running()
        if self.under_wine:
            return len(call) > 3 and (call[0], int(call[3], 16)) == WINE_WAIT
        return call[0] == GAME_WAIT

    def wake_ups(self):
        """How often the game's main thread has slept and been woken so far."""
        with open("/proc/%d/status" % self.game_pid) as f:
            return next(int(line.split()[1]) for line in f
                        if line.startswith("voluntary_ctxt_switches"))

    # What the window shows.

    def shot(self):
        """The window's area of the screen, as the screen shows it now, in
        points; the window's own pixels are kept in last_pixels."""
        # The game's window shows where it is created before it moves to the
        # centre, and a slow start (under valgrind, say) can be caught there:
        # where it is now, not where it was first seen.
        self._find_place()
        self.last_pixels = screenshot(self.size + (self.x, self.y))
        self.last_shot = self.last_pixels
        if self.size != (WIDTH, HEIGHT):
            # At a whole scale a point is the mean of its pixels; at a
            # fractional one a point's pixels also hold parts of its
            # neighbours, and the pixel at its centre stands for it.
            whole = self.scale == int(self.scale)
            self.last_shot = self.last_pixels.resize((WIDTH, HEIGHT),
                                                     Image.BOX if whole else Image.NEAREST)
        return self.last_shot

    def wait_for(self, what, check, timeout=8.0, shoot=None):
        """Polls screenshots (the window's, or shoot's) until check(shot)
        holds; check returns None or a complaint."""
        deadline = time.monotonic() + timeout
        while True:
            complaint = check((shoot or self.shot)())
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

    def slot_complaint(self, shot, slot, value):
        box = slot_box(slot)
        if self.unlike(shot, box, (hand_card(value), box[:2]) if value else TABLE) < SAME:
            return None
        score, seen = min((self.unlike(shot, box, TABLE), 0), self.best_match(
            shot, box, {v: hand_card(v) for v in range(1, 100)}), key=lambda score: score[0])
        return "slot %d shows %s (difference %.1f), expected %s" % (
            slot, seen if score < SAME else "no known card", score, value or "nothing")

    def pile_complaint(self, shot, pile, value):
        box = pile_box(pile)
        if self.unlike(shot, box, (pile_card(pile, value), box[:2])) < SAME:
            return None
        score, seen = self.best_match(shot, box, {v: pile_card(pile, v)
                                                  for v in [None] + list(range(1, 100))})
        return "pile %s shows %s (difference %.1f), expected %s" % (
            regras.NAMES[pile], ("its base picture" if seen is None else seen) if score < SAME
            else "no known picture", score, "its base picture" if value is None else value)

    def button_complaint(self, shot, name, at, shown=True):
        """Whether the button is drawn on the table at `at` (or, not shown, absent)."""
        box = self.pictures.box_of(name, at)
        layers = (TABLE, (name, at)) if shown else (TABLE,)
        if self.unlike(shot, box, *layers) < SAME:
            return None
        return "%s is %s at %s" % (name, "missing" if shown else "shown", at)

    def table_complaint(self, table, undo=None):
        """Whether the window shows the hand and piles of a model table."""
        shot = self.last_shot
        for screen in ("perdeu2.jpg", "ganhou2.jpg", "menu.jpg"):
            if self.screen_complaint(shot, screen) is None:
                return "the window shows %s instead of the table" % screen
        complaints = [self.slot_complaint(shot, s, table.slots[s]) for s in range(regras.SLOTS)]
        complaints += [self.pile_complaint(shot, p, table.top(p)) for p in regras.PILES]
        if undo is not None:
            complaints.append(self.button_complaint(shot, "desfazer.png", UNDO_AT, undo))
        return "; ".join(filter(None, complaints)) or None

    def wait_card_at(self, value, centre, what):
        """Until the hand card `value` shows whole, centred on `centre` (a
        card in the air)."""
        box = card_box(*centre)
        card = (hand_card(value), box[:2])
        return self.wait_for(what, lambda shot: None if self.unlike(shot, box, card) < SAME
                             else "another picture shows there")

    def wait_table(self, table, undo=None, what="the table", timeout=8.0):
        return self.wait_for(what, lambda shot: self.table_complaint(table, undo), timeout)

    def wait_deal(self, deck, what="the opening deal", timeout=8.0):
        """Until the window shows a new deal of the deck; returns its model."""
        table = regras.Table(deck)
        self.wait_table(table, undo=False, what=what, timeout=timeout)
        return table

    def screen_complaint(self, shot, name):
        score = self.unlike(shot, FULL, (name, (0, 0)))
        if score < SAME:
            return None
        shown = name if self.pictures.scale == (1, 1) else self.pictures.twin(name) or name
        return "the window is not %s (difference %.1f)" % (shown, score)

    def wait_screen(self, name, timeout=8.0):
        return self.wait_for(name, lambda shot: self.screen_complaint(shot, name), timeout)

    def page_complaint(self, shot, page):
        box = self.pictures.box_of("tutorial1.jpg", PAGE_AT)
        if self.unlike(shot, box, ("tutorial%d.jpg" % page, PAGE_AT)) < SAME:
            return None
        score, seen = self.best_match(shot, box, {k: "tutorial%d.jpg" % k for k in range(1, 10)})
        return "the pager shows %s (difference %.1f), expected page %d" % (
            "page %d" % seen if score < SAME else "no page", score, page)

    def wait_page(self, page):
        return self.wait_for("page %d" % page, lambda shot: self.page_complaint(shot, page))

    def count_region(self):
        return self.region(self.last_shot, COUNT_BOX)

