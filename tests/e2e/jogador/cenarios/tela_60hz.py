"""A real desktop's screen and mouse: a screen that refreshes at 60 Hz, a
mouse that sends a steady stream of moves, presses followed at once by moves.
"""

import os

from jogador import figuras, pontos, quadros, regras
from jogador.cenarios import scenario
from jogador.preparos import ROW, at_60hz, button_centre, check, first_play


# Where the card is dropped at the end of a 2 s drag: past every other place
# the stream passes through on the row.
DRAG_END = (350, ROW)
# Inside the menu's play button and over the descending pile d2.
MENU_PLAY_OVER_D2 = (150, 240)


@scenario
def arrasto_a_125hz(ctx):
    """A pointer that wanders over the table for 2 s draws no frame; a card
    dragged for 2 s at a mouse's 125 moves a second is drawn where the pointer
    stopped within 50 ms, with nothing more sent."""
    with at_60hz(ctx) as (frames_log, game, table, pointer):
        before = len(quadros.wait_quiet(frames_log))
        # An empty log would pass every count below whatever the game draws.
        check(before > 0, "the 60 Hz display saw none of the game's frames")
        pointer.run(pointer.move(pontos.QUIET[0]),
                    pointer.line(pontos.QUIET[0], (430, 330), 250, 125))
        game.settle()
        hovered = len(quadros.read_frames(frames_log)) - before
        check(hovered == 0, "2 s of moves without a button drew %d frames" % hovered)
        start = pontos.slot_centre(0)
        moves_log = os.path.join(os.path.dirname(frames_log), "movimentos.txt")
        before = len(quadros.read_frames(frames_log))
        # 250 moves, one pixel to the right each, rising onto the read row.
        pointer.run(pointer.move(start), pointer.press(),
                    pointer.line(start, DRAG_END, DRAG_END[0] - start[0], 125),
                    log=moves_log)
        # The first move only brings the pointer onto the card.
        moves = quadros.read_moves(moves_log, (game.x, game.y))[1:]
        check(len(moves) == 250 and moves[-1][1:] == DRAG_END,
              "the pointer helper sent %d moves ending at %r" % (len(moves), moves[-1][1:]))
        frames = quadros.wait_quiet(frames_log)[before:]
        background = quadros.background_row(game.pictures.get("fundo2.jpg"), ROW)
        lag = quadros.lags(frames, moves, background)[-1]
        check(lag is not None, "no frame shows the card where the pointer stopped")
        reached = "the card reached the pointer's last position %.0f ms after the last move" \
            % (lag / 1e6)
        check(lag <= 50e6, reached)
        print(reached)
        # What the frames said, on the screen too.
        game.wait_card_at(table.slots[0], DRAG_END, "the dragged card at %r" % (DRAG_END,))
        pointer.run(pointer.release())
        game.wait_table(table, undo=False, what="the card back home after the drag")


@scenario
def jogada_sem_pausa(ctx):
    """A press on a card followed at once by moves onto a pile and the release
    plays the card: the press counts where it happened."""
    with at_60hz(ctx) as (_, game, table, pointer):
        value, pile = first_play(table)
        start = pontos.slot_centre(table.slot_of(value))
        table.play(value, pile)
        pointer.run(pointer.move(start), pointer.press(),
                    pointer.line(start, pontos.pile_centre(pile), 10, 1000),
                    pointer.release())
        game.wait_table(table, undo=True, what="%d played on %s with no pause"
                        % (value, regras.NAMES[pile]))


@scenario
def clique_na_mesa_e_jogar_novamente(ctx):
    """A click on the bare table followed at once by a move over "play again"
    keeps the game in progress."""
    with at_60hz(ctx, first_card=True) as (_, game, table, pointer):
        again = button_centre(game, "botao_dnv.png", pontos.AGAIN_BUTTON_AT)
        quiet = pontos.QUIET[0]
        pointer.run(pointer.move(quiet), pointer.press(), pointer.release(),
                    pointer.line(quiet, again, 10, 1000))
        game.expect_running()
        game.shot()
        complaint = game.table_complaint(table, undo=True)
        check(complaint is None, "the game in progress was not kept: %s" % complaint)


@scenario
def escape_durante_arrasto(ctx):
    """Escape in the middle of a drag, then "play" at a point over a descending
    pile: the card is back home and nothing was played."""
    with at_60hz(ctx) as (_, game, table, pointer):
        count = game.count_region()
        start = pontos.slot_centre(0)
        middle = (230, 300)
        # A card held a moment before it moves, as a person would; the
        # drag's own release comes while the menu is shown.
        pointer.run(pointer.move(start), pointer.press(), pointer.pause(0.2),
                    pointer.line(start, middle, 20, 125), pointer.key("Escape"),
                    pointer.release())
        game.wait_screen("menu.jpg")
        # The pointer rests there a moment, as a hand would.
        pointer.run(pointer.move(MENU_PLAY_OVER_D2), pointer.press(), pointer.release(),
                    pointer.pause(0.3))
        game.wait_table(table, undo=False, what="the card home, no card played")
        check(figuras.difference(game.count_region(), count) < figuras.SAME,
              "the count changed although no card was played")
