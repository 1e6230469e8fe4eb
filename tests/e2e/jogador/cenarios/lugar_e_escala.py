"""The window's place and scale: wholly on screens of every size and shape,
with and without a window manager, on the monitor that holds the pointer, at
the desktop's scale (Xft.dpi, Windows's LogPixels) with the pictures' twins.
"""

import contextlib
import os
import subprocess
import time

from PIL import Image

from jogador import figuras, pontos, x11
from jogador.area_de_trabalho import MANAGERS, desktop_scale, window_manager, xsettings
from jogador.cenarios import scenario
from jogador.danos import damaging
from jogador.espera import screenshot
from jogador.jogo import Game, xdotool
from jogador.preparos import check, expect_kept, first_play, play_first


@contextlib.contextmanager
def on_screen(ctx, area=None):
    """A game whose window, with any frame around it, lies wholly on the
    screen, or within the area given (left, top, right, bottom)."""
    area = area or (0, 0) + x11.screen_size()
    with Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
        # A window manager may still be moving the window into place.
        deadline, previous = time.monotonic() + 5.0, None
        rectangle = x11.outer_rectangle(game.window)
        while rectangle != previous and time.monotonic() <= deadline:
            time.sleep(0.3)
            previous, rectangle = rectangle, x11.outer_rectangle(game.window)
        left, top, right, bottom = rectangle
        check(area[0] <= left and right <= area[2] and area[1] <= top and bottom <= area[3],
              "the window spans (%d, %d)-(%d, %d), outside (%d, %d)-(%d, %d)"
              % (rectangle + area))
        yield game


@scenario
def janela_na_tela(ctx):
    """The window opens wholly on the screen, whatever the screen's size, with
    the icon that taskbars and window switchers show."""
    with on_screen(ctx) as game:
        game.wait_screen("inicial.jpg")
        icon = subprocess.run(["xprop", "-id", str(game.window), "_NET_WM_ICON"], check=True,
                              stdout=subprocess.PIPE, timeout=20).stdout.decode()
        check("Icon (32 x 32)" in icon, "the window's icon: %s" % icon.strip()[:200])


def framed(ctx, manager, dpi=96):
    """The same under a real window manager, which honours where the game asks
    for its window to go, and frames it with a title bar: the framed window
    centred, at the largest scale that fits it whole; the window keeps its
    size, a card plays, and the frame's close button asks it to close."""
    desktop_scale(dpi)
    with window_manager(manager), on_screen(ctx) as game:
        left, top, right, bottom = x11.outer_rectangle(game.window)
        title = game.y - top
        check(title > max(game.x - left, bottom - game.y - game.size[1]),
              "no title bar over the window: its frame spans (%d, %d)-(%d, %d)"
              % (left, top, right, bottom))
        width, height = x11.screen_size()
        check(abs(left + right - width) <= 1 and abs(top + bottom - height) <= 1
              and (dpi == 96 or bottom - top >= height - 1),
              "the framed window spans (%d, %d)-(%d, %d): not centred, or not as large as fits"
              % (left, top, right, bottom))
        size = game.size
        xdotool("windowsize", game.window, 600, 700)
        # The close button, at the right end of the title bar. On the start
        # screen a close request leads to the menu, which the resize request
        # came before; in play it ends the game.
        close = right - MANAGERS[manager][2], top + title // 2
        xdotool("mousemove", *close, "click", 1)
        game.wait_screen("menu.jpg")
        check(game.size == size, "the window was resized to %dx%d" % game.size)
        game.click(*pontos.MENU_PLAY)
        play_first(game, game.wait_deal(ctx.deck))
        xdotool("mousemove", *close, "click", 1)
        game.expect_exit_ok()


# e2e.janela_na_tela_com_<manager>[_<scale in %>]
for manager, dpi, name in (("openbox", 96, ""), ("kwin", 96, "_100"), ("kwin", 192, "_200"),
                           ("xfwm4", 96, "_100"), ("xfwm4", 192, "_200")):
    scenario(lambda ctx, manager=manager, dpi=dpi: framed(ctx, manager, dpi),
             "janela_na_tela_com_" + manager + name)


def full_screen(how):
    subprocess.run(["wmctrl", "-r", "Trevalia", "-b", how + ",fullscreen"], timeout=20)


@scenario
def tela_cheia(ctx):
    """Full screen, which xfwm4 grants though the game asks for one size: the
    table drawn whole at the largest scale that fits, centred on the table's
    colour, and a card played at its place there; back at its size, the
    window shows the table as before."""
    with window_manager("xfwm4"), Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
        game.start_playing()
        table = game.wait_deal(ctx.deck)
        before = game.last_shot
        full_screen("add")
        width, height = x11.screen_size()
        scale = min(width / pontos.WIDTH, height / pontos.HEIGHT)
        drawn = round(pontos.WIDTH * scale), round(pontos.HEIGHT * scale)
        corner = (width - drawn[0]) // 2, (height - drawn[1]) // 2
        expected = Image.new("RGB", (width, height), (21, 36, 44))  # the table's colour
        expected.paste(before.resize(drawn, Image.BILINEAR), corner)

        def letterboxed(screen):
            # Twins drawn at 1.8 against the plain pictures enlarged: about 1.1.
            apart = figuras.difference(screen, expected)
            return None if apart < 2 else "a difference of %.1f" % apart

        game.wait_for("the table scaled to fit the full screen", letterboxed, shoot=screenshot)
        value, pile = first_play(table)
        slot = table.play(value, pile)
        for point, step in ((pontos.slot_centre(slot), game.press),
                            (pontos.pile_centre(pile), game.release)):
            x, y = pontos.first_pixel(point, scale)
            xdotool("mousemove", corner[0] + x, corner[1] + y)
            step()
        full_screen("remove")
        game.wait_table(table, undo=True, what="%d played in full screen, at 450x600" % value)
        check(game.size == (pontos.WIDTH, pontos.HEIGHT), "the window is %dx%d" % game.size)


def scaled_walk(ctx, dpi, size, edges=False, damaged=(), damage="cortado"):
    """A desktop at that scale: a window of that many pixels, and the start
    screen, the menu (its play button's edges at the pixel if asked), the table
    and a card played, all at the same points as at 100%; the pictures
    `damaged` shown magnified, their twins spoilt in the game's copy."""
    desktop_scale(dpi)
    twins = ["@2x".join(os.path.splitext(name)) for name in damaged]
    with Game(ctx.jogo, ctx.imagens, damaging(damage, twins), ctx.capturas) as game:
        game.pictures.damaged.update(damaged)
        check(game.size == size, "the window is %dx%d, not %dx%d" % (game.size + size))
        if edges:
            game.wait_screen("inicial.jpg")
            # Not the start screen's other form: magnified, or (damaged) its twin.
            game.pictures.damaged ^= {"inicial.jpg"}
            other = game.screen_complaint(game.last_shot, "inicial.jpg")
            game.pictures.damaged ^= {"inicial.jpg"}
            check(other is not None, "the start screen matches inicial.jpg and its twin alike")
            game.click(*pontos.MENU_PLAY)
            game.wait_screen("menu.jpg")
            # The last pixel of the play button's left edge is outside it;
            # the last pixel of its last point inside answers.
            game.click(120.5, 230)
            expect_kept(game, "menu.jpg", "a press on the play button's edge left the menu")
            game.click(339.5, 259.5)
        else:
            game.start_playing()
        play_first(game, game.wait_deal(ctx.deck))


@scenario
def escala_2(ctx):
    """200% on a 3840x2160 screen: 900x1200 pixels and the pictures' twins;
    empty twins, or twins of random bytes, give way to the plain pictures.
    (Not a twin cut short: SFML 2.6 reads what there is of it, as it does a
    plain picture cut short, and shows that much.)"""
    scaled_walk(ctx, 192, (900, 1200), edges=True)
    first = figuras.hand_card(ctx.deck[0])  # the card the walk plays
    for damage in ("vazio", "bytes_aleatorios"):
        scaled_walk(ctx, 192, (900, 1200), edges=True, damage=damage,
                    damaged=("inicial.jpg", "menu.jpg", first))


@scenario
def escala_1_5(ctx):
    """150% on a 1920x1080 screen: 675x900 pixels."""
    scaled_walk(ctx, 144, (675, 900))


@scenario
def escala_2_em_1080(ctx):
    """200% on a 1920x1080 screen, too small for it: the scale is lowered
    until the window fits the screen whole."""
    desktop_scale(192)
    with on_screen(ctx) as game:
        check(game.scale > 1, "the scale fell to %.2f" % game.scale)
        game.wait_screen("inicial.jpg")


def rescaled(game, size, shows):
    """Until the window is `size` pixels and shows what `shows` waits for."""
    game.wait_for("the window at %dx%d" % size, lambda shot: None if game.size == size
                  else "it is %dx%d" % game.size)
    shows()


@scenario
def escala_ao_vivo(ctx):
    """The desktop's scale changed while the game runs (first published after
    it started, as Plasma's is), on every screen, mid-drag, through Xft.dpi and
    an XSETTINGS manager: the window's size, its pictures and its points follow."""
    big, small = (900, 1200), (pontos.WIDTH, pontos.HEIGHT)
    desktop_scale(None)
    with Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
        check(game.size == small, "the window opened at %dx%d" % game.size)
        start = lambda: game.wait_screen("inicial.jpg")
        for dpi, size in ((192, big), (96, small)):
            desktop_scale(dpi)
            rescaled(game, size, start)
        game.to_menu()
        desktop_scale(192)
        rescaled(game, big, lambda: game.wait_screen("menu.jpg"))
        game.click(*pontos.MENU_PLAY)
        table = game.wait_deal(ctx.deck)
        play_first(game, table)
        at_table = lambda: game.wait_table(table, undo=True)
        # A card held in a drag stays under the pointer as the window shrinks
        # around its centre: (150, 200) at 900x1200 is (75, 100) at 450x600.
        value = next(v for v in table.slots if v)
        game.move(*pontos.slot_centre(table.slot_of(value)), settle=False)
        game.press()
        game.move(150, 200)
        desktop_scale(96)
        rescaled(game, small, lambda: game.wait_card_at(value, (75, 100), "the card held"))
        game.release()
        at_table()
        desktop_scale(None)
        with xsettings({"Gdk/WindowScalingFactor": 2}) as publish:
            rescaled(game, big, at_table)
            publish({"Gdk/WindowScalingFactor": 2, "Xft/DPI": 96 * 1024})
            rescaled(game, small, at_table)
            publish({"Xft/DPI": 192 * 1024})
            rescaled(game, big, at_table)
        rescaled(game, small, at_table)


def on_the_pointers_monitor(ctx):
    """Two 1920x1080 monitors side by side: the window opens wholly on the
    one that holds the pointer, on either side."""
    for name, left in (("Left", 0), ("Right", 1920)):
        subprocess.run(["xrandr", "--setmonitor", name, "1920/508x1080/286+%d+0" % left,
                        "none"], check=True, timeout=20)
    for left in (0, 1920):
        xdotool("mousemove", left + 960, 540)
        with on_screen(ctx, (left, 0, left + 1920, 1080)):
            pass  # what is checked is where the window opens


@scenario
def dois_monitores(ctx):
    on_the_pointers_monitor(ctx)


@scenario
def dois_monitores_com_openbox(ctx):
    with window_manager("openbox"):
        on_the_pointers_monitor(ctx)


@scenario
def tela_larga(ctx):
    """A 3840x1080 screen with no monitors and no window manager, where the
    library's own first place for a window lies below the screen: the game
    shows."""
    with on_screen(ctx) as game:
        game.wait_screen("inicial.jpg")


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
            game.to_menu()
            # Its pixel, unmapped, would fall outside every button.
            game.turn_page(pontos.MENU_INSTRUCTIONS, 1)
    finally:
        subprocess.run(reg + ["delete", key, "/v", "LogPixels", "/f"],
                       stdout=subprocess.DEVNULL, timeout=60)
