"""Damaged or missing picture and font files: the game plays on regardless,
by the rectangles where things would be, and ends cleanly.
"""

import shutil
import tempfile

from jogador import pontos, regras, vestigios
from jogador.arranque import Failure
from jogador.cenarios import scenario
from jogador.danos import DAMAGES, damaging
from jogador.jogo import Game
from jogador.preparos import button_centre


def kinds(deck):
    """One file of each kind, ones the blind game below is sure to use: the hand
    picture of the first card dealt and the pile picture of the second, so that
    a hand card that cannot be picked up still lets the pile card be played."""
    return {
        "hand card": "cartaazul%d.jpg" % deck[0],
        "pile card": "cartaroxa%d.jpg" % deck[1],
        "empty ascending pile": "fundo0.jpg",
        "table": "fundo2.jpg",
        "font": "star.ttf",
        "button": "desfazer.png",
        "screen": "instrucoes.jpg",
        "tutorial page": "tutorial2.jpg",
    }


def play_blind(ctx, damage, names):
    """Start, menu, play, menu, pager, menu, close, with the files named damaged
    alike: the game must reach the menu from play and from the pager and end
    with status 0 on a close request. The table is never looked at; the start
    screen and the menu keep their pictures, by which the run knows them."""
    with Game(ctx.jogo, ctx.imagens, damaging(damage, names), ctx.capturas) as game:
        # Where the buttons would be, by the driver's undamaged pictures.
        undo = button_centre(game, "desfazer.png", pontos.UNDO_AT)
        again = button_centre(game, "botao_dnv.png", pontos.AGAIN_BUTTON_AT)
        slot, pile = pontos.slot_centre, pontos.pile_centre
        game.start_playing()
        # The second card on d1 (its pile picture is damaged; c1 may have no
        # rectangle without its base picture), taken back, the first card (its
        # hand picture is damaged) and another on the ascending piles, a press
        # and release of the right button, a new deal by the play-again button
        # (the base pictures again), and all again.
        for _ in range(2):
            game.drag(slot(1), pile(regras.D1))
            game.click(*undo)
            game.drag(slot(0), pile(regras.C1))
            game.drag(slot(2), pile(regras.C2))
            game.drag(slot(3), pile(regras.D2), button=3)
            game.click(*again)
        game.expect_running()
        game.key("Escape")
        game.wait_screen("menu.jpg")
        game.click(*pontos.MENU_INSTRUCTIONS)
        for button in (pontos.PAGER_NEXT, pontos.PAGER_NEXT, pontos.PAGER_PREVIOUS):
            game.click(*button)
        game.click(*pontos.PAGER_MENU)
        game.wait_screen("menu.jpg")
        game.request_close(ends=True)


def damaged(damage):
    def damaged_files(ctx):
        """Every kind of file damaged at once; if that fails, each file alone,
        so that the report names the files that cause it."""
        every = kinds(ctx.deck)
        try:
            return play_blind(ctx, damage, sorted(every.values()))
        except Failure as failure:
            first = failure
        guilty = []
        for kind, name in sorted(every.items()):
            try:
                play_blind(ctx, damage, [name])
            except Failure as failure:
                guilty.append("%s %s: %s" % (kind, name, failure))
        raise Failure("with damaged files, %s" % damage + (":\n  " + "\n  ".join(guilty) if guilty
                      else ", with every file damaged at once only: %s" % first))
    return damaged_files


for damage in DAMAGES:
    scenario(damaged(damage), "arquivos_ruins_" + damage)


def without_pictures(ctx, pictures):
    """With nothing to show, the rectangles still answer and the game ends cleanly.

    The start screen has no picture and is skipped; each step below is told
    apart by whether a later press or close request ends the program.
    """
    with Game(ctx.jogo, ctx.imagens, pictures=pictures, shots=ctx.capturas) as game:
        game.click(230, 270)  # between the menu's buttons
        game.expect_running()
        game.click(*pontos.MENU_INSTRUCTIONS)
        game.click(*pontos.PAGER_NEXT)
        game.click(*pontos.PAGER_PREVIOUS)
        game.click(*pontos.MENU_LEAVE)  # in the pager this is no button
        game.expect_running()
        game.click(*pontos.PAGER_MENU)
        game.click(*pontos.MENU_PLAY)
        # At play the leave rectangle is only table, and a drag lands nowhere.
        game.click(*pontos.MENU_LEAVE)
        game.drag(pontos.slot_centre(0), pontos.pile_centre(regras.C1))
        game.expect_running()
        game.key("Escape")
        game.click(*pontos.MENU_PLAY)
        game.click(*pontos.MENU_LEAVE)
        game.expect_running()
        game.key("Escape")
        game.click(*pontos.MENU_LEAVE)
        game.expect_exit_ok()

    with Game(ctx.jogo, ctx.imagens, pictures=pictures, shots=ctx.capturas) as game:
        game.click(*pontos.MENU_PLAY)
        game.click(*pontos.MENU_LEAVE)
        game.expect_running()
        game.request_close(ends=True)


@scenario
def sem_imagens_pasta_vazia(ctx):
    """An empty imagens/ folder."""
    without_pictures(ctx, "empty")


@scenario
def sem_imagens_sem_pasta(ctx):
    """No imagens/ folder at all: none in the working folder, nor beside a copy
    of the program in a folder of its own."""
    folder = tempfile.mkdtemp(prefix="trevalia-programa-", dir=vestigios.temporary_folder())
    try:
        ctx.jogo = shutil.copy(ctx.jogo, folder)
        without_pictures(ctx, "missing")
    finally:
        shutil.rmtree(folder, ignore_errors=True)
