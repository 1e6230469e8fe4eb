"""The tests' own pointer: e2e_ponteiro, which moves the X pointer through XTest
at a steady pace. xdotool starts a program for every step, which costs a few
milliseconds one time and tens the next: too uneven for a stream of moves at a
mouse's rate, or for a press followed by a move with no pause between.
"""

import os
import subprocess

from jogador.arranque import Failure
from jogador.pontos import first_pixel


class Pointer:
    """Steps in the game's points, sent as one run of the helper in the
    pixels of a window of that scale."""

    # The steps that need no place, as the helper's command line spells them.
    press = staticmethod(lambda button=1: ("pressionar", button))
    release = staticmethod(lambda button=1: ("soltar", button))
    key = staticmethod(lambda name: ("tecla", name))
    pause = staticmethod(lambda seconds: ("pausa", int(round(seconds * 1000))))

    def __init__(self, program, origin, scale=1.0):
        self.program, self.origin, self.scale = os.path.abspath(program), origin, scale

    def _screen(self, point):
        return tuple(o + p for o, p in zip(self.origin, first_pixel(point, self.scale)))

    def move(self, point):
        return ("mover",) + self._screen(point)

    def line(self, start, end, moves, hz):
        """Moves from start (not included) to end, one every 1/hz s."""
        return ("linha",) + self._screen(start) + self._screen(end) + (moves, hz)

    def run(self, *steps, log=None):
        """Sends the steps in order, with no pause but those asked for. With a log,
        every move's send time (ns of CLOCK_MONOTONIC) and screen point land there."""
        args = [self.program] + (["--registro", log] if log else [])
        for step in steps:
            args += [str(part) for part in step]
        done = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=120)
        if done.returncode != 0:
            raise Failure("the pointer helper failed: %s" % done.stderr.decode().strip())
