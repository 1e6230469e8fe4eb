"""The tests' own pointer: e2e_ponteiro, which moves the X pointer through XTest
at a steady pace, driven in window pixels.

xdotool starts a program for every step, and that start costs a few
milliseconds one time and tens the next: too uneven for a stream of moves at a
mouse's rate, or for a press followed by a move with no pause between.
"""

import math
import os
import subprocess

from jogador.arranque import Failure


class Pointer:
    """Steps in the game's points, sent as one run of the helper in the
    pixels of a window of that scale."""

    def __init__(self, program, origin, scale=1.0):
        self.program = os.path.abspath(program)
        self.origin = origin
        self.scale = scale

    def _screen(self, point):
        return tuple(o + math.ceil(p * self.scale - 1e-9) for o, p in zip(self.origin, point))

    def move(self, point):
        return ("mover",) + self._screen(point)

    def line(self, start, end, moves, hz):
        """Moves from start (not included) to end, one every 1/hz s."""
        return ("linha",) + self._screen(start) + self._screen(end) + (moves, hz)

    @staticmethod
    def press(button=1):
        return ("pressionar", button)

    @staticmethod
    def release(button=1):
        return ("soltar", button)

    @staticmethod
    def key(name):
        return ("tecla", name)

    @staticmethod
    def pause(seconds):
        return ("pausa", int(round(seconds * 1000)))

    def run(self, *steps, log=None, timeout=120):
        """Sends the steps in order, with no pause but those asked for. With a log,
        every move's send time (ns of CLOCK_MONOTONIC) and screen point land there."""
        args = [self.program] + (["--registro", log] if log else [])
        for step in steps:
            args += [str(part) for part in step]
        done = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                              timeout=timeout)
        if done.returncode != 0:
            raise Failure("the pointer helper failed: %s" % done.stderr.decode().strip())
