"""Damaged picture and font files: the game must play on regardless.

Scenarios for cenarios.py, one per kind of damage (arquivos_ruins_DAMAGE).
One file of each kind the game reads is damaged the same way at once, and the
game is played blind, by the rectangles where things would be: it must reach
the menu from play and from the pager and end with status 0 on a close request.
If that fails, each file is then tried damaged alone, so the report names the
files that cause it. The start screen and the menu keep their pictures: they
are what the run checks it has reached.
"""

import io
import os
import random

from PIL import Image

import janela
import regras
from janela import Failure, Game


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


def encoded(picture, form):
    out = io.BytesIO()
    picture.convert("RGB").save(out, form)
    return out.getvalue()


def some_picture():
    return Image.new("RGB", (40, 30), (200, 30, 90))


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def contents(path):
    with open(path, "rb") as f:
        return f.read()


def other_format(path):
    """A picture in a format the name does not say: PNG for .jpg and .ttf, JPEG for .png."""
    form = "JPEG" if path.endswith(".png") else "PNG"
    try:
        with Image.open(path) as picture:
            return encoded(picture, form)
    except OSError:  # the font
        return encoded(some_picture(), form)


def one_pixel(path):
    form = "PNG" if path.endswith((".png", ".ttf")) else "JPEG"
    return encoded(Image.new("RGB", (1, 1), (255, 255, 255)), form)


def make_folder(path):
    os.remove(path)
    os.mkdir(path)


DAMAGES = {
    "ausente": os.remove,
    "vazio": lambda path: write(path, b""),
    "cortado": lambda path: write(path, contents(path)[:os.path.getsize(path) // 2]),
    "bytes_aleatorios": lambda path: write(path, random.Random(os.path.basename(path)).randbytes(
        max(os.path.getsize(path), 64))),
    "pasta": make_folder,
    "outro_formato": lambda path: write(path, other_format(path)),
    "um_pixel": lambda path: write(path, one_pixel(path)),
}


def damaging(damage, names):
    def damage_files(imagens):
        for name in names:
            DAMAGES[damage](os.path.join(imagens, name))
    return damage_files


def centre(box):
    left, top, right, bottom = box
    return (left + right) // 2, (top + bottom) // 2


def play_blind(ctx, damage, names):
    """Start, menu, play, menu, pager, menu, close; the table is never looked at."""
    with Game(ctx.jogo, ctx.imagens, pictures=damaging(damage, names),
              shots=ctx.capturas) as game:
        pictures = game.pictures  # the undamaged ones, for where buttons would be
        undo = centre(pictures.button_box("desfazer.png", janela.UNDO_AT))
        again = centre(pictures.button_box("botao_dnv.png", janela.AGAIN_BUTTON_AT))
        slot = janela.slot_centre
        pile = janela.pile_centre

        game.wait_screen("inicial.jpg")
        game.click(*janela.MENU_PLAY)
        game.wait_screen("menu.jpg")
        game.click(*janela.MENU_PLAY)
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
        game.click(*janela.MENU_INSTRUCTIONS)
        for button in (janela.PAGER_NEXT, janela.PAGER_NEXT, janela.PAGER_PREVIOUS):
            game.click(*button)
        game.click(*janela.PAGER_MENU)
        game.wait_screen("menu.jpg")
        game.request_close()
        game.expect_exit_ok()


def run(ctx, damage):
    every = kinds(ctx.deck)
    try:
        play_blind(ctx, damage, sorted(every.values()))
        return None
    except Failure as failure:
        first = failure
    # Which of the files, damaged alone, make it fail?
    guilty = []
    for kind, name in sorted(every.items()):
        try:
            play_blind(ctx, damage, [name])
        except Failure as failure:
            guilty.append("%s %s: %s" % (kind, name, failure))
    if not guilty:
        return "%s, with every file damaged at once only: %s" % (damage, first)
    return "%s:\n  %s" % (damage, "\n  ".join(guilty))


def scenario(damage):
    def damaged_files(ctx):
        complaint = run(ctx, damage)
        if complaint:
            raise Failure("with damaged files, " + complaint)
    damaged_files.__doc__ = "Files %s: the game plays on." % damage
    return damaged_files


# The end-to-end scenarios, one for each damage.
SCENARIOS = {"arquivos_ruins_" + damage: scenario(damage) for damage in DAMAGES}
