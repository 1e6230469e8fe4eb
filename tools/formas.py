"""The shapes the game's art is drawn with, supersampled for smooth edges
(see pintura.py): rounded boxes, ellipses, lines, marks, shadows, gradients
and soft lights.
"""

import math
import random

from PIL import Image, ImageDraw, ImageFilter, ImageMath


def _float_math(expression, **operands):
    """Pixel arithmetic on float images. The expression is our own constant;
    newer Pillow names the string evaluator unsafe_eval, older ones eval."""
    evaluate = getattr(ImageMath, "unsafe_eval", None) or ImageMath.eval
    return evaluate(expression, **operands)


def _rounded_mask(d, p, box, radius, fill):
    """A rounded rectangle on a mask: the box's corners through p, its right and
    bottom edges exclusive."""
    a, b = p(box[0], box[1])
    c, e = p(box[2], box[3])
    d.rounded_rectangle((a, b, c - 1, e - 1), radius, fill=fill)


class Formas:
    """Shapes, for a Canvas (pintura.py): they cover their area through the
    canvas's own supersampled masks and compositing."""

    def rounded(self, box, radius, color, opacity=1.0, width=0):
        """A filled rounded rectangle, or with width > 0 only its outline.

        The box's right and bottom edges are exclusive, like pixel ranges.
        """
        x0, y0, x1, y1 = box
        u = self._unit()
        inner = (x0 + width, y0 + width, x1 - width, y1 - width)

        def draw(d, p):
            _rounded_mask(d, p, box, radius * u, 255)
            if width:
                _rounded_mask(d, p, inner, max(0, radius - width) * u, 0)

        self._fill(box, draw, color, opacity)

    def rounded_gradient(self, box, radius, top, bottom):
        """A rounded rectangle filled with a vertical gradient."""
        u = self._unit()
        mask, origin = self._cover(box, lambda d, p: _rounded_mask(d, p, box, radius * u, 255))
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
