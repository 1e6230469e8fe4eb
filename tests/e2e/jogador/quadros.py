"""The frames that the preloaded 60 Hz display logged: when the program asked
for each swap, the refresh it was shown at (ns of CLOCK_MONOTONIC) and a row of
the frame, where a card dragged along it tells which pointer move it shows.
"""

import collections
import contextlib
import math
import os
import shutil
import tempfile
import time
from unittest import mock

from jogador import vestigios

CARD_WIDTH = 70
# Sum over the channels of a pixel's difference from the background beyond
# which it belongs to something drawn over it. The decoders of the game and of
# Pillow differ by a few units; a card against the table by a hundred or more.
DRAWN = 48

Frame = collections.namedtuple("Frame", "called shown row")


@contextlib.contextmanager
def display_60hz(library, row=None):
    """Games started inside run on the 60 Hz display (the library, preloaded)
    and log their frames, with that row of each, to the file this yields."""
    folder = tempfile.mkdtemp(prefix="trevalia-quadros-", dir=vestigios.temporary_folder())
    log = os.path.join(folder, "quadros.txt")
    env = {"TREVALIA_E2E_PRELOAD": os.path.abspath(library), "TREVALIA_QUADROS": log}
    if row is not None:
        env["TREVALIA_QUADROS_LINHA"] = str(row)
    try:
        with mock.patch.dict(os.environ, env):
            yield log
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def read_frames(path):
    """The frames logged so far (none while the log does not exist yet)."""
    if not os.path.exists(path):
        return []
    with open(path) as f:
        # A line still being written has no end of line yet.
        lines = [line.split() for line in f if line.endswith("\n")]
    return [Frame(int(parts[0]), int(parts[1]), bytes.fromhex(parts[2]) if len(parts) > 2
                  else b"") for parts in lines if len(parts) >= 2]


def read_moves(path, origin, scale=1.0):
    """The pointer helper's log: (send time, x, y), in the points of a window
    of that scale."""
    with open(path) as f:
        moves = [[int(v) for v in line.split()] for line in f]
    return [(t, math.floor((x - origin[0]) / scale), math.floor((y - origin[1]) / scale))
            for t, x, y in moves]


def in_points(frames, scale, width=450):
    """The frames' rows, logged in the pixels of a window of that scale, as
    rows of points: each point's first pixel."""
    if scale == 1:
        return frames
    return [frame._replace(row=b"".join(frame.row[3 * p:3 * p + 3] for p in (
        math.ceil(x * scale - 1e-9) for x in range(width)))) for frame in frames]


def background_row(picture, y):
    """The row y of the table's background picture (RGB) as bytes."""
    return picture.convert("RGB").crop((0, y, picture.size[0], y + 1)).tobytes()


def card_x(row, background):
    """Where the one card drawn across the row has its centre (a card is drawn
    centred on the pointer), or None when the row shows no whole card."""
    drawn = [x for x in range(min(len(row), len(background)) // 3)
             if sum(abs(row[3 * x + c] - background[3 * x + c]) for c in range(3)) > DRAWN]
    if not drawn or drawn[-1] - drawn[0] + 1 != CARD_WIDTH:
        return None
    return drawn[0] + CARD_WIDTH // 2


def shown_moves(frames, moves, background, window=None):
    """For each frame, the index of the last move it shows (-1: none yet): a
    frame shows only moves sent before it was asked for, in their order. A
    stream that passes a place twice must leave more than `window` moves
    between, so that one frame's card matches one move."""
    shown = []
    last = -1
    for frame in frames:
        x = card_x(frame.row, background)
        end = len(moves) if window is None else min(len(moves), max(last, 0) + window)
        for k in range(max(last, 0), end):
            if moves[k][0] > frame.called:
                break
            if moves[k][1] == x:
                last = k
                break
        shown.append(last)
    return shown


def lags(frames, moves, background, window=None):
    """For each move, ns from its sending to the first frame shown that shows
    it or a later one; None for a move no frame shows."""
    shown = shown_moves(frames, moves, background, window)
    result = [None] * len(moves)
    done = 0
    for frame, last in zip(frames, shown):
        while done <= last:
            result[done] = frame.shown - moves[done][0]
            done += 1
    return result


def wait_quiet(path, quiet=0.5, timeout=60.0):
    """Waits until no frame has been logged for `quiet` s, or the timeout;
    returns the frames."""
    deadline = time.monotonic() + timeout
    count, since = -1, time.monotonic()
    while True:
        frames = read_frames(path)
        if len(frames) != count:
            count, since = len(frames), time.monotonic()
        elif time.monotonic() - since >= quiet:
            return frames
        if time.monotonic() > deadline:
            return frames
        time.sleep(0.02)
