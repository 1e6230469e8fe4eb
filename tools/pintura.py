"""Drawing primitives shared by every picture of the game.

Shapes are drawn four times larger and scaled down, which gives them smooth
edges; text is drawn at its real size so that FreeType's hinting keeps small
letters crisp. Everything is composited onto an RGBA canvas and flattened only
when a picture is saved, so the transparent buttons keep clean edges.

Every picture is also painted at twice its size for scaled desktops. The art
always speaks in the game's points; a canvas made `at_scale(2)` has two pixels
per point and draws its shapes and text at that resolution, rather than
enlarging the small picture, so that edges and letters are as sharp as the
desktop's own.
"""

import contextlib

from PIL import Image, ImageDraw

import lugares
from formas import Formas
from letras import Letras

# Supersampling factor for shapes.
SS = 4

# Height of DejaVu Sans capitals and digits, as a fraction of the font size.
CAP_HEIGHT = 0.729

# The palette: a dark slate table, blue hand cards, purple pile cards, and one
# warm accent for the actions a player is most likely to want.
TABLE = lugares.mesa
TABLE_DEEP = (15, 27, 34)
HAND_PANEL = (27, 45, 55)
LINE = (52, 78, 92)
INK_LIGHT = (236, 241, 245)
INK_MUTED = (150, 170, 182)
INK_DARK = (24, 36, 44)
CHIP = (226, 233, 240)
ACCENT = (242, 182, 82)
ACCENT_DEEP = (214, 150, 52)
ACCENT_INK = (46, 32, 8)
SLATE = (46, 70, 83)
SLATE_EDGE = (86, 114, 129)
GOOD = (88, 196, 140)
BAD = (232, 104, 96)

BLUE = {"top": (64, 132, 232), "bottom": (34, 88, 190), "rim": (150, 196, 255)}
PURPLE = {"top": (150, 94, 218), "bottom": (104, 54, 172), "rim": (212, 176, 255)}

# Pixels per point of the canvases being made now.
_scale = 1


@contextlib.contextmanager
def at_scale(k):
    """Canvases made inside have k pixels per point."""
    global _scale
    before, _scale = _scale, k
    try:
        yield
    finally:
        _scale = before


def mix(a, b, t):
    """The colour a fraction t of the way from a to b."""
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


class Canvas(Formas, Letras):
    """An RGBA picture with the handful of operations the game's art needs:
    its shapes (formas.py), its text (letras.py), and pictures laid over it."""

    def __init__(self, width, height, color=(0, 0, 0, 0)):
        if len(color) == 3:
            color = tuple(color) + (255,)
        self.k = _scale
        self.img = Image.new("RGBA", (width * self.k, height * self.k), color)

    @property
    def size(self):
        """In points; `img.size` is in pixels."""
        return (self.img.size[0] // self.k, self.img.size[1] // self.k)

    # -- compositing ---------------------------------------------------------

    def _composite(self, mask, origin, color, opacity=1.0):
        """Lays `color` over the canvas with `mask` as coverage, at `origin`."""
        if opacity != 1.0:
            mask = mask.point(lambda v: round(v * opacity))
        layer = Image.new("RGBA", mask.size, tuple(color[:3]) + (0,))
        layer.putalpha(mask)
        self.img.alpha_composite(layer, dest=origin)

    def _cover(self, bbox, draw):
        """Coverage mask of a shape inside bbox, drawn supersampled.

        `draw(d, p)` draws white on `d`; `p(x, y)` maps points to the enlarged
        mask, where a point is `_unit()` mask pixels wide. Returns (mask,
        origin) clipped to the canvas, in pixels.
        """
        k = self.k
        x0 = max(0, int(bbox[0] * k) - 1)
        y0 = max(0, int(bbox[1] * k) - 1)
        x1 = min(self.img.size[0], int(bbox[2] * k) + 2)
        y1 = min(self.img.size[1], int(bbox[3] * k) + 2)
        if x1 <= x0 or y1 <= y0:
            return None, (0, 0)
        big = Image.new("L", ((x1 - x0) * SS, (y1 - y0) * SS), 0)

        def p(x, y):
            return ((x * k - x0) * SS, (y * k - y0) * SS)

        draw(ImageDraw.Draw(big), p)
        return big.resize((x1 - x0, y1 - y0), Image.Resampling.BOX), (x0, y0)

    def _unit(self):
        """Mask pixels per point."""
        return SS * self.k

    def _fill(self, bbox, draw, color, opacity=1.0):
        mask, origin = self._cover(bbox, draw)
        if mask is not None:
            self._composite(mask, origin, color, opacity)

    # -- pictures -------------------------------------------------------------

    def paste(self, picture, xy):
        """Lays another RGBA picture (a Canvas of the same scale, or an image
        in this canvas's pixels) over this one, at a place in points."""
        if isinstance(picture, Canvas):
            assert picture.k == self.k, "a picture pasted at another scale"
            picture = picture.img
        self.img.alpha_composite(picture, dest=(int(xy[0] * self.k), int(xy[1] * self.k)))

    def save_jpg(self, path):
        # Full-resolution chroma keeps the coloured edges of small text sharp.
        self.img.convert("RGB").save(path, "JPEG", quality=94, subsampling=0)

    def save_png(self, path):
        self.img.save(path, "PNG")
