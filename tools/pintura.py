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
import math
import os
import random

from PIL import Image, ImageDraw, ImageFilter, ImageFont, ImageMath

FONT_DIR = os.environ.get("TREVALIA_FONTES", "/usr/share/fonts/truetype/dejavu")
FONT_BOLD = os.path.join(FONT_DIR, "DejaVuSans-Bold.ttf")
FONT_REGULAR = os.path.join(FONT_DIR, "DejaVuSans.ttf")

# Supersampling factor for shapes.
SS = 4

# Height of DejaVu Sans capitals and digits, as a fraction of the font size.
CAP_HEIGHT = 0.729

# The palette: a dark slate table, blue hand cards, purple pile cards, and one
# warm accent for the actions a player is most likely to want.
TABLE = (21, 36, 44)
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

_fonts = {}

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


def font(size, bold=True):
    key = (size, bold)
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(FONT_BOLD if bold else FONT_REGULAR, size)
    return _fonts[key]


def text_width(text, size, bold=True, tracking=0):
    return font(size, bold).getlength(text) + tracking * (len(text) - 1)


def mix(a, b, t):
    """The colour a fraction t of the way from a to b."""
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def _float_math(expression, **operands):
    """Pixel arithmetic on float images. The expression is our own constant;
    newer Pillow names the string evaluator unsafe_eval, older ones eval."""
    evaluate = getattr(ImageMath, "unsafe_eval", None) or ImageMath.eval
    return evaluate(expression, **operands)


class TextTooWide(ValueError):
    pass


class Canvas:
    """An RGBA picture with the handful of operations the game's art needs."""

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

    # -- shapes ---------------------------------------------------------------

    def rounded(self, box, radius, color, opacity=1.0, width=0):
        """A filled rounded rectangle, or with width > 0 only its outline.

        The box's right and bottom edges are exclusive, like pixel ranges.
        """
        x0, y0, x1, y1 = box
        u = self._unit()

        def draw(d, p):
            a, b = p(x0, y0)
            c, e = p(x1, y1)
            d.rounded_rectangle((a, b, c - 1, e - 1), radius * u, fill=255)
            if width:
                a, b = p(x0 + width, y0 + width)
                c, e = p(x1 - width, y1 - width)
                d.rounded_rectangle((a, b, c - 1, e - 1), max(0, radius - width) * u, fill=0)

        self._fill(box, draw, color, opacity)

    def rounded_gradient(self, box, radius, top, bottom):
        """A rounded rectangle filled with a vertical gradient."""
        x0, y0, x1, y1 = box
        u = self._unit()

        def draw(d, p):
            a, b = p(x0, y0)
            c, e = p(x1, y1)
            d.rounded_rectangle((a, b, c - 1, e - 1), radius * u, fill=255)

        mask, origin = self._cover(box, draw)
        ramp = Image.linear_gradient("L").resize(mask.size, Image.Resampling.BILINEAR)
        a = Image.new("RGBA", mask.size, tuple(top) + (255,))
        b = Image.new("RGBA", mask.size, tuple(bottom) + (255,))
        layer = Image.composite(b, a, ramp)
        layer.putalpha(mask)
        self.img.alpha_composite(layer, dest=origin)

    def ellipse(self, box, color, opacity=1.0, width=0):
        x0, y0, x1, y1 = box

        def draw(d, p):
            d.ellipse(p(x0, y0) + p(x1, y1), fill=255)
            if width:
                d.ellipse(p(x0 + width, y0 + width) + p(x1 - width, y1 - width), fill=0)

        self._fill(box, draw, color, opacity)

    def polygon(self, points, color, opacity=1.0):
        xs = [x for x, _ in points]
        ys = [y for _, y in points]

        def draw(d, p):
            d.polygon([p(x, y) for x, y in points], fill=255)

        self._fill((min(xs), min(ys), max(xs), max(ys)), draw, color, opacity)

    def line(self, points, width, color, opacity=1.0):
        xs = [x for x, _ in points]
        ys = [y for _, y in points]
        pad = width
        u = self._unit()

        def draw(d, p):
            pts = [p(x, y) for x, y in points]
            d.line(pts, fill=255, width=round(width * u), joint="curve")
            r = width * u / 2
            for x, y in (pts[0], pts[-1]):
                d.ellipse((x - r, y - r, x + r, y + r), fill=255)

        self._fill(
            (min(xs) - pad, min(ys) - pad, max(xs) + pad, max(ys) + pad), draw, color, opacity
        )

    def arc(self, box, start, end, width, color, opacity=1.0):
        x0, y0, x1, y1 = box
        u = self._unit()

        def draw(d, p):
            d.arc(p(x0, y0) + p(x1, y1), start, end, fill=255, width=round(width * u))

        self._fill(box, draw, color, opacity)

    def arrow(self, cx, cy, length, width, color, up=True, opacity=1.0):
        """A solid arrow centred on (cx, cy), pointing up or down."""
        head = width * 1.0
        shaft = width * 0.38
        s = -1 if up else 1
        tip = cy + s * length / 2
        base = tip - s * head * 0.95
        tail = cy - s * length / 2
        pts = [
            (cx, tip),
            (cx + head / 2, base),
            (cx + shaft / 2, base),
            (cx + shaft / 2, tail),
            (cx - shaft / 2, tail),
            (cx - shaft / 2, base),
            (cx - head / 2, base),
        ]
        self.polygon(pts, color, opacity)

    def tick(self, cx, cy, size, color, width=None):
        w = width or size * 0.2
        self.line(
            [
                (cx - size * 0.42, cy),
                (cx - size * 0.12, cy + size * 0.3),
                (cx + size * 0.45, cy - size * 0.34),
            ],
            w,
            color,
        )

    def cross(self, cx, cy, size, color, width=None):
        w = width or size * 0.2
        h = size * 0.36
        self.line([(cx - h, cy - h), (cx + h, cy + h)], w, color)
        self.line([(cx - h, cy + h), (cx + h, cy - h)], w, color)

    def shadow(self, box, radius, blur, offset=(0, 2), opacity=0.45, color=(0, 0, 0)):
        """A soft shadow under a rounded rectangle."""
        k = self.k
        box, radius, blur = [v * k for v in box], radius * k, blur * k
        offset = (offset[0] * k, offset[1] * k)
        pad = blur * 3
        x0, y0, x1, y1 = box
        w = int(x1 - x0 + 2 * pad)
        h = int(y1 - y0 + 2 * pad)
        mask = Image.new("L", (w, h), 0)
        ImageDraw.Draw(mask).rounded_rectangle(
            (pad, pad, pad + x1 - x0 - 1, pad + y1 - y0 - 1), radius, fill=255
        )
        mask = mask.filter(ImageFilter.GaussianBlur(blur))
        ox = int(x0 - pad + offset[0])
        oy = int(y0 - pad + offset[1])
        # Clip to the canvas: alpha_composite wants the layer inside.
        cx0, cy0 = max(0, -ox), max(0, -oy)
        cx1 = min(w, self.img.size[0] - ox)
        cy1 = min(h, self.img.size[1] - oy)
        if cx1 <= cx0 or cy1 <= cy0:
            return
        mask = mask.crop((cx0, cy0, cx1, cy1))
        self._composite(mask, (ox + cx0, oy + cy0), color, opacity)

    def _blend_smooth(self, origin, alpha, color):
        """Blends towards `color` by a float coverage image, with a fixed
        sub-level dither: gentle dark gradients would otherwise show rings
        and stripes one colour level apart."""
        x0, y0 = origin
        w, h = alpha.size
        region = self.img.crop((x0, y0, x0 + w, y0 + h))
        noise = Image.frombytes("L", (w, h), random.Random(w * 7919 + h).randbytes(w * h))
        noise = noise.convert("F").point(lambda v: v / 255.0 - 0.5)
        channels = []
        for old, target in zip(region.split()[:3], color):
            # + 0.5: the conversion to whole levels below truncates.
            out = _float_math(
                "old + (t - old) * a + n + 0.5",
                old=old.convert("F"),
                t=float(target),
                a=alpha,
                n=noise,
            )
            channels.append(out.convert("I").convert("L"))
        channels.append(region.getchannel("A"))
        self.img.paste(Image.merge("RGBA", channels), (x0, y0))

    def vertical_gradient(self, box, top, bottom):
        """From `top` at the box's top edge to `bottom` at its bottom edge."""
        x0, y0, x1, y1 = (int(v * self.k) for v in box)
        w, h = x1 - x0, y1 - y0
        self.rounded(box, 0, top)
        ramp = Image.new("F", (1, h))
        ramp.putdata([y / max(1, h - 1) for y in range(h)])
        self._blend_smooth((x0, y0), ramp.resize((w, h)), bottom)

    def glow(self, center, radius, color, opacity):
        """A soft round light, brightest in the middle."""
        k = self.k
        cx, cy, radius = center[0] * k, center[1] * k, radius * k
        x0, y0 = max(0, int(cx - radius)), max(0, int(cy - radius))
        x1 = min(self.img.size[0], int(cx + radius) + 1)
        y1 = min(self.img.size[1], int(cy + radius) + 1)
        # Worked out on a coarse grid and smoothly enlarged: the light has no
        # detail, and per-pixel Python would be slow.
        step = 4 * k
        gw, gh = (x1 - x0) // step + 2, (y1 - y0) // step + 2
        values = []
        for j in range(gh):
            for i in range(gw):
                d = math.hypot(x0 + i * step - cx, y0 + j * step - cy) / radius
                t = max(0.0, 1.0 - d)
                values.append(t * t * (3 - 2 * t) * opacity)
        coarse = Image.new("F", (gw, gh))
        coarse.putdata(values)
        alpha = coarse.resize((gw * step, gh * step), Image.Resampling.BILINEAR).crop(
            (0, 0, x1 - x0, y1 - y0)
        )
        self._blend_smooth((x0, y0), alpha, color)

    # -- text -----------------------------------------------------------------

    def text(
        self, xy, text, size, color, anchor="mm", bold=True, opacity=1.0, max_width=None, tracking=0
    ):
        """Text at its real size; refuses to draw text wider than max_width.
        `tracking` spreads the letters apart (left-anchored text only)."""
        width = text_width(text, size, bold, tracking)
        if max_width is not None and width > max_width:
            raise TextTooWide(
                "%r at %dpx is %.0f px wide, room for %d" % (text, size, width, max_width)
            )
        k = self.k
        return self._text_pixels(
            (xy[0] * k, xy[1] * k), text, font(size * k, bold), color, anchor, opacity, tracking * k
        )

    def _text_pixels(self, xy, text, f, color, anchor, opacity, tracking=0):
        """Text at a place in pixels, in a font already at the canvas's scale."""
        mask = Image.new("L", self.img.size, 0)
        d = ImageDraw.Draw(mask)
        if tracking:
            assert anchor[0] == "l", "spaced-out text is placed by its left edge"
            x, y = xy
            for ch in text:
                d.text((x, y), ch, fill=255, font=f, anchor=anchor)
                x += f.getlength(ch) + tracking
        else:
            d.text(xy, text, fill=255, font=f, anchor=anchor)
        box = mask.getbbox()
        if box is None:
            return None
        self._composite(mask.crop(box), box[:2], color, opacity)
        return box

    def number(self, center, text, size, color, opacity=1.0):
        """Digits centred by their ink, not by the font's line box, so that a
        number sits in the optical middle of its card. The ink is measured
        at the canvas's scale: hinting moves it by whole pixels."""
        k = self.k
        f = font(size * k, True)
        left, top, right, bottom = f.getbbox(text, anchor="ls")
        x = center[0] * k - (left + right) / 2
        y = center[1] * k - (top + bottom) / 2
        return self._text_pixels((round(x), round(y)), text, f, color, "ls", opacity)

    def paragraph(
        self, x, y, lines, size, color, leading=None, bold=False, anchor="la", max_width=None
    ):
        """Lines of text one under the other; returns the y below the last."""
        step = leading or round(size * 1.35)
        for line in lines:
            if line:
                self.text((x, y), line, size, color, anchor=anchor, bold=bold, max_width=max_width)
            y += step
        return y

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


def wrap(text, size, width, bold=False):
    """Splits text into lines no wider than width."""
    words = text.split()
    lines, current = [], ""
    for word in words:
        candidate = word if not current else current + " " + word
        if text_width(candidate, size, bold) <= width:
            current = candidate
        else:
            if not current:
                raise TextTooWide("%r does not fit in %d px" % (word, width))
            lines.append(current)
            current = word
    if current:
        lines.append(current)
    return lines
