"""What the scenarios start from and check with: a game brought to its table
with the model of its deal, a game played to its loss, the 60 Hz display and
the steady pointer around a game.
"""

import contextlib
import os
import shutil
import sys
import tempfile
from unittest import mock

from jogador import pontos, regras, vestigios
from jogador.arranque import Failure
from jogador.jogo import Game
from jogador.ponteiro import Pointer


def check(condition, message):
    if not condition:
        raise Failure(message)


def new_table(ctx):
    return regras.Table(ctx.deck)


def playing(ctx, first_card=False, **kwargs):
    """A game started and brought to its table, with the model of its deal;
    with first_card, the opening deal's first card then played (first_play)."""
    game = Game(ctx.jogo, ctx.imagens, shots=ctx.capturas, **kwargs)
    try:
        game.start_playing()
        table = new_table(ctx)
        game.wait_table(table, undo=False, what="the opening deal")
        if first_card:
            play_first(game, table)
    except BaseException:
        game.__exit__(*sys.exc_info())
        raise
    return game, table


def button_centre(game, name, at):
    return pontos.centre(game.pictures.button_box(name, at))


def first_play(table):
    """The opening deal's first card onto the first ascending pile."""
    return table.slots[0], regras.C1


def line_for(find, ctx, what):
    """The line of plays that find (regras) gives for the deal."""
    line = find(ctx.deck)
    check(line is not None, "no %s found for this deal" % what)
    return line


def play_line(game, table, line):
    for value, pile in line:
        game.play(table, value, pile)


def play_first(game, table, what=None):
    """The deal's first card played (first_play), and the table that shows it."""
    value, pile = first_play(table)
    game.play(table, value, pile)
    game.wait_table(table, undo=True, what=what or "%d on %s" % (value, regras.NAMES[pile]))


def lose(ctx, game, table, line):
    play_line(game, table, line)
    check(table.lost(), "the model does not lose with this line")
    game.wait_screen("perdeu2.jpg")


def expect_kept(game, screen, why):
    """The game still runs and still shows that screen after presses that
    should have done nothing."""
    game.expect_running()
    check(game.screen_complaint(game.shot(), screen) is None, why)


# The row the 60 Hz display reads back from every frame.
ROW = 205


@contextlib.contextmanager
def display_60hz(ctx):
    """Games started inside run on a 60 Hz display, logging their frames to the
    file this yields."""
    if not ctx.tela or not ctx.ponteiro:
        raise Failure("these scenarios need --tela and --ponteiro")
    folder = tempfile.mkdtemp(prefix="trevalia-quadros-", dir=vestigios.temporary_folder())
    log = os.path.join(folder, "quadros.txt")
    try:
        with mock.patch.dict(os.environ, TREVALIA_E2E_PRELOAD=os.path.abspath(ctx.tela),
                             TREVALIA_QUADROS=log, TREVALIA_QUADROS_LINHA=str(ROW)):
            yield log
    finally:
        shutil.rmtree(folder, ignore_errors=True)


@contextlib.contextmanager
def pointer_on(ctx, game):
    """The pointer helper over the game's window. The left button is let go at
    the end whatever happened, so that a failure leaves no button held for the
    next test on the same display."""
    pointer = Pointer(os.path.abspath(ctx.ponteiro), (game.x, game.y))
    try:
        yield pointer
    finally:
        pointer.run(pointer.release())
