"""A page of the instructions: a card-sized sheet of paper over the
instructions screen, with its heading, short paragraphs, small drawings of
real cards, marks for what fits and arrows."""

import arquivos
import telas
from cartas import empty_pile, hand_card, pile_card
from letras import wrap
from pintura import BAD, GOOD, Canvas

SIZE = (telas.PAGE_BOX[2] - telas.PAGE_BOX[0], telas.PAGE_BOX[3] - telas.PAGE_BOX[1])

PAPER = (244, 246, 249)
INK = (40, 52, 60)
INK_SOFT = (104, 118, 128)
RULE = (218, 224, 230)
COUNT_BLUE = (0, 0, 255)

MARGIN = 18
TEXT_SIZE = 13
LEADING = 18
MINI_HAND = (40, 55)
MINI_PILE = (46, 63)


class Page:
    def __init__(self, number, heading):
        w, h = SIZE
        self.heading = heading
        # The sheet's rounded corners show the instructions screen behind it.
        screen = telas.screen(arquivos.tela_instrucoes, buttons=False)
        ground = screen.img.crop(tuple(v * screen.k for v in telas.PAGE_BOX))
        self.c = Canvas(w, h)
        self.c.paste(ground, (0, 0))
        self.c.rounded((0, 0, w, h), 14, PAPER)
        self.c.text((MARGIN, 34), heading, 18, INK, anchor="ls", max_width=w - 2 * MARGIN - 40)
        count = "%d / %d" % (number, arquivos.paginas)
        self.c.text((w - MARGIN, 34), count, 12, INK_SOFT, anchor="rs")
        self.c.rounded((MARGIN, 45, w - MARGIN, 46), 0, RULE)
        self.y = 66

    def say(self, text, bold=False, colour=INK, gap=6, left=MARGIN, width=None):
        """A short paragraph, wrapped to the page; `y` is the top of the next
        thing on the page and moves down past the paragraph."""
        width = width or SIZE[0] - left - MARGIN
        lines = wrap(text, TEXT_SIZE, width, bold)
        self.c.paragraph(
            left,
            self.y + TEXT_SIZE,
            lines,
            TEXT_SIZE,
            colour,
            leading=LEADING,
            bold=bold,
            anchor="ls",
        )
        self.y += len(lines) * LEADING + gap
        return self

    def space(self, dy):
        self.y += dy
        return self

    def card(self, kind, value, x, y):
        if kind == "hand":
            face = hand_card(value, size=MINI_HAND)
        elif kind == "pile":
            face = pile_card(value, size=MINI_PILE)
        else:
            face = empty_pile(kind == "up", size=MINI_PILE)
        telas.with_shadow(self.c, face.img, (x, y), blur=2, offset=(0, 2), opacity=0.25)
        return face.size

    def verdict(self, cx, cy, ok):
        colour = GOOD if ok else BAD
        self.c.ellipse((cx - 9, cy - 9, cx + 9, cy + 9), (255, 255, 255))
        self.c.ellipse((cx - 8, cy - 8, cx + 8, cy + 8), colour)
        if ok:
            self.c.tick(cx, cy, 13, (255, 255, 255), width=2.4)
        else:
            self.c.cross(cx, cy, 13, (255, 255, 255), width=2.4)

    def caption(self, cx, y, text):
        self.c.text((cx, y), text, 11, INK_SOFT, anchor="ms", max_width=90)

    def example(self, pile_value, tries, left=MARGIN + 4, spacing=40, label="on the pile"):
        """A pile and the cards tried on it, each marked as fitting or not."""
        top = self.y
        self.card("pile", pile_value, left, top)
        if label:
            self.caption(left + MINI_PILE[0] / 2, top + MINI_PILE[1] + 16, label)
        x = left + MINI_PILE[0] + 30
        self.c.polygon(left_arrow(x - 17, top + MINI_PILE[1] / 2), INK_SOFT)
        for value, ok, note in tries:
            cy = top + (MINI_PILE[1] - MINI_HAND[1]) / 2
            self.card("hand", value, x, cy)
            self.verdict(x + MINI_HAND[0] - 2, cy + 2, ok)
            self.caption(x + MINI_HAND[0] / 2, top + MINI_PILE[1] + 16, note)
            x += MINI_HAND[0] + spacing
        return top + MINI_PILE[1] + 30

    def finish(self):
        if self.y > SIZE[1] - 6:
            raise ValueError("page %r runs off the sheet" % self.heading)
        return self.c


def left_arrow(x, y):
    # A small arrow pointing left: "goes onto the pile".
    return [
        (x - 8, y),
        (x, y - 6),
        (x, y - 2),
        (x + 10, y - 2),
        (x + 10, y + 2),
        (x, y + 2),
        (x, y + 6),
    ]


def right_arrow(x, y):
    return [
        (x + 9, y),
        (x + 1, y - 6),
        (x + 1, y - 2),
        (x - 9, y - 2),
        (x - 9, y + 2),
        (x + 1, y + 2),
        (x + 1, y + 6),
    ]
