"""The game's icon, in the style of its cards: a blue hand card laid over a
purple pile card, as a player drops one on the other.

    /usr/bin/python3 tools/icone.py OUTPUT_DIR

writes OUTPUT_DIR/trevalia-N.png for every size N a desktop asks for,
trevalia.ico for the Windows program, and icone_janela.inc, the pixels of the
window's own icon as C++ for the game to build in. Each size is painted on its
own pixel grid rather than scaled from the largest, so the small ones stay
sharp: they drop the details that would only blur (corner indices, then the
number, then the tilt).
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from cartas import HAND_SIZE, card  # noqa: E402
from pintura import BLUE, PURPLE, Canvas  # noqa: E402
from telas import rotated, with_shadow  # noqa: E402

SIZES = (16, 24, 32, 48, 64, 128, 256)
# The sizes Windows looks for in a program's icon, from the title bar's to
# Explorer's largest view.
ICO_SIZES = (16, 24, 32, 48, 64, 256)
# The window's own icon: Windows' large window icon, which it shrinks for the
# title bar; X11 taskbars scale it as they need.
WINDOW_SIZE = 32

# The front card's number; the card under it shows only its colour and rim,
# as a fragment of a second number would read as a smudge.
FRONT_VALUE = 10


def _plain_card(palette, size, value=None):
    """A card without corner indices, for icons too small to read them."""
    w, h = size
    c = Canvas(w, h)
    radius = max(1.5, w * 0.1)
    c.rounded_gradient((0, 0, w, h), radius, palette["top"], palette["bottom"])
    c.rounded((0, 0, w, h), radius, palette["rim"], opacity=0.6, width=max(1.0, w / 24))
    if value is not None:
        c.number((w / 2, h / 2), str(value), round(h * 0.42), (255, 255, 255))
    return c


def _front(size, icon_size):
    if icon_size >= 128:
        return card(FRONT_VALUE, BLUE, size)
    return _plain_card(BLUE, size, FRONT_VALUE if icon_size >= 32 else None)


def icon(n):
    """The icon painted at n by n pixels, on a transparent ground."""
    c = Canvas(n, n)
    # The cards keep the hand card's proportions and fill most of the height.
    h = round(n * (0.80 if n > 24 else 0.88))
    w = round(h * HAND_SIZE[0] / HAND_SIZE[1])
    tilt = 12 if n > 24 else 0
    back = (_plain_card(PURPLE, (w, h)), (0.38, 0.46), tilt)
    front = (_front((w, h), n), (0.62, 0.54), -tilt / 2)
    for face, (fx, fy), angle in (back, front):
        picture = rotated(face, angle) if angle else face.img
        x = round(n * fx - picture.width / 2)
        y = round(n * fy - picture.height / 2)
        if n >= 48:
            with_shadow(c, picture, (x, y), blur=max(1, n // 48), offset=(0, max(1, n // 64)))
        else:
            c.paste(picture, (x, y))
    return c


def _replace(path, save):
    """Writes a file through a temporary one, so a stopped build leaves no half file."""
    save(path + ".tmp")
    os.replace(path + ".tmp", path)


def _window_pixels(picture):
    """The window's icon as C++ (plataforma/icone_janela.cpp): its side and its bytes."""
    rgba = picture.tobytes()
    rows = (", ".join("0x%02x" % b for b in rgba[i:i + 16]) for i in range(0, len(rgba), 16))
    return ("// Painted by tools/icone.py: the window's icon, %d by %d pixels,\n"
            "// RGBA, top row first.\n"
            "constexpr unsigned lado_icone = %d;\n"
            "constexpr unsigned char pixels_icone[] = {\n    %s,\n};\n"
            % (picture.width, picture.height, picture.width, ",\n    ".join(rows)))


def write(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    icons = {n: icon(n) for n in SIZES}
    for n in SIZES:
        _replace(os.path.join(out_dir, "trevalia-%d.png" % n), icons[n].save_png)
    # Given every size, Pillow stores each as painted instead of shrinking the largest.
    frames = [icons[n].img for n in ICO_SIZES]
    _replace(os.path.join(out_dir, "trevalia.ico"),
             lambda path: frames[-1].save(path, "ICO", sizes=[f.size for f in frames],
                                          append_images=frames[:-1]))

    def save_pixels(path):
        with open(path, "w") as f:
            f.write(_window_pixels(icons[WINDOW_SIZE].img))

    _replace(os.path.join(out_dir, "icone_janela.inc"), save_pixels)


if __name__ == "__main__":
    import gerar_imagens

    sys.exit(gerar_imagens.main(sys.argv, write))
