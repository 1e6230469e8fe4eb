"""The card faces and the two empty piles.

Hand cards are blue, the card on top of a pile is purple; both share one
design that scales with the card, so the tutorial can draw small real cards
with the same function.
"""

import lugares
from letras import font
from pintura import BLUE, PURPLE, TABLE, Canvas, mix

HAND_SIZE = (lugares.largura_carta_mao, 96)
PILE_SIZE = (92, 126)


def _big_number_size(width):
    # The widest pair of digits fills about three quarters of the card.
    return int(width * 0.74 / (font(100).getlength("88") / 100))


def _index(canvas, text, size, color, left=None, right=None, top=None, bottom=None):
    """A corner index, aligned by its ink to the given card edges."""
    f = font(size)
    l, t, r, b = f.getbbox(text, anchor="ls")
    x = left - l if left is not None else right - r
    y = top - t if top is not None else bottom - b
    canvas.text((round(x), round(y)), text, size, color, anchor="ls", opacity=0.9)


def card(value, palette, size, corner=None):
    """One card face. `corner` fills the pixels outside the rounded corners
    (the table under the card, since JPEG has no transparency); None leaves
    them transparent for compositing."""
    w, h = size
    k = w / HAND_SIZE[0]
    c = Canvas(w, h, corner if corner is not None else (0, 0, 0, 0))
    # The game clears the corners outside this radius (plataforma/cantos_carta).
    radius = lugares.raio_canto_carta * k
    c.rounded_gradient((0, 0, w, h), radius, palette["top"], palette["bottom"])
    # A fine light rim inside the edge, as on a printed card.
    _inner_rim(c, radius, 3 * k, palette["rim"], 0.5, k)
    # A soft disc behind the number gives the face a centre.
    d = w * 0.80
    cx, cy = w / 2, h / 2
    c.ellipse(
        (cx - d / 2, cy - d / 2, cx + d / 2, cy + d / 2),
        mix(palette["top"], (255, 255, 255), 0.25),
        opacity=0.22,
    )
    text = str(value)
    size_big = _big_number_size(w)
    c.number((cx, cy + k), text, size_big, (0, 0, 0), opacity=0.22)
    c.number((cx, cy), text, size_big, (255, 255, 255))
    size_index = max(8, round(12 * k))
    margin = 6 * k
    _index(c, text, size_index, (255, 255, 255), left=margin, top=margin)
    _index(c, text, size_index, (255, 255, 255), right=w - margin, bottom=h - margin)
    return c


def _inner_rim(c, radius, inset, color, opacity, k):
    """A fine line just inside the edge, as on a printed card."""
    w, h = c.size
    c.rounded(
        (inset, inset, w - inset, h - inset),
        radius - inset / 2,
        color,
        opacity=opacity,
        width=max(1, k),
    )


def hand_card(value, corner=None, size=HAND_SIZE):
    return card(value, BLUE, size, corner)


def pile_card(value, corner=None, size=PILE_SIZE):
    return card(value, PURPLE, size, corner)


def empty_pile(up, corner=None, size=PILE_SIZE):
    """The place of a pile before its first card: which way it goes, and from
    where. The arrow points away from the number, the way the pile travels."""
    w, h = size
    k = w / PILE_SIZE[0]
    c = Canvas(w, h, corner if corner is not None else (0, 0, 0, 0))
    radius = 9 * k
    base = corner if corner is not None else TABLE
    c.rounded((0, 0, w, h), radius, mix(base, PURPLE["bottom"], 0.30))
    c.rounded((0, 0, w, h), radius, PURPLE["rim"], opacity=0.75, width=2 * k)
    _inner_rim(c, radius, 5 * k, PURPLE["rim"], 0.18, k)
    arrow_color = mix(PURPLE["rim"], (255, 255, 255), 0.2)
    number = "1" if up else "100"
    caption = "UP" if up else "DOWN"
    size_number = round(32 * k)
    size_caption = max(8, round(12 * k))
    arrow_len, arrow_w = 34 * k, 28 * k
    if up:
        c.arrow(w / 2, 32 * k, arrow_len, arrow_w, arrow_color, up=True)
        c.number((w / 2, 76 * k), number, size_number, (255, 255, 255))
        c.text((w / 2, 106 * k), caption, size_caption, PURPLE["rim"], anchor="mm")
    else:
        c.text((w / 2, 20 * k), caption, size_caption, PURPLE["rim"], anchor="mm")
        c.number((w / 2, 50 * k), number, size_number, (255, 255, 255))
        c.arrow(w / 2, 94 * k, arrow_len, arrow_w, arrow_color, up=False)
    return c
