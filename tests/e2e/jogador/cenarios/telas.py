"""The start screen, the menu and the pager, each showing its picture and
answering the mouse and the close button, asleep while it waits and painting
itself again when uncovered.
"""

import time

from jogador import area_de_trabalho, figuras, pontos, regras
from jogador.cenarios import scenario
from jogador.jogo import Game, xdotool
from jogador.preparos import check, expect_kept, line_for, lose, play_first


@scenario
def inicio_menu_jogo(ctx):
    """Start screen, menu, table: each shows its picture and answers the mouse."""
    with Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
        game.wait_screen("inicial.jpg")
        # Keys, moves and releases do not end the start screen.
        for key in ("Escape", "Return", "space"):
            game.key(key)
        game.release()
        game.move(*pontos.QUIET[1])
        check(game.screen_complaint(game.shot(), "inicial.jpg") is None,
              "the start screen ended without a mouse press")
        # Any button ends it: here the right one.
        game.click(*pontos.MENU_PLAY, button=3)
        game.wait_screen("menu.jpg")
        # A press between the buttons keeps the menu.
        game.click(230, 270)
        expect_kept(game, "menu.jpg", "a press between the menu's buttons left the menu")
        game.click(*pontos.MENU_PLAY)
        shot = game.wait_table(regras.Table(ctx.deck), undo=False, what="the opening deal")
        for name, at in (("botao_menu.png", pontos.MENU_BUTTON_AT),
                         ("botao_dnv.png", pontos.AGAIN_BUTTON_AT)):
            complaint = game.button_complaint(shot, name, at)
            check(complaint is None, complaint)
        check(game.unlike(shot, pontos.COUNT_BOX, figuras.TABLE) > figuras.SAME,
              "no count is drawn at (100, 10)")


@scenario
def instrucoes(ctx):
    """The pager turns pages 1 to 9 and back, then leads to play and to the menu."""
    with Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
        game.open_instructions()
        game.turn_page(pontos.PAGER_PREVIOUS, 1)
        for page in range(2, 10):
            game.turn_page(pontos.PAGER_NEXT, page)
        game.turn_page(pontos.PAGER_NEXT, 9)
        # The next button's right edge is outside it.
        game.turn_page((384, 470), 9)
        for page in range(8, 0, -1):
            game.turn_page(pontos.PAGER_PREVIOUS, page)
        game.turn_page(pontos.PAGER_NEXT, 2)

        game.click(*pontos.PAGER_PLAY)
        table = game.wait_deal(ctx.deck, "the table after play in the pager")
        play_first(game, table, "a play")

        # Back through the menu: a new visit starts on page 1, and its menu
        # button leads to the menu, from where play goes on with the same game.
        game.key("Escape")
        game.wait_screen("menu.jpg")
        game.turn_page(pontos.MENU_INSTRUCTIONS, 1)
        game.click(*pontos.PAGER_MENU)
        game.wait_screen("menu.jpg")
        game.click(*pontos.MENU_PLAY)
        game.wait_table(table, undo=True, what="the same game after the pager")


@scenario
def fechar_na_tela_inicial(ctx):
    """A close request on the start screen leads to the menu; one on the menu ends the game.

    Started from a folder without imagens/, as from a command prompt elsewhere:
    the game shows the pictures beside its program.
    """
    with Game(ctx.jogo, ctx.imagens, pictures="missing", shots=ctx.capturas) as game:
        game.wait_screen("inicial.jpg")
        game.request_close()
        game.wait_screen("menu.jpg")
        game.expect_running()
        game.request_close(ends=True)


@scenario
def fechar_nas_instrucoes(ctx):
    """A close request in the pager ends the game."""
    with Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
        game.open_instructions()
        game.turn_page(pontos.PAGER_NEXT, 2)
        game.request_close(ends=True)


def expect_asleep(game, where, seconds=3.0):
    """The game's main thread, once it waits, sleeps through the seconds given
    (one wake-up allowed for whatever the desktop may send)."""
    game.settle()
    before = game.wake_ups()
    time.sleep(seconds)  # the span measured: nothing is sent meanwhile
    woke = game.wake_ups() - before
    check(woke <= 1, "waiting on %s, the game woke %d times in %.0f s" % (where, woke, seconds))


def expect_repainted(game, what):
    """Another window covers the game's and goes away, with the pointer away
    from both and nothing sent to the game: within a second the window shows
    again what it showed before."""
    xdotool("mousemove", 0, 0)
    before = game.shot()
    margin = 50
    geometry = "%dx%d+%d+%d" % (pontos.WIDTH + 2 * margin, pontos.HEIGHT + 2 * margin,
                                game.x - margin, game.y - margin)
    cover = area_de_trabalho.cover(geometry, what)
    try:
        game.wait_for("a window over " + what, lambda shot: None if figuras.difference(
            shot, before) > figuras.SAME else "nothing covers it")
    finally:
        area_de_trabalho.end(cover, 10)
    game.wait_for(what + " uncovered", lambda shot: None if figuras.difference(
        shot, before) < figuras.SAME else "the window does not show it again", timeout=1.0)


@scenario
def telas_em_espera(ctx):
    """While it waits for the player the game sleeps, and under a window manager
    without a compositor every screen and the table paint themselves again when
    a window that covered them goes away."""
    line = line_for(regras.find_loss, ctx, "losing line")
    with area_de_trabalho.window_manager(), Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
        game.wait_screen("inicial.jpg")
        expect_asleep(game, "the start screen")
        expect_repainted(game, "the start screen")
        game.click(*pontos.MENU_PLAY)
        game.wait_screen("menu.jpg")
        expect_asleep(game, "the menu")
        expect_repainted(game, "the menu")
        game.turn_page(pontos.MENU_INSTRUCTIONS, 1)
        game.turn_page(pontos.PAGER_NEXT, 2)
        expect_repainted(game, "a page of the instructions")
        game.click(*pontos.PAGER_PLAY)
        table = game.wait_deal(ctx.deck)
        expect_asleep(game, "the table")
        expect_repainted(game, "the table")
        lose(game, table, line)
        expect_repainted(game, "the lost screen")



@scenario
def repintar_no_windows(ctx):
    """Wine under openbox, with no compositor: the table uncovered paints itself again."""
    with area_de_trabalho.window_manager("openbox"), \
            Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
        game.start_playing()
        game.wait_deal(ctx.deck)
        expect_repainted(game, "the table")
