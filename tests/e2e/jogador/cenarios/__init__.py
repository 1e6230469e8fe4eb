"""The end-to-end scenarios, a module a subject: each a function of the run's
context (rodar.py), registered under its name, which CTest's e2e.NAME runs.
"""

import importlib
import pkgutil

SCENARIOS = {}


def scenario(function, name=None):
    SCENARIOS[name or function.__name__] = function
    return function


def every():
    """Every scenario of every module here, by name."""
    for module in pkgutil.iter_modules(__path__):
        importlib.import_module("%s.%s" % (__name__, module.name))
    return SCENARIOS
