"""One scripted session of the real game under valgrind's memcheck.

    PYTHONPATH=tests/e2e:tools /usr/bin/python3 bench/valgrind_sessao.py --jogo build/trevalia \
        --imagens build/imagens --monte build/tests/e2e/e2e_imprime_monte

Needs a display (make valgrind runs it under xvfb-run). The game is started
under memcheck with the clock frozen, taken through the start screen, the menu,
a dozen plays by the rules, an undo, a refused drop, a new deal, the
instructions pager and back, and closed by a close request. Errors that Mesa
and X bring with them are suppressed (valgrind_mesa_x.supp); what remains is
counted, and any error with a frame in the game's own code fails the run.
"""

import argparse
import os
import sys
import time
import xml.etree.ElementTree as ElementTree

from jogador import arranque, pontos, regras
from jogador.jogo import Game
from jogador.preparos import button_centre

AQUI = os.path.dirname(os.path.abspath(__file__))
FONTES = os.path.realpath(os.path.join(AQUI, ".."))
PASTAS_DO_JOGO = ("cards", "game", "screens")


class JogoNoValgrind(Game):
    # Under memcheck the game runs some thirty times slower.
    START_LIMIT = 300.0
    SETTLE_LIMIT = 30.0

    def __init__(self, xml, supressoes, *args, **kwargs):
        self.xml = xml
        self.supressoes = supressoes
        super().__init__(*args, **kwargs)

    def command(self):
        return ["valgrind", "--tool=memcheck", "--leak-check=full",
                "--show-leak-kinds=definite", "--errors-for-leak-kinds=definite",
                "--num-callers=40", "--suppressions=" + self.supressoes,
                "--xml=yes", "--xml-file=" + self.xml] + super().command()


def sessao(game, deck):
    lento = 120.0
    game.to_menu(lento)
    game.click(*pontos.MENU_PLAY)
    table = game.wait_deal(deck, timeout=lento)
    for value, pile in regras.find_win(deck)[:12]:
        game.play(table, value, pile)
    game.wait_table(table, what="twelve cards played", timeout=lento)
    # A card that a pile refuses goes home.
    refused = [(v, p) for v in table.slots if v for p in regras.PILES if not table.can_play(v, p)]
    if refused:
        value, pile = refused[0]
        game.drag(pontos.slot_centre(table.slot_of(value)), pontos.pile_centre(pile))
    # A play, taken back.
    value, pile = table.moves()[0]
    game.play(table, value, pile)
    game.click(*button_centre(game, "desfazer.png", pontos.UNDO_AT))
    table.take_back(pile)
    game.wait_table(table, undo=False, what="the card taken back", timeout=lento)
    game.click(*button_centre(game, "botao_dnv.png", pontos.AGAIN_BUTTON_AT))
    game.wait_deal(deck, "a new deal", lento)
    game.key("Escape")
    game.wait_screen("menu.jpg", timeout=lento)
    game.turn_page(pontos.MENU_INSTRUCTIONS, 1)
    game.turn_page(pontos.PAGER_NEXT, 2)
    game.click(*pontos.PAGER_MENU)
    game.wait_screen("menu.jpg", timeout=lento)
    game.request_close()
    game.expect_exit_ok(timeout=lento)


def no_jogo(frame):
    arquivo = frame.findtext("dir"), frame.findtext("file")
    if None in arquivo:
        return False
    # The build writes the sources' paths relative to the source folder.
    caminho = os.path.realpath(os.path.join(FONTES, *arquivo))
    return any(caminho.startswith(os.path.join(FONTES, pasta) + os.sep)
               for pasta in PASTAS_DO_JOGO)


def erros(raiz):
    """Every error memcheck reported: (kind, whether a frame is the game's, text)."""
    lista = []
    for erro in raiz.iter("error"):
        frames = list(erro.iter("frame"))
        texto = erro.findtext("what") or erro.findtext("xwhat/text") or ""
        pilha = ["  %s %s:%s" % (f.findtext("fn") or f.findtext("obj") or "?",
                                 f.findtext("file") or "", f.findtext("line") or "")
                 for f in frames[:12]]
        lista.append((erro.findtext("kind"), any(no_jogo(f) for f in frames),
                       "\n".join([texto] + pilha)))
    return lista


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--jogo", required=True)
    parser.add_argument("--imagens", required=True)
    parser.add_argument("--monte", required=True)
    parser.add_argument("--xml", default="valgrind.xml", help="memcheck's report")
    parser.add_argument("--supressoes", default=os.path.join(AQUI, "valgrind_mesa_x.supp"))
    parser.add_argument("--todos", action="store_true", help="print every remaining error")
    args = parser.parse_args()

    deck = arranque.deal(args.monte)
    xml = os.path.abspath(args.xml)
    comeco = time.monotonic()
    with JogoNoValgrind(xml, os.path.abspath(args.supressoes), args.jogo, args.imagens) as game:
        sessao(game, deck)
    raiz = ElementTree.parse(xml).getroot()
    lista = erros(raiz)
    nossos = [e for e in lista if e[1]]
    for kind, _, texto in (lista if args.todos else nossos):
        print("%s: %s\n" % (kind, texto))
    suprimidos = sum(int(par.findtext("count")) for par in raiz.iter("pair")
                     if par.find("name") is not None)
    print("session of %.0f s under memcheck: %d errors of Mesa and X suppressed, %d left, "
          "%d with a frame in the game's own code (report: %s)"
          % (time.monotonic() - comeco, suprimidos, len(lista), len(nossos), xml))
    return 1 if nossos else 0


if __name__ == "__main__":
    sys.exit(main())
