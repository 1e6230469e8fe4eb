"""Where things are on the game's table, in its 450x600 points, and how a
point maps to the pixels of a window the desktop's scale made larger.

These places are written here from what a player sees, apart from the
game's own code: a game that draws or hits elsewhere fails the scenarios.
"""

import math

from jogador import regras

WIDTH, HEIGHT = 450, 600
FULL = (0, 0, WIDTH, HEIGHT)

# Places on the table.
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
    return centre(pile_box(pile))


def centre(box):
    left, top, right, bottom = box
    return (left + right) // 2, (top + bottom) // 2


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


def first_pixel(point, scale):
    """The window pixel that the game reads as the point: the game takes every
    pixel down to its point, so the first pixel of a point."""
    return tuple(math.ceil(v * scale - 1e-9) for v in point)
