"""The table and the full-window screens."""

from PIL import Image, ImageFilter

import arquivos
import botoes
import lugares
from cartas import HAND_SIZE, PILE_SIZE, hand_card, pile_card
from pintura import (
    CHIP,
    HAND_PANEL,
    INK_DARK,
    INK_LIGHT,
    INK_MUTED,
    LINE,
    PURPLE,
    TABLE,
    TABLE_DEEP,
    Canvas,
    mix,
)

WINDOW = (450, 600)

# Where the game puts things on the table (the game's points): the piles' top-left
# corners left to right, top row first, and the hand's centres the same way.
PILE_PLACES = [lugares.pilha_c2, lugares.pilha_c1, lugares.pilha_d2, lugares.pilha_d1]
HAND_CENTRES = sorted(lugares.casas_mao, key=lambda centre: (centre[1], centre[0]))
COUNT_AT = lugares.contagem
HAND_PANEL_BOX = (58, 356, 382, 560)
# Where the tutorial page lies on the instructions screen.
PAGE_BOX = lugares.pagina + (lugares.pagina[0] + 290, lugares.pagina[1] + 330)


def hand_rect(centre):
    x, y = centre
    w, h = HAND_SIZE
    return (x - w // 2, y - h // 2, x + w // 2, y + h // 2)


# -- helpers ------------------------------------------------------------------


def rotated(canvas, angle):
    # Premultiplied alpha keeps the rotated edges free of dark fringes.
    img = canvas.img.convert("RGBa").rotate(angle, resample=Image.Resampling.BICUBIC, expand=True)
    return img.convert("RGBA")


def with_shadow(target, picture, xy, blur=4, offset=(0, 3), opacity=0.45):
    """Lays a picture (in the target's pixels) on the canvas, at a place in
    points, over the soft shadow of its own shape."""
    k = target.k
    x, y = int(xy[0] * k), int(xy[1] * k)
    blur, offset = blur * k, (offset[0] * k, offset[1] * k)
    pad = blur * 3
    alpha = picture.getchannel("A")
    mask = Image.new("L", (alpha.width + 2 * pad, alpha.height + 2 * pad), 0)
    mask.paste(alpha, (pad, pad))
    mask = mask.filter(ImageFilter.GaussianBlur(blur)).point(lambda v: round(v * opacity))
    layer = Image.new("RGBA", mask.size, (0, 0, 0, 0))
    layer.putalpha(mask)
    target.img.alpha_composite(layer, dest=(x - pad + offset[0], y - pad + offset[1]))
    target.img.alpha_composite(picture, dest=(x, y))


def fan(target, centre, cards, size, spread=10, step=None, dim=0.0):
    """Cards fanned out, like a hand held up; `dim` fades them into the
    ground."""
    n = len(cards)
    step = step if step is not None else size[0] * 0.9
    for i, (value, kind) in enumerate(cards):
        t = i - (n - 1) / 2
        angle = -t * spread
        face = (hand_card if kind == "blue" else pile_card)(value, size=size)
        if dim:
            alpha = face.img.getchannel("A")
            face.rounded((0, 0) + size, 0, TABLE_DEEP, opacity=dim)
            face.img.putalpha(alpha)
        pic = rotated(face, angle)
        cx = centre[0] + t * step
        cy = centre[1] + abs(t) * size[1] * 0.06
        half = 2 * target.k  # the rotated picture's pixels, halved into points
        with_shadow(target, pic, (cx - pic.width / half, cy - pic.height / half))


def backdrop():
    """The calm dark ground shared by every full-window screen."""
    c = Canvas(*WINDOW, color=TABLE_DEEP)
    c.vertical_gradient((0, 0) + WINDOW, TABLE, TABLE_DEEP)
    c.glow((225, 210), 330, mix(TABLE, (90, 130, 150), 0.35), 0.45)
    return c


def title(c, y, size):
    c.text((WINDOW[0] / 2, y), "Trevalia", size, INK_LIGHT, anchor="ms", max_width=WINDOW[0] - 40)


# -- the table ------------------------------------------------------------------


def table():
    c = Canvas(*WINDOW, color=TABLE)
    c.glow((225, 250), 340, mix(TABLE, (80, 120, 140), 0.25), 0.35)

    # The count is drawn by the game as hollow blue digits at COUNT_AT, 20 px:
    # a pale chip behind it lets so thin an outline be read on a dark table.
    x, y = COUNT_AT
    c.rounded((14, y - 2, x + 50, y + 28), 15, CHIP)
    c.text((x - 7, y + 13), "CARDS LEFT", 10, INK_DARK, anchor="rm", opacity=0.7)

    # Once cards cover the empty piles, only the table can tell which way
    # each row goes: say it in the gap between the two piles of the row.
    gap_x = (PILE_PLACES[0][0] + PILE_SIZE[0] + PILE_PLACES[1][0]) / 2
    mark = mix(PURPLE["rim"], TABLE, 0.35)
    top_row_mid = PILE_PLACES[0][1] + PILE_SIZE[1] / 2
    bottom_row_mid = PILE_PLACES[2][1] + PILE_SIZE[1] / 2
    c.arrow(gap_x, top_row_mid - 12, 22, 18, mark, up=True)
    c.text((gap_x, top_row_mid + 14), "UP", 12, mark, anchor="mm")
    c.text((gap_x, bottom_row_mid - 14), "DOWN", 12, mark, anchor="mm")
    c.arrow(gap_x, bottom_row_mid + 12, 22, 18, mark, up=False)

    # The hand: a slightly lighter tray with the eight places marked, so an
    # emptied place still reads as part of the hand.
    c.rounded(HAND_PANEL_BOX, 12, HAND_PANEL)
    for centre in HAND_CENTRES:
        c.rounded(hand_rect(centre), 7, LINE, opacity=0.9, width=1.5)
    c.text(
        (WINDOW[0] / 2, 580),
        "Drag a card from your hand onto a pile",
        11,
        INK_MUTED,
        anchor="mm",
        opacity=0.8,
    )
    return c


def table_colour(table_canvas, points):
    """The average table colour at some points: the corners of a card are
    painted in it, since JPEG has no transparency."""
    k = table_canvas.k
    px = [table_canvas.img.getpixel((x * k, y * k))[:3] for x, y in points]
    return tuple(round(sum(ch) / len(px)) for ch in zip(*px))


def pile_corner_colour(table_canvas):
    pts = []
    for x, y in PILE_PLACES:
        w, h = PILE_SIZE
        pts += [(x, y), (x + w - 1, y), (x, y + h - 1), (x + w - 1, y + h - 1)]
    return table_colour(table_canvas, pts)


def hand_corner_colour(table_canvas):
    pts = []
    for centre in HAND_CENTRES:
        x0, y0, x1, y1 = hand_rect(centre)
        pts += [(x0, y0), (x1 - 1, y0), (x0, y1 - 1), (x1 - 1, y1 - 1)]
    return table_colour(table_canvas, pts)


# -- the screens ---------------------------------------------------------------


def start_screen():
    c = backdrop()
    fan(c, (225, 215), [(12, "blue"), (50, "purple"), (87, "blue")], (92, 126))
    title(c, 372, 58)
    c.text((225, 408), "Play all 99 cards.", 16, INK_MUTED, anchor="ms", bold=False)
    c.rounded((150, 500, 300, 536), 18, INK_LIGHT, opacity=0.5, width=1.5)
    c.text((225, 518), "click to start", 15, INK_LIGHT, anchor="mm", bold=False)
    return c


def menu_screen():
    c = backdrop()
    # Centred over the buttons, whose rectangles sit a little right of the
    # window's middle.
    play = botoes.SCREEN_BUTTONS[arquivos.tela_menu][0]
    mid = (play.body[0] + play.body[2]) / 2
    fan(c, (mid, 84), [(12, "blue"), (50, "purple"), (87, "blue")], (44, 60))
    c.text((mid, 172), "Trevalia", 38, INK_LIGHT, anchor="ms")
    return c


def instructions_screen():
    c = backdrop()
    c.text((225, 66), "How to play", 24, INK_LIGHT, anchor="ms")
    c.shadow(PAGE_BOX, 14, 6, offset=(0, 4), opacity=0.5)
    return c


def won_screen():
    c = backdrop()
    c.glow((225, 215), 190, PURPLE["top"], 0.22)
    top_cards = [(96, "purple"), (97, "purple"), (98, "purple"), (99, "purple")]
    fan(c, (225, 215), top_cards, (70, 96), spread=8)
    c.text((225, 352), "You won!", 42, INK_LIGHT, anchor="ms")
    c.text((225, 388), "All 99 cards are on the piles.", 15, INK_MUTED, anchor="ms", bold=False)
    return c


def lost_screen():
    c = backdrop()
    # The last hand, faded: none of it fits any more.
    fan(c, (225, 215), [(40, "blue"), (55, "blue"), (71, "blue")], (70, 96), spread=8, dim=0.45)
    c.text((225, 352), "No more moves", 36, INK_LIGHT, anchor="ms")
    c.text((225, 388), "No card in your hand fits a pile.", 15, INK_MUTED, anchor="ms", bold=False)
    c.text(
        (225, 412), "Every deal is different: try again.", 15, INK_MUTED, anchor="ms", bold=False
    )
    return c


SCREENS = {
    arquivos.tela_inicial: start_screen,
    arquivos.tela_menu: menu_screen,
    arquivos.tela_instrucoes: instructions_screen,
    arquivos.tela_ganhou: won_screen,
    arquivos.tela_perdeu: lost_screen,
}


def screen(name, buttons=True):
    """A full-window screen; without buttons it is the ground they lie on."""
    c = SCREENS[name]()
    if buttons:
        for b in botoes.SCREEN_BUTTONS.get(name, []):
            botoes.paint(c, b)
    return c
