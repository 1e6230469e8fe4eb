"""The end-to-end scenarios, a module a subject. Each scenario is a function
of the run's context (rodar.py), registered under its name: the CTest test
e2e.NAME runs it.
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
