"""The table's places and the screens' buttons, read from the game's own list
(plataforma/lugares.hpp): the pictures are painted where the game answers, by
construction. Points, rectangles and colours become tuples; the hand's homes a list;
a number stays one.
"""

import os
import re

HEADER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "plataforma",
                      "lugares.hpp")
_VALUE = re.compile(r"constexpr\s+(ponto|retangulo|cor|int)\s+(\w+)(\[\d+\])?\s*\{(.*?)\};", re.S)


def _read():
    with open(HEADER, encoding="utf-8") as f:
        text = f.read()
    values = {}
    for kind, name, array, numbers in _VALUE.findall(text):
        numbers = [int(n) for n in re.findall(r"-?\d+", numbers)]
        if kind == "int":
            values[name] = numbers[0]
            continue
        size = {"ponto": 2, "cor": 3}.get(kind, 4)
        tuples = [tuple(numbers[i:i + size]) for i in range(0, len(numbers), size)]
        values[name] = tuples if array else tuples[0]
    if not values:
        raise SystemExit("no places found in %s" % HEADER)
    return values


globals().update(_read())
