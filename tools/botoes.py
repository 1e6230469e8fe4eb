"""Every button the game shows, and where.

The screens answer presses strictly inside fixed rectangles of the game's points,
which the game's list of places holds (lugares); a player clicks on what they
see, so each painted button must sit inside its rectangle with a clear margin.
The painters draw from this table and the picture checks read it.
"""

from collections import namedtuple

import arquivos
import lugares

from letras import text_width
from pintura import (
    ACCENT,
    ACCENT_DEEP,
    ACCENT_INK,
    CAP_HEIGHT,
    INK_LIGHT,
    SLATE,
    SLATE_EDGE,
    Canvas,
    mix,
)

# rect: where a press counts (left, top, right, bottom; edges excluded).
# body: the painted button (left, top, right, bottom; right/bottom exclusive).
Button = namedtuple("Button", "name rect body label style icon")

SCREEN_BUTTONS = {
    arquivos.tela_menu: [
        Button("play", lugares.menu_jogar, (126, 206, 334, 254), "Play", "primary", None),
        Button(
            "instructions",
            lugares.menu_instrucoes,
            (126, 286, 334, 334),
            "How to play",
            "secondary",
            None,
        ),
        Button("leave", lugares.menu_sair, (150, 377, 310, 413), "Quit", "ghost", None),
    ],
    arquivos.tela_instrucoes: [
        Button(
            "previous", lugares.instrucoes_anterior, (57, 447, 163, 493), "Back", "secondary", "left"
        ),
        Button(
            "next", lugares.instrucoes_proxima, (287, 447, 377, 493), "Next", "secondary", "right"
        ),
        Button("play", lugares.instrucoes_jogar, (27, 545, 173, 575), "Play", "primary", None),
        Button("menu", lugares.instrucoes_menu, (287, 545, 413, 575), "Menu", "ghost", None),
    ],
}
# Both result screens share the same two buttons. The play-again rectangle is
# only 20 pixels high, so its button is a slim bar with small capitals.
for _name in (arquivos.tela_ganhou, arquivos.tela_perdeu):
    SCREEN_BUTTONS[_name] = [
        Button(
            "play again",
            lugares.resultado_jogar_novamente,
            (128, 503, 312, 517),
            "PLAY AGAIN",
            "primary",
            None,
        ),
        Button("leave", lugares.resultado_sair, (174, 535, 266, 563), "Quit", "ghost", None),
    ]

# The table's buttons are pictures of their own, and their hit area is the
# whole picture. Here rect is the room the table leaves for one (its place and
# largest size) and body the picture itself, which starts at that place.


def _hud(name, at, room, size, label, style, icon):
    x, y = at
    rect = (x, y, x + room[0], y + room[1])
    return Button(name, rect, (x, y, x + size[0], y + size[1]), label, style, icon)


HUD_BUTTONS = {
    arquivos.botao_desfazer: _hud(
        "undo", lugares.botao_desfazer, (96, 44), (88, 32), "Undo", "primary", "undo"
    ),
    arquivos.botao_menu: _hud(
        "menu", lugares.botao_menu, (105, 40), (96, 30), "Menu", "secondary", "menu"
    ),
    arquivos.botao_jogar_novamente: _hud(
        "play again",
        lugares.botao_jogar_novamente,
        (140, 40),
        (132, 30),
        "Play again",
        "secondary",
        "again",
    ),
}

STYLES = {
    # fill top, fill bottom, edge, ink, edge opacity
    "primary": (
        mix(ACCENT, (255, 255, 255), 0.12),
        ACCENT_DEEP,
        mix(ACCENT_DEEP, (0, 0, 0), 0.25),
        ACCENT_INK,
        0.9,
    ),
    "secondary": (mix(SLATE, (255, 255, 255), 0.06), SLATE, SLATE_EDGE, INK_LIGHT, 1.0),
}


def _icon(canvas, kind, cx, cy, color):
    if kind == "menu":
        for dy in (-5, 0, 5):
            canvas.line([(cx - 7, cy + dy), (cx + 7, cy + dy)], 2, color)
    elif kind == "undo":
        # A hook bending back to the left, with its head.
        canvas.arc((cx - 7, cy - 6, cx + 8, cy + 8), 270, 90 + 360, 2.2, color)
        canvas.line([(cx - 5, cy - 6), (cx + 1, cy - 6)], 2.2, color)
        canvas.polygon([(cx - 9, cy - 6), (cx - 3, cy - 10.5), (cx - 3, cy - 1.5)], color)
    elif kind == "again":
        # An almost closed circle with a head: go round once more.
        canvas.arc((cx - 7, cy - 7, cx + 7, cy + 7), 330, 250 + 360, 2.2, color)
        canvas.polygon([(cx - 2.2, cy - 11.5), (cx + 4.2, cy - 7.3), (cx - 2.2, cy - 2.7)], color)
    elif kind == "left":
        canvas.polygon([(cx + 4, cy - 7), (cx - 5, cy), (cx + 4, cy + 7)], color)
    elif kind == "right":
        canvas.polygon([(cx - 4, cy - 7), (cx + 5, cy), (cx - 4, cy + 7)], color)


def paint(canvas, button):
    """Paints a button into its body box on the canvas."""
    x0, y0, x1, y1 = button.body
    w, h = x1 - x0, y1 - y0
    radius = min(10, h / 2)
    if button.style == "ghost":
        # The least likely choice: an outline only.
        ink = INK_LIGHT
        canvas.rounded(button.body, radius, ink, opacity=0.06)
        canvas.rounded(button.body, radius, ink, opacity=0.55, width=1.5)
    else:
        top, bottom, edge, ink, edge_opacity = STYLES[button.style]
        canvas.rounded_gradient(button.body, radius, top, bottom)
        canvas.rounded(button.body, radius, edge, opacity=edge_opacity, width=1)
    size, tracking = _label_style(h)
    icon_w = 20 if button.icon else 0
    label_w = text_width(button.label, size, tracking=tracking)
    if label_w + icon_w > w - 2 * min(10, h / 2):
        raise ValueError("label %r does not fit its button" % button.label)
    left = x0 + (w - label_w - icon_w) / 2
    cy = y0 + h / 2
    # Capitals centred on the button's middle line, whatever hangs below.
    baseline = round(cy + CAP_HEIGHT * size / 2)
    if button.icon == "right":
        canvas.text((left, baseline), button.label, size, ink, anchor="ls", tracking=tracking)
        _icon(canvas, button.icon, left + label_w + icon_w - 7, cy, ink)
    else:
        if button.icon:
            _icon(canvas, button.icon, left + 7, cy, ink)
        canvas.text(
            (left + icon_w, baseline), button.label, size, ink, anchor="ls", tracking=tracking
        )


def _label_style(height):
    """Font size and letter spacing of a label for a button this high."""
    if height < 20:
        # Small capitals read better spaced out.
        return 11, 1
    if height < 34:
        return 14, 0
    if height < 44:
        return 16, 0
    return 18, 0


def hud_button(filename):
    """A table button as a transparent picture, cut to its place."""
    button = HUD_BUTTONS[filename]
    x0, y0, x1, y1 = button.body
    c = Canvas(x1 - x0, y1 - y0)
    paint(c, button._replace(body=(0, 0, x1 - x0, y1 - y0)))
    return c
