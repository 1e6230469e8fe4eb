"""Takes the README's screenshot: the table of a game in play, a few cards laid.

    PYTHONPATH=tests/e2e:tools /usr/bin/python3 -m jogador.readme_screenshot --jogo build/trevalia \
        --imagens build/imagens --monte build/tests/e2e/e2e_imprime_monte \
        --saida docs/screenshot.png

The clock is frozen, so the same build gives the same picture.
"""

import argparse
import os
import sys

from jogador import arranque, regras
from jogador.jogo import Game
from jogador.preparos import play_line


def showcase_plays(table):
    """A card on each pile, each the one that wastes the least room there, then
    one more play, so that the undo button is showing."""
    plays = []
    for pile in (regras.C1, regras.D1, regras.C2, regras.D2):
        cards = [v for v in table.slots if v]
        value = min(cards) if pile in regras.ASCENDING else max(cards)
        plays.append((value, pile))
        table.play(value, pile)
    value, pile = min(table.moves(), key=lambda m: abs(m[0] - table.top(m[1])))
    plays.append((value, pile))
    table.play(value, pile)
    return plays


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--jogo", required=True, help="the game program")
    parser.add_argument("--imagens", required=True, help="the generated pictures folder")
    parser.add_argument("--monte", required=True, help="the program that prints the deal")
    parser.add_argument("--saida", required=True, help="where to save the screenshot")
    args = parser.parse_args()

    deck = arranque.deal(args.monte)
    plays = showcase_plays(regras.Table(deck))
    with Game(args.jogo, args.imagens) as game:
        game.start_playing()
        table = game.wait_deal(deck)
        play_line(game, table, plays)
        shot = game.wait_table(table, undo=True, what="the table to show")
        os.makedirs(os.path.dirname(os.path.abspath(args.saida)), exist_ok=True)
        shot.save(args.saida)
        game.request_close(ends=True)
    print("saved %s" % args.saida)
    return 0


if __name__ == "__main__":
    sys.exit(main())
