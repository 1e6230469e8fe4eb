"""Writes every picture and the font that the game reads from imagens/.

    /usr/bin/python3 tools/gerar_imagens.py OUTPUT_DIR

Every picture is written twice: at its size in the game's points, and painted
again at twice that size as `<name>@2x.<ext>` beside it, for desktops scaled to
more than one pixel per point. The font has no such twin: text is drawn from it
at any size.

The output depends on nothing but this code and the DejaVu fonts: the same
generator always writes the same bytes.
"""

import os
import shutil
import sys

import arquivos
import botoes
import telas
import tutorial
from arquivos import numbered, twice
from cartas import empty_pile, hand_card, pile_card
from letras import FONT_BOLD
from pintura import at_scale

CARD_VALUES = range(1, arquivos.cartas + 1)


def pictures():
    """Every picture, by file name, as a function that paints it; the table
    comes first since the cards take their corner colour from it."""
    table = telas.table()
    pile_corner = telas.pile_corner_colour(table)
    hand_corner = telas.hand_corner_colour(table)
    jobs = {arquivos.mesa: lambda: table}
    for n in CARD_VALUES:
        jobs[numbered(arquivos.carta_mao, n)] = lambda n=n: hand_card(n, hand_corner)
        jobs[numbered(arquivos.carta_pilha, n)] = lambda n=n: pile_card(n, pile_corner)
    jobs[arquivos.pilha_crescente_vazia] = lambda: empty_pile(True, pile_corner)
    jobs[arquivos.pilha_decrescente_vazia] = lambda: empty_pile(False, pile_corner)
    for name in botoes.HUD_BUTTONS:
        jobs[name] = lambda name=name: botoes.hud_button(name)
    for name in telas.SCREENS:
        jobs[name] = lambda name=name: telas.screen(name)
    for k in range(1, arquivos.paginas + 1):
        jobs[numbered(arquivos.pagina, k)] = lambda k=k: tutorial.page(k)
    return jobs


def write(out_dir, names=None):
    """Writes the pictures and their twins (all, or only the named ones) and
    the font."""
    os.makedirs(out_dir, exist_ok=True)
    for k, named in ((1, str), (2, twice)):
        with at_scale(k):
            for name, paint in pictures().items():
                name = named(name)
                if names is not None and name not in names:
                    continue
                canvas = paint()
                path = os.path.join(out_dir, name)
                tmp = path + ".tmp"
                if name.endswith(".png"):
                    canvas.save_png(tmp)
                else:
                    canvas.save_jpg(tmp)
                os.replace(tmp, path)
    if names is None or arquivos.fonte in names:
        # The count on the table is drawn in the same face as all the art.
        shutil.copyfile(FONT_BOLD, os.path.join(out_dir, arquivos.fonte))


def main(argv, write=write):
    """The command line of a painter that writes into one folder."""
    if len(argv) != 2:
        sys.stderr.write("usage: %s OUTPUT_DIR\n" % argv[0])
        return 2
    write(argv[1])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
