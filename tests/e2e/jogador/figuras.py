"""The generated pictures as the window should show them, and how far a
region of the window is from them.
"""

import functools
import os

from PIL import Image, ImageChops, ImageStat

import arquivos
from jogador import regras
from jogador.arranque import Failure
from jogador.pontos import pixel_box

# Mean absolute difference per channel (0..255) under which a region is taken
# to show a picture. At a whole scale the game draws every texel on whole
# pixels, and differs from Pillow's reading of the file by a mean near 0.01,
# while the closest two card faces, 6 and 8, differ by 3. At a fractional
# scale GPU and Pillow round the blend of texels apart: at most 0.5 measured
# at 150% and 180% (a button's soft edge), while the closest wrong picture is
# 1.97 away (a screen magnified instead of its twin) and the closest card 3.3.
SAME = 1.0


def with_edges(picture):
    """The picture with a border of one texel repeating its edges: a GPU
    reads a texture's edge past it, Pillow reads nothing there."""
    w, h = picture.size
    out = Image.new(picture.mode, (w + 2, h + 2))
    out.paste(picture, (1, 1))
    out.paste(picture.crop((0, 0, w, 1)), (1, 0))
    out.paste(picture.crop((0, h - 1, w, h)), (1, h + 1))
    out.paste(out.crop((1, 0, 2, h + 2)), (0, 0))
    out.paste(out.crop((w, 0, w + 1, h + 2)), (w + 1, 0))
    return out


def difference(a, b):
    """Mean absolute difference of two pictures of one size, per channel."""
    if a.size != b.size:
        raise Failure("comparing pictures of sizes %s and %s" % (a.size, b.size))
    return sum(ImageStat.Stat(ImageChops.difference(a, b)).mean) / 3.0


class Pictures:
    """The generated pictures, read once, at the window's `scale` (pixels per
    point, across and down). Above 1 the game shows a picture's twin painted at
    twice the size (name@2x.ext) where it has one, else the picture magnified;
    `damaged` names the pictures whose twin a scenario spoilt in the game's copy.
    """

    def __init__(self, folder):
        self.folder = folder
        self.scale = (1, 1)
        self.damaged = set()
        self._cache = {}

    def get(self, name):
        if name not in self._cache:
            path = os.path.join(self.folder, name)
            if not os.path.exists(path):
                raise Failure("missing picture %s (are the pictures built?)" % path)
            with Image.open(path) as picture:
                self._cache[name] = picture.convert("RGBA" if name.endswith(".png") else "RGB")
        return self._cache[name]

    def twin(self, name):
        double = arquivos.twice(name)
        damaged = name in self.damaged or not os.path.exists(os.path.join(self.folder, double))
        return None if damaged else double

    def drawn(self, layers, box):
        """The points of box as the window shows them with the pictures of
        layers drawn one over another, each (name, at) with its top-left
        corner at the point `at`: at scale 1 the pictures themselves; above,
        in the window's pixels of pixel_box."""
        drawn = [self._layer(name, at, box) for name, at in layers]
        return functools.reduce(Image.alpha_composite, drawn).convert("RGB")

    def _layer(self, name, at, box):
        if self.scale == (1, 1):
            key = (name, box[0] - at[0], box[1] - at[1], box[2] - at[0], box[3] - at[1])
            if key not in self._cache:
                self._cache[key] = self.get(name).convert("RGBA").crop(key[1:])
            return self._cache[key]
        # As the GPU samples the texture: the centre of pixel p shows the
        # texel (p + 1/2) / s - at points into the picture, blending its four
        # nearest texels when the game filters the picture (pixels per texel
        # not whole), else the one it lies in.
        texels = 2 if self.twin(name) else 1
        left, top, right, bottom = pixel_box(box, self.scale)
        (sx, sy), (x, y) = self.scale, at
        filtered = sx / texels != int(sx / texels) or sy / texels != int(sy / texels)
        key = (name, texels, right - left, bottom - top,
               round((left / sx - x) * texels, 6), round((top / sy - y) * texels, 6))
        if key not in self._cache:
            picture = self.get(self.twin(name) or name).convert("RGBA")
            # +1: with_edges' border.
            affine = (texels / sx, 0, key[4] + 1, 0, texels / sy, key[5] + 1)
            self._cache[key] = with_edges(picture).transform(
                key[2:4], Image.AFFINE, affine, Image.BILINEAR if filtered else Image.NEAREST)
        return self._cache[key]

    def box_of(self, name, at):
        """The points the picture covers with its top-left corner at `at`."""
        w, h = self.get(name).size
        return at[0], at[1], at[0] + w, at[1] + h


TABLE = (arquivos.mesa, (0, 0))


def hand_card(value):
    return arquivos.numbered(arquivos.carta_mao, value)


def pile_card(pile, value):
    if value is None:
        ascending = pile in regras.ASCENDING
        return arquivos.pilha_crescente_vazia if ascending else arquivos.pilha_decrescente_vazia
    return arquivos.numbered(arquivos.carta_pilha, value)


# Every file the game reads from imagens/, the pictures' twins included.
FILES = arquivos.every()
