"""The table's places and the screens' buttons, read from the game's own list
(plataforma/lugares.hpp): the pictures are painted where the game answers, by
construction. Points and rectangles become tuples; the hand's homes a list.
"""

import re

import cabecalho


def _read():
    values = {}
    for kind, name, array, numbers in cabecalho.read(
        "lugares.hpp", r"constexpr\s+(ponto|retangulo)\s+(\w+)(\[\d+\])?\s*\{(.*?)\};"
    ):
        numbers = [int(n) for n in re.findall(r"-?\d+", numbers)]
        size = 2 if kind == "ponto" else 4
        tuples = [tuple(numbers[i:i + size]) for i in range(0, len(numbers), size)]
        values[name] = tuples if array else tuples[0]
    return values


globals().update(_read())
