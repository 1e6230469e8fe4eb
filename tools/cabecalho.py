"""Reads the values of one of the game's lists of constants (the headers
plataforma/lugares.hpp and plataforma/arquivos.hpp), so that the painters and
the checks take them from where the game does."""

import os
import re

PLATAFORMA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "plataforma")


def read(name, pattern):
    """Every match of `pattern` in plataforma/<name>, as a list of its groups;
    a header without any is an error, not an empty list."""
    path = os.path.join(PLATAFORMA, name)
    with open(path, encoding="utf-8") as f:
        found = re.compile(pattern, re.S).findall(f.read())
    if not found:
        raise SystemExit("no values found in %s" % path)
    return found
