"""End-to-end scenarios: the real game in a real window, played with the pointer.

Run one scenario:
    /usr/bin/python3 cenarios.py --jogo build/trevalia --imagens build/imagens \
        --monte build/tests/e2e/e2e_imprime_monte SCENARIO

Every scenario starts its own game under the frozen clock, so the deal is the
one the helper prints for that second, and ends it before returning.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

import arquivos_ruins
import arranque
import janela
import regras
import vestigios
from janela import Failure, Game

SCENARIOS = {}


def scenario(function):
    SCENARIOS[function.__name__] = function
    return function


def check(condition, message):
    if not condition:
        raise Failure(message)


def new_table(ctx):
    return regras.Table(ctx.deck)


def playing(ctx, **kwargs):
    """A game started and brought to its table, with the model of its deal."""
    game = Game(ctx.jogo, ctx.imagens, shots=ctx.capturas, **kwargs)
    try:
        game.start_playing()
        table = new_table(ctx)
        game.wait_table(table, undo=False, what="the opening deal")
    except BaseException:
        game.__exit__(*sys.exc_info())
        raise
    return game, table


def button_centre(game, name, at):
    left, top, right, bottom = game.pictures.button_box(name, at)
    return (left + right) // 2, (top + bottom) // 2


def first_play(table):
    """The opening deal's first card onto the first ascending pile."""
    return table.slots[0], regras.C1


@scenario
def inicio_menu_jogo(ctx):
    """Start screen, menu, table: each shows its picture and answers the mouse."""
    with Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
        game.wait_screen("inicial.jpg")
        # Keys, moves and releases do not end the start screen.
        for key in ("Escape", "Return", "space"):
            game.key(key)
        game.release()
        game.move(*janela.QUIET[1])
        check(game.screen_complaint(game.shot(), "inicial.jpg") is None,
              "the start screen ended without a mouse press")
        # Any button ends it: here the right one.
        game.click(*janela.MENU_PLAY, button=3)
        game.wait_screen("menu.jpg")
        # A press between the buttons keeps the menu.
        game.click(230, 270)
        game.expect_running()
        check(game.screen_complaint(game.shot(), "menu.jpg") is None,
              "a press between the menu's buttons left the menu")
        game.click(*janela.MENU_PLAY)
        table = new_table(ctx)
        shot = game.wait_table(table, undo=False, what="the opening deal")
        for name, at in (("botao_menu.png", janela.MENU_BUTTON_AT),
                         ("botao_dnv.png", janela.AGAIN_BUTTON_AT)):
            complaint = game.button_complaint(shot, name, at)
            check(complaint is None, complaint)
        check(game.unlike(shot, janela.COUNT_BOX, janela.TABLE) > janela.SAME,
              "no count is drawn at (100, 10)")


@scenario
def jogada_valida(ctx):
    """A card dragged onto a pile that takes it lies there and leaves its slot empty."""
    game, table = playing(ctx)
    with game:
        count_before = game.count_region()
        value, pile = first_play(table)
        slot = game.play(table, value, pile)
        game.wait_table(table, undo=True, what="%d on %s" % (value, regras.NAMES[pile]))
        check(table.slots[slot] == 0, "the model kept the card")
        check(janela.difference(game.count_region(), count_before) > janela.SAME,
              "the count did not change after a play")
        # A second card, higher, onto the same ascending pile: it now shows that card.
        higher = min(v for v in table.slots if v and v > value)
        game.play(table, higher, pile)
        game.wait_table(table, what="%d on %s" % (higher, regras.NAMES[pile]))


@scenario
def jogada_recusada(ctx):
    """A card that a pile refuses, or that lands on no pile, goes back to its slot."""
    game, table = playing(ctx)
    with game:
        # A high card on an ascending pile, so that a lower one is refused there.
        value = max(table.slots)
        game.play(table, value, regras.C1)
        game.wait_table(table, undo=True, what="%d on c1" % value)
        count_after_play = game.count_region()
        refused = next(v for v in table.slots if v and not table.can_play(v, regras.C1))
        slot = table.slot_of(refused)
        home = janela.slot_centre(slot)
        game.drag(home, janela.pile_centre(regras.C1))
        game.wait_table(table, undo=True, what="%d back in slot %d after c1 refused it"
                        % (refused, slot))
        # Onto the bare table, away from every pile.
        game.drag(home, (30, 210))
        game.wait_table(table, undo=True, what="%d back after a drop on the table" % refused)
        # On the right edge of an empty pile, which lies just outside it.
        left, top, right, bottom = janela.pile_box(regras.D1)
        game.drag(home, (right, (top + bottom) // 2))
        game.wait_table(table, undo=True, what="%d back after a drop on d1's right edge"
                        % refused)
        # Flicked out of the window: pressed, one move outside and released
        # there. The card is home, not left to follow the pointer back in and
        # be played by the next click.
        game.drag(home, (-80, 400))
        game.click(*janela.pile_centre(regras.D1))
        game.wait_table(table, undo=True, what="%d back after a release outside the window"
                        % refused)
        # Held over the hand, the card is drawn above the cards there, even
        # those of the slots drawn after its own.
        held = [s for s in range(regras.SLOTS) if table.slots[s]]
        low, over = held[0], janela.slot_centre(held[-1])
        game.move(*janela.slot_centre(low), settle=False)
        game.press()
        game.move(*over)
        box = janela.card_box(*over)
        card = (janela.hand_card(table.slots[low]), box[:2])
        game.wait_for("slot %d's card above slot %d's" % (low, held[-1]),
                      lambda shot: None if game.unlike(shot, box, card) < janela.SAME
                      else "another card shows at the pointer")
        game.release()
        game.wait_table(table, undo=True, what="slot %d's card back after a drop on the hand"
                        % low)
        check(janela.difference(game.count_region(), count_after_play) < janela.SAME,
              "the count changed although no card was played")


@scenario
def arrasto_da_pilha(ctx):
    """A press on a pile where a card was just played picks nothing up, so the
    card that drag ends on is still the one a press there takes."""
    game, table = playing(ctx)
    with game:
        value = table.slots[0]
        game.play(table, value, regras.D1)
        game.wait_table(table, undo=True, what="%d on d1" % value)
        game.drag(janela.pile_centre(regras.D1), janela.slot_centre(1))
        game.wait_table(table, undo=True, what="nothing moved by a drag from d1")
        game.play(table, table.slots[1], regras.C1)
        game.wait_table(table, what="slot 1's card on c1")


@scenario
def desfazer(ctx):
    """Undo takes the last card back: the pile shows what it showed before."""
    game, table = playing(ctx)
    with game:
        count_start = game.count_region()
        undo = button_centre(game, "desfazer.png", janela.UNDO_AT)

        # The first card on a pile: the pile shows its base picture again.
        value = table.slots[0]
        game.play(table, value, regras.D1)
        game.wait_table(table, undo=True, what="%d on d1" % value)
        game.click(*undo)
        table.take_back(regras.D1)
        game.wait_table(table, undo=False, what="d1 empty again after the undo")
        check(janela.difference(game.count_region(), count_start) < janela.SAME,
              "the count is not back to where it started after the undo")
        # Where the button was, a press now does nothing.
        game.click(*undo)
        game.wait_table(table, undo=False, what="nothing changed by a press on the hidden button")

        # Two plays refill the hand; then a card laid on another: undo shows
        # the one beneath again and brings the card back to its slot.
        first = table.slots[1]
        game.play(table, first, regras.C1)
        second = next(v for v in table.slots if v and table.can_play(v, regras.D2))
        game.play(table, second, regras.D2)
        game.wait_table(table, undo=False, what="the hand refilled")
        third = next(v for v in table.slots if v and table.can_play(v, regras.C1))
        slot = game.play(table, third, regras.C1)
        game.wait_table(table, undo=True, what="%d on %d on c1" % (third, first))
        game.click(*undo)
        table.take_back(regras.C1)
        check(table.slots[slot] == third, "the model put the card elsewhere")
        game.wait_table(table, undo=False, what="c1 showing %d again after the undo" % first)


@scenario
def reposicao(ctx):
    """Two plays from a full hand deal two new cards and take the undo away."""
    game, table = playing(ctx)
    with game:
        deck_next = ctx.deck[8:10]
        a, b = table.slots[3], table.slots[5]
        game.play(table, a, regras.C1 if a < b else regras.D1)
        game.wait_table(table, undo=True, what="the first card played")
        game.play(table, b, regras.D1 if a < b else regras.C1)
        check(table.slots[3] == deck_next[0] and table.slots[5] == deck_next[1],
              "the model dealt elsewhere")
        game.wait_table(table, undo=False, what="slots 3 and 5 refilled with %r" % deck_next)
        # The second card cannot be taken back.
        game.click(*button_centre(game, "desfazer.png", janela.UNDO_AT))
        game.wait_table(table, undo=False, what="no undo after the refill")


@scenario
def menu_durante_o_jogo(ctx):
    """Escape, or the menu button, shows the menu; play there goes on with the same deal."""
    game, table = playing(ctx)
    with game:
        value, pile = first_play(table)
        game.play(table, value, pile)
        game.wait_table(table, undo=True, what="%d on c1" % value)
        game.key("Escape")
        game.wait_screen("menu.jpg")
        game.click(*janela.MENU_PLAY)
        game.wait_table(table, undo=True, what="the same game after Escape and play")

        game.click(*button_centre(game, "botao_menu.png", janela.MENU_BUTTON_AT))
        game.wait_screen("menu.jpg")
        game.click(*janela.MENU_PLAY)
        game.wait_table(table, undo=True, what="the same game after the menu button and play")
        # And the game goes on from there.
        other = next(v for v in table.slots if v and table.can_play(v, regras.D1))
        game.play(table, other, regras.D1)
        game.wait_table(table, undo=False, what="the next play after the menu")


@scenario
def jogar_novamente(ctx):
    """The play-again button deals anew: bare piles, the opening hand, the full count."""
    game, table = playing(ctx)
    with game:
        count_start = game.count_region()
        opening = list(table.slots)
        for value, pile in regras.find_win(ctx.deck)[:3]:
            game.play(table, value, pile)
        game.wait_table(table, undo=True, what="three cards played")
        game.click(*button_centre(game, "botao_dnv.png", janela.AGAIN_BUTTON_AT))
        # The clock is frozen, so the new deal is the same as the first.
        table = new_table(ctx)
        check(table.slots == opening, "the model dealt another hand")
        game.wait_table(table, undo=False, what="a new deal")
        check(janela.difference(game.count_region(), count_start) < janela.SAME,
              "the count is not back to its starting value")
        value, pile = first_play(table)
        game.play(table, value, pile)
        game.wait_table(table, undo=True, what="the first play of the new deal")


@scenario
def instrucoes(ctx):
    """The pager turns pages 1 to 9 and back, then leads to play and to the menu."""
    with Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
        game.open_instructions()
        game.click(*janela.PAGER_PREVIOUS)
        game.wait_page(1)
        for page in range(2, 10):
            game.click(*janela.PAGER_NEXT)
            game.wait_page(page)
        game.click(*janela.PAGER_NEXT)
        game.wait_page(9)
        # The next button's right edge is outside it.
        game.click(384, 470)
        game.wait_page(9)
        for page in range(8, 0, -1):
            game.click(*janela.PAGER_PREVIOUS)
            game.wait_page(page)
        game.click(*janela.PAGER_NEXT)
        game.wait_page(2)

        game.click(*janela.PAGER_PLAY)
        table = new_table(ctx)
        game.wait_table(table, undo=False, what="the table after play in the pager")
        value, pile = first_play(table)
        game.play(table, value, pile)
        game.wait_table(table, undo=True, what="a play")

        # Back through the menu: a new visit starts on page 1, and its menu
        # button leads to the menu, from where play goes on with the same game.
        game.key("Escape")
        game.wait_screen("menu.jpg")
        game.click(*janela.MENU_INSTRUCTIONS)
        game.wait_page(1)
        game.click(*janela.PAGER_MENU)
        game.wait_screen("menu.jpg")
        game.click(*janela.MENU_PLAY)
        game.wait_table(table, undo=True, what="the same game after the pager")


def lose(ctx, game, table, line):
    for value, pile in line:
        game.play(table, value, pile)
    check(table.lost(), "the model does not lose with this line")
    game.wait_screen("perdeu2.jpg")


@scenario
def perdeu(ctx):
    """A hand that fits nowhere shows the lost screen; play again deals anew, leave ends."""
    line = regras.find_loss(ctx.deck)
    check(line is not None, "no losing line found for this deal")
    game, table = playing(ctx)
    with game:
        # Every play but the last leaves a move, so the game goes on until then.
        for value, pile in line[:-1]:
            game.play(table, value, pile)
        game.wait_table(table, what="the table before the last play")
        lose(ctx, game, table, line[-1:])
        # Presses outside both buttons keep the screen.
        game.click(100, 510)
        game.click(230, 520)
        game.expect_running()
        check(game.screen_complaint(game.shot(), "perdeu2.jpg") is None,
              "a press outside the buttons left the lost screen")

        game.click(*janela.RESULT_AGAIN)
        table = new_table(ctx)
        game.wait_table(table, undo=False, what="a new deal after the lost screen")

        lose(ctx, game, table, line)
        game.click(*janela.RESULT_LEAVE)
        game.expect_exit_ok()


@scenario
def sem_derrota_antes_da_reposicao(ctx):
    """Six cards that fit nowhere are no loss while the two cards dealt at once fit."""
    line = regras.find_stuck_before_refill(ctx.deck)
    check(line is not None, "no such position found for this deal")
    game, table = playing(ctx)
    with game:
        for value, pile in line:
            game.play(table, value, pile)
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
    line = regras.find_win(ctx.deck)
    check(line is not None, "no winning line found for this deal")
    game, table = playing(ctx)
    with game:
        for number, (value, pile) in enumerate(line, 1):
            game.play(table, value, pile)
            # Look at the whole table now and then, to stop early and clearly
            # if the game and the model part ways.
            if number % 10 == 0 and number < len(line):
                game.wait_table(table, what="the table after %d plays" % number)
        check(table.won(), "the model has not won")
        game.wait_screen("ganhou2.jpg")
        game.request_close()
        game.expect_exit_ok()


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
        game.request_close()
        game.expect_exit_ok()


@scenario
def fechar_jogando(ctx):
    """A close request during play ends the game."""
    game, table = playing(ctx)
    with game:
        value, pile = first_play(table)
        game.play(table, value, pile)
        game.wait_table(table, undo=True, what="%d on c1" % value)
        game.request_close()
        game.expect_exit_ok()


@scenario
def fechar_nas_instrucoes(ctx):
    """A close request in the pager ends the game."""
    with Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
        game.open_instructions()
        game.click(*janela.PAGER_NEXT)
        game.wait_page(2)
        game.request_close()
        game.expect_exit_ok()


def without_pictures(ctx, pictures):
    """With nothing to show, the rectangles still answer and the game ends cleanly.

    The start screen has no picture and is skipped; each step below is told
    apart by whether a later press or close request ends the program.
    """
    with Game(ctx.jogo, ctx.imagens, pictures=pictures, shots=ctx.capturas) as game:
        game.click(230, 270)  # between the menu's buttons
        game.expect_running()
        game.click(*janela.MENU_INSTRUCTIONS)
        game.click(*janela.PAGER_NEXT)
        game.click(*janela.PAGER_PREVIOUS)
        game.click(*janela.MENU_LEAVE)  # in the pager this is no button
        game.expect_running()
        game.click(*janela.PAGER_MENU)
        game.click(*janela.MENU_PLAY)
        # At play the leave rectangle is only table, and a drag lands nowhere.
        game.click(*janela.MENU_LEAVE)
        game.drag(janela.slot_centre(0), janela.pile_centre(regras.C1))
        game.expect_running()
        game.key("Escape")
        game.click(*janela.MENU_PLAY)
        game.click(*janela.MENU_LEAVE)
        game.expect_running()
        game.key("Escape")
        game.click(*janela.MENU_LEAVE)
        game.expect_exit_ok()

    with Game(ctx.jogo, ctx.imagens, pictures=pictures, shots=ctx.capturas) as game:
        game.click(*janela.MENU_PLAY)
        game.click(*janela.MENU_LEAVE)
        game.expect_running()
        game.request_close()
        game.expect_exit_ok()


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


SCENARIOS.update(arquivos_ruins.SCENARIOS)


class Context:
    pass


@scenario
def escala_do_windows(ctx):
    """Windows at 200% (LogPixels 192 in the Wine prefix): a window of 900x1200
    pixels whose menu answers at the points the player sees."""
    reg = [os.environ["TREVALIA_E2E_LAUNCHER"], "reg"]
    key = r"HKCU\Control Panel\Desktop"
    subprocess.run(reg + ["add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d", "192", "/f"],
                   check=True, stdout=subprocess.DEVNULL, timeout=60)
    try:
        with Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
            check(game.size == (900, 1200), "the window is %dx%d, not 900x1200" % game.size)
            game.wait_screen("inicial.jpg")
            game.click(*janela.MENU_PLAY)
            game.wait_screen("menu.jpg")
            # Its pixel, unmapped, would fall outside every button.
            game.click(*janela.MENU_INSTRUCTIONS)
            game.wait_page(1)
    finally:
        subprocess.run(reg + ["delete", key, "/v", "LogPixels", "/f"],
                       stdout=subprocess.DEVNULL, timeout=60)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--jogo", required=True, help="the game program")
    parser.add_argument("--imagens", required=True, help="the generated pictures folder")
    parser.add_argument("--monte", required=True, help="the program that prints the deal")
    parser.add_argument("--capturas", help="where to leave the last screenshot of a failure")
    parser.add_argument("--tela", help="the 60 Hz display library, for the scenarios that need it")
    parser.add_argument("--ponteiro", help="the XTest pointer helper, for those that need it")
    parser.add_argument("scenario", choices=sorted(SCENARIOS))
    args = parser.parse_args()
    arranque.end_on_sigterm()

    ctx = Context()
    ctx.jogo = args.jogo
    ctx.imagens = args.imagens
    ctx.capturas = args.capturas and os.path.join(args.capturas, args.scenario)
    ctx.tela = args.tela
    ctx.ponteiro = args.ponteiro
    ctx.deck = arranque.deal(args.monte)
    started = time.monotonic()
    try:
        SCENARIOS[args.scenario](ctx)
    except Failure as failure:
        print("FAILED %s: %s" % (args.scenario, failure), file=sys.stderr)
        if ctx.capturas:
            print("last screenshot: %s" % os.path.join(ctx.capturas, "ultima_tela.png"),
                  file=sys.stderr)
        return 1
    except Exception:
        traceback.print_exc()
        return 1
    print("%s passed in %.1f s" % (args.scenario, time.monotonic() - started))
    return 0


if __name__ == "__main__":
    sys.exit(main())
