"""Starting the game and its helpers under a frozen clock, through Wine for a
Windows build, never outliving the driver that started them.
"""

import ctypes
import glob
import os
import shutil
import signal
import subprocess
import sys
import tempfile

from jogador import vestigios

# The second the clock is frozen at; its deal must have a winning line that
# regras.find_win finds. Another C runtime's rand() deals another game for the
# same second, so a Windows build's tests name their own second.
FROZEN = os.environ.get("TREVALIA_E2E_FROZEN", "2026-01-01 00:00:00")


class Failure(AssertionError):
    pass


def libfaketime():
    found = sorted(glob.glob("/usr/lib/*/faketime/libfaketime.so.1"))
    if not found:
        raise Failure("libfaketime.so.1 not found (Debian package faketime)")
    return found[0]


def frozen_environment(folder):
    """The environment that freezes time() at FROZEN in the program itself:
    libfaketime preloaded, not through the faketime wrapper, so that the
    process started is the program. The monotonic clock stays real, for
    timeouts and frame timing. TREVALIA_E2E_PRELOAD names libraries to preload
    after it (a sanitizer runtime, a display): with AddressSanitizer's runtime
    before it, Debian 13's libfaketime hangs the program as it starts (each
    wraps the clock and calls the other before it is ready). Sanitizer reports
    go to files in `folder`, the program's working folder."""
    env = dict(os.environ)
    extra = [p for p in env.get("TREVALIA_E2E_PRELOAD", "").split(":") if p]
    env.update(LD_PRELOAD=":".join([libfaketime()] + extra), FAKETIME=FROZEN,
               DONT_FAKE_MONOTONIC="1")
    env.pop("FAKETIME_SHARED", None)
    for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS"):
        env[name] = ":".join(filter(None, [env.get(name), "log_path=" + os.path.join(
            folder, vestigios.SANITIZER_LOG)]))
    return env


def end_on_sigterm():
    """A CTest timeout ends the driver with SIGTERM: unwind, so that the game is
    ended and its folder removed on the way out."""
    signal.signal(signal.SIGTERM, lambda number, frame: sys.exit(128 + number))


def command(program):
    """How a program is started: as it is, or through TREVALIA_E2E_LAUNCHER (Wine,
    for a Windows build), which then runs under the frozen clock as well."""
    launcher = os.environ.get("TREVALIA_E2E_LAUNCHER")
    return ([launcher] if launcher else []) + [os.path.abspath(program)]


def die_with_parent():
    """Runs in the child before exec: it gets SIGKILL if this driver dies, so no
    game outlives a test that was killed (a CTest timeout, say)."""
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


def deal(helper):
    """The deck's order the game deals at the frozen second, from its own deck.
    Under Wine the helper has at times ended at once with status 1, printing
    nothing (once in a few hundred starts on a busy machine): it is asked once
    more before that counts."""
    if os.environ.get("TREVALIA_E2E_LAUNCHER"):
        try:
            return _deal_once(helper)
        except Failure:
            pass
    return _deal_once(helper)


def _deal_once(helper):
    folder = tempfile.mkdtemp(prefix="trevalia-monte-", dir=vestigios.temporary_folder())
    try:
        with subprocess.Popen(command(helper), env=frozen_environment(folder), cwd=folder,
                              stdout=subprocess.PIPE, preexec_fn=die_with_parent) as process:
            vestigios.started(process.pid, helper)
            try:
                out = process.communicate(timeout=60)[0]
            finally:
                process.kill()
                process.wait()
                vestigios.ended(process)
        reports = vestigios.sanitizer_reports(folder)
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    if reports or process.returncode != 0:
        raise Failure("the deal helper ended with status %d:\n%s" % (process.returncode, reports))
    deck, hand = ([int(v) for v in line.split()] for line in out.decode().split("\n")[:2])
    if sorted(deck) != list(range(1, 100)) or hand != deck[:8]:
        raise Failure("unexpected deal from the helper: %r / %r" % (deck, hand))
    return deck
