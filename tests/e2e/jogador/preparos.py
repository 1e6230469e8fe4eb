"""What the scenarios start from and check with: a game brought to its table
with the model of its deal, played to its loss, or on the 60 Hz display.
"""

import contextlib

from jogador import pontos, quadros, regras
from jogador.arranque import Failure
from jogador.jogo import Game
from jogador.ponteiro import Pointer

# The row the 60 Hz display reads back from every frame.
ROW = 205


def check(condition, message):
    if not condition:
        raise Failure(message)


@contextlib.contextmanager
def playing(ctx, first_card=False):
    """A game started and brought to its table, with the model of its deal;
    with first_card, the opening deal's first card then played (play_first)."""
    with Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
        game.start_playing()
        table = game.wait_deal(ctx.deck)
        if first_card:
            play_first(game, table)
        yield game, table


def button_centre(game, name, at):
    return pontos.centre(game.pictures.box_of(name, at))


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


def play_seen(game, table, value, pile, undo=None, what=None):
    """A card played, and the table that shows it; returns the slot it left."""
    slot = game.play(table, value, pile)
    game.wait_table(table, undo, what or "%d on %s" % (value, regras.NAMES[pile]))
    return slot


def play_first(game, table, what=None):
    """The deal's first card played (first_play), and the table that shows it."""
    play_seen(game, table, *first_play(table), undo=True, what=what)


def lose(game, table, line):
    play_line(game, table, line)
    check(table.lost(), "the model does not lose with this line")
    game.wait_screen("perdeu2.jpg")


def expect_kept(game, screen, why):
    """The game still runs and still shows that screen after presses that
    should have done nothing."""
    game.expect_running()
    check(game.screen_complaint(game.shot(), screen) is None, why)


@contextlib.contextmanager
def at_60hz(ctx, first_card=False):
    """A game at its table (playing) on a 60 Hz display that logs its frames,
    and ROW of each, with the pointer helper over its window: yields the log,
    the game, its table and the pointer. The left button is let go at the end
    whatever happened, so that a failure leaves no button held for the next
    test on the same display."""
    if not ctx.tela or not ctx.ponteiro:
        raise Failure("these scenarios need --tela and --ponteiro")
    with quadros.display_60hz(ctx.tela, ROW) as log, playing(ctx, first_card) as (game, table):
        pointer = Pointer(ctx.ponteiro, (game.x, game.y))
        try:
            yield log, game, table, pointer
        finally:
            pointer.run(pointer.release())
