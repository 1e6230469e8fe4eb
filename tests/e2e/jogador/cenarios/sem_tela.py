"""Without a display, at start-up or when it goes away in play: the game says
so in one line and ends with status 1. A window destroyed by another program
ends the game as a close does.
"""

import os
import shutil
import subprocess
import tempfile
import time

from jogador import arranque, vestigios, x11
from jogador.area_de_trabalho import end, own_server
from jogador.arranque import Failure, die_with_parent
from jogador.cenarios import scenario
from jogador.espera import GAME_WAIT, main_thread_call
from jogador.preparos import check


def run_on(ctx, display, during=None):
    """Runs the game with DISPLAY set to `display` (None: unset); `during`, if
    given, is called with the game's window once it shows. Returns the game's
    status and what it printed. Only helper programs talk to that display: a
    display that goes away takes the connections of this driver with it."""
    folder = tempfile.mkdtemp(prefix="trevalia-sem-tela-", dir=vestigios.temporary_folder())
    env = arranque.frozen_environment(folder)
    env.pop("DISPLAY", None)
    if display is not None:
        env["DISPLAY"] = display
    # Its output goes to a file: a pipe nobody reads until the end could fill
    # and hold the game up.
    log = open(os.path.join(folder, "saida.txt"), "w+b")
    process = subprocess.Popen(arranque.command(ctx.jogo), env=env, cwd=folder,
                               stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                               preexec_fn=die_with_parent)
    vestigios.started(process.pid, ctx.jogo)
    try:
        if during is not None:
            # The driver connects only once the game waits in its window: a
            # client of its own would keep the server from resetting when the
            # game's first connection closes, and hide a game that fails then.
            deadline = time.monotonic() + 30
            while (process.poll() is None and time.monotonic() < deadline
                   and (main_thread_call(process.pid) or [""])[0] != GAME_WAIT):
                time.sleep(0.005)
            if process.poll() is not None:
                raise Failure("the game ended before its window showed on %s:\n%s"
                              % (display, read(log)))
            # Asked with the display alone: the game's frozen clock is its own.
            try:
                found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                        "^Trevalia$"], env=dict(os.environ, DISPLAY=display),
                                       stdout=subprocess.PIPE, timeout=30).stdout
            except subprocess.TimeoutExpired:
                found = b""
            if not found.split():
                raise Failure("no window on %s; the game printed:\n%s" % (display, read(log)))
            during(int(found.split()[0]))
        process.wait(20)
        return process.returncode, read(log)
    finally:
        process.kill()
        process.wait()
        vestigios.ended(process)
        log.close()
        shutil.rmtree(folder, ignore_errors=True)


def read(log):
    log.seek(0)
    return log.read().decode(errors="replace")


def display_lost(ctx, stop):
    """The game on an X server of the scenario's own, which `stop(server,
    name, window)` takes away under it."""
    server, name = own_server()
    try:
        return run_on(ctx, name, lambda window: stop(server, name, window))
    finally:
        # Ended as a server should be, it leaves no lock behind for the next.
        end(server)


# How the game starts and stops without a desktop to show it: (case, how it
# is run, its status, what its one line must name).
START_AND_STOP = [
    ("DISPLAY unset", lambda ctx: run_on(ctx, None), 1, "DISPLAY is not set"),
    ("DISPLAY naming no server", lambda ctx: run_on(ctx, ":4093"), 1, '":4093"'),
    ("the X server stopped", lambda ctx: display_lost(
        ctx, lambda server, name, window: server.terminate()), 1, None),
    ("the client killed", lambda ctx: display_lost(
        ctx, lambda server, name, window: x11.kill_client(window, name)), 1, None),
    # Destroyed rather than asked to close: the game leaves as if closed.
    ("the window destroyed by another program", lambda ctx: display_lost(
        ctx, lambda server, name, window: subprocess.run(
            ["xdotool", "windowclose", str(window)], env=dict(os.environ, DISPLAY=name),
            check=True)), 0, None),
]


@scenario
def sem_tela(ctx):
    """Without a display the game says so in one line and ends with status 1, at
    start-up as when the display goes away in play: never an abort."""
    for case, run, status, named in START_AND_STOP:
        got, out = run(ctx)
        check(got == status and "X Error" not in out,
              "%s: status %s, not %d:\n%s" % (case, got, status, out))
        if named is not None:
            lines = out.strip().split("\n")
            check(len(lines) == 1 and named in lines[0] and "graphical desktop" in lines[0],
                  "%s: the game printed %r" % (case, out))
