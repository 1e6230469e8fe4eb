"""The files the game reads from imagens/, and the instructions' page count,
read from the game's own list (plataforma/arquivos.hpp): the generator paints
exactly the files the game opens. Names become strings, counts integers.
"""

import os

import cabecalho


def _read():
    values = {}
    for kind, name, value in cabecalho.read(
        "arquivos.hpp", r"constexpr\s+(const char\*|int)\s+(\w+)\s*\{(.*?)\};"
    ):
        values[name] = int(value) if kind == "int" else value.strip('"')
    return values


_VALUES = _read()
globals().update(_VALUES)


def numbered(prefix, n):
    """A numbered file: numbered(carta_mao, 5) is the hand's card 5."""
    return "%s%d%s" % (prefix, n, _VALUES["numerados"])


def twice(name):
    """The name of a picture's twin at twice the size: menu.jpg, menu@2x.jpg."""
    stem, ext = os.path.splitext(name)
    return stem + "@2x" + ext


def every():
    """Every file the game reads, the pictures' twins included (the font has
    none: text is drawn from it at any size)."""
    v = _VALUES
    # The single pictures are the names with an extension of a picture; the
    # numbered files' own extension alone starts with the dot.
    pictures = {name for name in v.values() if isinstance(name, str)
                and name.endswith((".jpg", ".png")) and not name.startswith(".")}
    for prefix, last in (("carta_mao", "cartas"), ("carta_pilha", "cartas"), ("pagina", "paginas")):
        pictures |= {numbered(v[prefix], n) for n in range(1, v[last] + 1)}
    return pictures | {twice(p) for p in pictures} | {v["fonte"]}
