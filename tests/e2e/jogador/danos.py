"""Ways to damage a file the game reads, as a damaged install would, for the
scenarios to spoil the game's own copy of its pictures with.
"""

import io
import os
import random
from pathlib import Path

from PIL import Image


def encoded(picture, form):
    out = io.BytesIO()
    picture.convert("RGB").save(out, form)
    return out.getvalue()


def other_format(path):
    """A picture in a format the name does not say: PNG for .jpg and .ttf, JPEG for .png."""
    form = "JPEG" if path.endswith(".png") else "PNG"
    try:
        with Image.open(path) as picture:
            return encoded(picture, form)
    except OSError:  # the font
        return encoded(Image.new("RGB", (40, 30), (200, 30, 90)), form)


def one_pixel(path):
    form = "PNG" if path.endswith((".png", ".ttf")) else "JPEG"
    return encoded(Image.new("RGB", (1, 1), (255, 255, 255)), form)


def make_folder(path):
    os.remove(path)
    os.mkdir(path)


DAMAGES = {
    "ausente": os.remove,
    "vazio": lambda path: Path(path).write_bytes(b""),
    "cortado": lambda path: Path(path).write_bytes(
        Path(path).read_bytes()[:os.path.getsize(path) // 2]),
    "bytes_aleatorios": lambda path: Path(path).write_bytes(
        random.Random(os.path.basename(path)).randbytes(max(os.path.getsize(path), 64))),
    "pasta": make_folder,
    "outro_formato": lambda path: Path(path).write_bytes(other_format(path)),
    "um_pixel": lambda path: Path(path).write_bytes(one_pixel(path)),
}


def damaging(damage, names):
    def damage_files(imagens):
        for name in names:
            DAMAGES[damage](os.path.join(imagens, name))
    return damage_files
