"""Text for the game's art: the DejaVu fonts, drawn at their real size so
that FreeType's hinting keeps small letters crisp (see pintura.py).
"""

import os

from PIL import Image, ImageDraw, ImageFont

FONT_DIR = os.environ.get("TREVALIA_FONTES", "/usr/share/fonts/truetype/dejavu")
FONT_BOLD = os.path.join(FONT_DIR, "DejaVuSans-Bold.ttf")
FONT_REGULAR = os.path.join(FONT_DIR, "DejaVuSans.ttf")

_fonts = {}


def font(size, bold=True):
    key = (size, bold)
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(FONT_BOLD if bold else FONT_REGULAR, size)
    return _fonts[key]


def text_width(text, size, bold=True, tracking=0):
    return font(size, bold).getlength(text) + tracking * (len(text) - 1)


class TextTooWide(ValueError):
    pass


class Letras:
    """Text, for a Canvas (pintura.py), composited through the canvas."""

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
