"""The nine pages of the instructions, each a card-sized sheet of paper
(folha.py) with a short lesson and small drawings of real cards."""

from PIL import ImageDraw

import arquivos
import botoes
import telas
from cartas import hand_card
from folha import (
    COUNT_BLUE,
    INK,
    INK_SOFT,
    MARGIN,
    MINI_HAND,
    MINI_PILE,
    PAPER,
    SIZE,
    TEXT_SIZE,
    Page,
    left_arrow,
    right_arrow,
)
from letras import font, wrap
from pintura import GOOD, mix


def _page1():
    p = Page(1, "The goal")
    p.say("There are 99 cards, numbered 1 to 99, and they come shuffled.")
    telas.fan(
        p.c,
        (SIZE[0] / 2, p.y + 44),
        [(7, "blue"), (38, "blue"), (64, "blue"), (91, "blue")],
        MINI_HAND,
        spread=8,
        step=MINI_HAND[0] + 6,
    )
    p.space(100)
    p.say("Drag cards from your hand onto the four piles on the table.")
    p.say("Play all 99 cards to win.", bold=True)
    return p.finish()


def _direction_page(number, title, rule, top, examples, kind, empty):
    """The page of one kind of pile: its rule, an example of a card that fits
    and one that does not, and the picture of the empty pile."""
    p = Page(number, title)
    p.say(rule)
    p.space(4)
    p.y = p.example(top, examples)
    y = p.y
    p.card(kind, None, MARGIN + 4, y - 4)
    p.y = y + 12
    p.say(empty, left=MARGIN + MINI_PILE[0] + 16)
    return p.finish()


def _page2():
    return _direction_page(
        2,
        "Up piles",
        "The two top piles go up. A card fits when it is higher than the top card.",
        23,
        [(31, True, "higher"), (12, False, "lower")],
        "up",
        "An empty pile takes any card. The up piles show 1 and an arrow up.",
    )


def _page3():
    return _direction_page(
        3,
        "Down piles",
        "The two lower piles go down. A card fits when it is lower than the top card.",
        60,
        [(54, True, "lower"), (71, False, "higher")],
        "down",
        "An empty pile takes any card. The down piles show 100 and an arrow down.",
    )


def _page4():
    p = Page(4, "Ten back")
    p.say("One move goes the other way, and it can save a game:")
    p.space(4)
    for pile, card, rule in (
        (47, 37, "An up pile also takes a card exactly 10 lower."),
        (52, 62, "A down pile also takes a card exactly 10 higher."),
    ):
        top = p.y
        p.card("pile", pile, MARGIN + 2, top)
        x = MARGIN + 2 + MINI_PILE[0] + 26
        p.c.polygon(left_arrow(x - 14, top + MINI_PILE[1] / 2), INK_SOFT)
        cy = top + (MINI_PILE[1] - MINI_HAND[1]) / 2
        p.card("hand", card, x, cy)
        p.verdict(x + MINI_HAND[0] - 2, cy + 2, True)
        p.y = top + 6
        p.say(rule, left=x + MINI_HAND[0] + 16)
        p.y = top + MINI_PILE[1] + 12
    p.say("Only exactly 10: on an up pile of 47, a 37 fits but a 38 does not.", colour=INK_SOFT)
    return p.finish()


def _page5():
    p = Page(5, "Your hand")
    p.say("You hold eight cards, in two rows of four.")
    # A hand after two plays: two empty places, about to be filled again.
    values = [12, None, 45, 67, 30, 81, None, 59]
    w, h = 36, 49
    x0 = (SIZE[0] - (4 * w + 3 * 8)) / 2 - 20
    for i, v in enumerate(values):
        x = x0 + (i % 4) * (w + 8)
        y = p.y + (i // 4) * (h + 6)
        if v is None:
            p.c.rounded((x, y, x + w, y + h), 5, INK_SOFT, opacity=0.7, width=1.5)
        else:
            face = hand_card(v, size=(w, h))
            p.c.paste(face, (x, y))
    label_x = x0 + 4 * (w + 8) + 22
    mid = p.y + h + 3
    p.c.text((label_x, mid), "+2", 24, GOOD, anchor="mm")
    p.y += 2 * h + 6 + 22
    p.say("Each time you have played two cards, two new ones are dealt from the deck.")
    p.say("When the deck runs out, play on with the cards you still hold.", colour=INK_SOFT)
    return p.finish()


def _page6():
    p = Page(6, "Undo")
    # The card goes from the pile back into the hand.
    top = p.y
    p.card("pile", 31, MARGIN + 4, top)
    p.caption(MARGIN + 4 + MINI_PILE[0] / 2, top + MINI_PILE[1] + 15, "pile")
    undo = botoes.hud_button(arquivos.botao_desfazer)
    ux = (SIZE[0] - undo.size[0]) / 2
    p.c.paste(undo, (ux, top + (MINI_PILE[1] - undo.size[1]) / 2))
    hx = SIZE[0] - MARGIN - 4 - MINI_HAND[0]
    p.card("hand", 31, hx, top + (MINI_PILE[1] - MINI_HAND[1]) / 2)
    p.caption(hx + MINI_HAND[0] / 2, top + MINI_PILE[1] + 15, "hand")
    mid = top + MINI_PILE[1] / 2
    for a, b in ((MARGIN + 4 + MINI_PILE[0], ux), (ux + undo.size[0], hx)):
        p.c.polygon(right_arrow((a + b) / 2, mid), INK_SOFT)
    p.y = top + MINI_PILE[1] + 28
    p.say("The undo button takes back the last card you played, once.")
    p.say(
        "While the deck lasts, only the first of each two cards can be taken back,"
        " until you play the second."
    )
    p.say("Once the deck is empty, you can take back your last card until you play again.")
    return p.finish()


def _page7():
    p = Page(7, "Winning")
    p.say(
        "The number at the top of the table counts the cards still to play: the deck and your hand."
    )
    # The count as the table shows it: hollow blue digits on a pale chip.
    cx = SIZE[0] / 2
    chip = (cx - 68, p.y, cx + 68, p.y + 32)
    p.c.rounded(chip, 16, mix(PAPER, (0, 0, 0), 0.1))
    p.c.text((cx - 6, p.y + 16), "CARDS LEFT", 10, INK, anchor="rm", opacity=0.7)
    _hollow(p.c, (cx + 2, p.y + 26), "12")
    p.y += 48
    p.say("Each card you play takes one off.")
    p.say("When the deck and your hand are both empty, every card is on a pile.")
    p.say("You win!", bold=True)
    return p.finish()


def _hollow(canvas, baseline_left, text):
    k = canvas.k
    d = ImageDraw.Draw(canvas.img)
    d.text(
        (baseline_left[0] * k, baseline_left[1] * k),
        text,
        font=font(20 * k),
        anchor="ls",
        fill=mix(PAPER, (0, 0, 0), 0.1),
        stroke_width=k,
        stroke_fill=COUNT_BLUE,
    )


def _page8():
    p = Page(8, "Losing")
    p.say("You lose when no card in your hand fits any pile.")
    # A lost game: the up piles are high, the down piles low.
    x = MARGIN + 6
    for value, up in ((90, True), (95, True), (12, False), (8, False)):
        p.card("pile", value, x, p.y)
        p.c.arrow(x + MINI_PILE[0] / 2, p.y + MINI_PILE[1] + 12, 12, 10, INK_SOFT, up=up)
        x += MINI_PILE[0] + 16
    p.y += MINI_PILE[1] + 30
    x = (SIZE[0] - (3 * MINI_HAND[0] + 2 * 28)) / 2
    for value in (40, 55, 71):
        p.card("hand", value, x, p.y)
        p.verdict(x + MINI_HAND[0] - 2, p.y + 2, False)
        x += MINI_HAND[0] + 28
    p.y += MINI_HAND[1] + 22
    p.say("Tip: keep each step small. A big jump leaves a pile little room.", colour=INK_SOFT)
    return p.finish()


def _page9():
    p = Page(9, "Buttons")
    rows = [
        (arquivos.botao_menu, "Opens the menu. The Escape key does too."),
        (arquivos.botao_jogar_novamente, "Deals a new game."),
        (arquivos.botao_desfazer, "Takes back your last card."),
    ]
    for name, text in rows:
        pic = botoes.hud_button(name)
        top = p.y - 6
        p.c.paste(pic, (MARGIN, top))
        lines = wrap(text, TEXT_SIZE - 1, SIZE[0] - MARGIN - 142 - MARGIN)
        y = top + pic.size[1] / 2 - (len(lines) - 1) * 8 + 4
        for line in lines:
            p.c.text((MARGIN + 142, y), line, TEXT_SIZE - 1, INK, anchor="ls", bold=False)
            y += 16
        p.y = top + max(pic.size[1], 16 * len(lines)) + 26
    p.say("From the menu you can come back here at any time.", colour=INK_SOFT)
    p.say("Good luck!", bold=True)
    return p.finish()


_PAGES = [_page1, _page2, _page3, _page4, _page5, _page6, _page7, _page8, _page9]
# The game turns as many pages as its list of files says.
if len(_PAGES) != arquivos.paginas:
    raise SystemExit("%d pages painted, %d in the list of files" % (len(_PAGES), arquivos.paginas))


def page(k):
    return _PAGES[k - 1]()
