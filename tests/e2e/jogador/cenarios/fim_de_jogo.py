"""The end of a game: lost when no card of the hand fits (not before the two
new cards are dealt), won when deck and hand are empty, or closed in play.
"""

from jogador import pontos, regras
from jogador.cenarios import scenario
from jogador.preparos import check, expect_kept, line_for, lose, play_line, playing


@scenario
def perdeu(ctx):
    """A hand that fits nowhere shows the lost screen; play again deals anew, leave ends."""
    line = line_for(regras.find_loss, ctx, "losing line")
    with playing(ctx) as (game, table):
        # Every play but the last leaves a move, so the game goes on until then.
        play_line(game, table, line[:-1])
        game.wait_table(table, what="the table before the last play")
        lose(game, table, line[-1:])
        # Presses outside both buttons keep the screen.
        game.click(100, 510)
        game.click(230, 520)
        expect_kept(game, "perdeu2.jpg", "a press outside the buttons left the lost screen")

        game.click(*pontos.RESULT_AGAIN)
        table = game.wait_deal(ctx.deck, "a new deal after the lost screen")

        lose(game, table, line)
        game.click(*pontos.RESULT_LEAVE)
        game.expect_exit_ok()


@scenario
def sem_derrota_antes_da_reposicao(ctx):
    """Six cards that fit nowhere are no loss while the two cards dealt at once fit."""
    line = line_for(regras.find_stuck_before_refill, ctx, "such position")
    with playing(ctx) as (game, table):
        play_line(game, table, line)
        game.wait_table(table, undo=False, what="the refilled hand, still in play")
        # One of the new cards is played; the game then ends or goes on as
        # the rules say.
        game.play(table, *table.moves()[0])
        if table.lost():
            game.wait_screen("perdeu2.jpg")
        else:
            game.wait_table(table, what="the game going on with the new cards")


@scenario
def ganhou(ctx):
    """A whole game won through the window ends on the won screen; a close request ends it."""
    line = line_for(regras.find_win, ctx, "winning line")
    with playing(ctx) as (game, table):
        for number, (value, pile) in enumerate(line, 1):
            game.play(table, value, pile)
            # Look at the whole table now and then, to stop early and clearly
            # if the game and the model part ways.
            if number % 10 == 0 and number < len(line):
                game.wait_table(table, what="the table after %d plays" % number)
        check(table.won(), "the model has not won")
        game.wait_screen("ganhou2.jpg")
        game.request_close(ends=True)


@scenario
def fechar_jogando(ctx):
    """A close request during play ends the game."""
    with playing(ctx, first_card=True) as (game, table):
        game.request_close(ends=True)
