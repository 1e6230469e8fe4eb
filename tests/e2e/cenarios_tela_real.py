"""End-to-end scenarios of a real desktop: a screen that refreshes at 60 Hz, a
mouse that sends a steady stream of moves, presses followed at once by moves,
screens of other sizes and a real window manager.

Run like cenarios.py, with the 60 Hz display library and the pointer helper:
    /usr/bin/python3 cenarios_tela_real.py --jogo build/trevalia \
        --imagens build/imagens --monte build/tests/e2e/e2e_imprime_monte \
        --tela build/tests/e2e/libe2e_tela_60hz.so \
        --ponteiro build/tests/e2e/e2e_ponteiro SCENARIO
"""

import contextlib
import os
import shutil
import subprocess
import sys
import tempfile
import time

import area_de_trabalho
import arquivos_ruins
import arranque
import cenarios
import janela
import quadros
import regras
import vestigios
from arranque import die_with_parent
from cenarios import check, first_play, playing, scenario
from janela import Failure
from ponteiro import Pointer

# The row read back from every frame; the drag below ends on it.
ROW = 205
# Where the card is dropped at the end of a 2 s drag: past every other place
# the stream passes through on the row.
DRAG_END = (350, ROW)
# Inside the menu's play button and over the descending pile d2.
MENU_PLAY_OVER_D2 = (150, 240)


@contextlib.contextmanager
def display_60hz(ctx):
    """Games started inside run on a 60 Hz display, logging their frames to the
    file this yields."""
    if not ctx.tela or not ctx.ponteiro:
        raise Failure("these scenarios need --tela and --ponteiro")
    folder = tempfile.mkdtemp(prefix="trevalia-quadros-")
    names = ("TREVALIA_E2E_PRELOAD", "TREVALIA_QUADROS", "TREVALIA_QUADROS_LINHA")
    saved = {name: os.environ.get(name) for name in names}
    log = os.path.join(folder, "quadros.txt")
    os.environ.update(TREVALIA_E2E_PRELOAD=os.path.abspath(ctx.tela), TREVALIA_QUADROS=log,
                      TREVALIA_QUADROS_LINHA=str(ROW))
    try:
        yield log
    finally:
        for name, value in saved.items():
            if value is None:
                os.environ.pop(name, None)
            else:
                os.environ[name] = value
        shutil.rmtree(folder, ignore_errors=True)


@contextlib.contextmanager
def pointer_on(ctx, game):
    """The pointer helper over the game's window. The left button is let go at
    the end whatever happened, so that a failure leaves no button held for the
    next test on the same display."""
    pointer = Pointer(os.path.abspath(ctx.ponteiro), (game.x, game.y))
    try:
        yield pointer
    finally:
        pointer.run(pointer.release())


@scenario
def arrasto_a_125hz(ctx):
    """A pointer that wanders over the table for 2 s draws no frame; a card
    dragged for 2 s at a mouse's 125 moves a second is drawn where the pointer
    stopped within 50 ms, with nothing more sent."""
    with display_60hz(ctx) as frames_log:
        game, table = playing(ctx)
        with game, pointer_on(ctx, game) as pointer:
            before = len(quadros.wait_quiet(frames_log))
            # An empty log would pass every count below whatever the game draws.
            check(before > 0, "the 60 Hz display saw none of the game's frames")
            pointer.run(pointer.move(janela.QUIET[0]),
                        pointer.line(janela.QUIET[0], (430, 330), 250, 125))
            game.settle()
            hovered = len(quadros.read_frames(frames_log)) - before
            check(hovered == 0, "2 s of moves without a button drew %d frames" % hovered)
            slot = 0
            start = janela.slot_centre(slot)
            moves_log = os.path.join(os.path.dirname(frames_log), "movimentos.txt")
            before = len(quadros.read_frames(frames_log))
            # 250 moves, one pixel to the right each, rising onto the read row.
            pointer.run(pointer.move(start), pointer.press(),
                        pointer.line(start, DRAG_END, DRAG_END[0] - start[0], 125),
                        log=moves_log)
            # The first move only brings the pointer onto the card.
            moves = quadros.read_moves(moves_log, (game.x, game.y))[1:]
            check(len(moves) == 250 and moves[-1][1:] == DRAG_END,
                  "the pointer helper sent %d moves ending at %r" % (len(moves), moves[-1][1:]))
            frames = quadros.wait_quiet(frames_log)[before:]
            background = quadros.background_row(game.pictures.get("fundo2.jpg"), ROW)
            lag = quadros.lags(frames, moves, background)[-1]
            check(lag is not None, "no frame shows the card where the pointer stopped")
            reached = "the card reached the pointer's last position %.0f ms after the last move" \
                % (lag / 1e6)
            check(lag <= 50e6, reached)
            print(reached)
            # What the frames said, on the screen too.
            x, y = DRAG_END
            box = (x - janela.HAND_SIZE[0] // 2, y - janela.HAND_SIZE[1] // 2,
                   x + janela.HAND_SIZE[0] // 2, y + janela.HAND_SIZE[1] // 2)
            card = (janela.hand_card(table.slots[slot]), box[:2])
            game.wait_for("the dragged card at %r" % (DRAG_END,),
                          lambda shot: None if game.unlike(shot, box, card)
                          < janela.SAME else "it is not there")
            pointer.run(pointer.release())
            game.wait_table(table, undo=False, what="the card back home after the drag")


@scenario
def jogada_sem_pausa(ctx):
    """A press on a card followed at once by moves onto a pile and the release
    plays the card: the press counts where it happened."""
    with display_60hz(ctx):
        game, table = playing(ctx)
        with game, pointer_on(ctx, game) as pointer:
            value, pile = first_play(table)
            start = janela.slot_centre(table.slot_of(value))
            table.play(value, pile)
            pointer.run(pointer.move(start), pointer.press(),
                        pointer.line(start, janela.pile_centre(pile), 10, 1000),
                        pointer.release())
            game.wait_table(table, undo=True, what="%d played on %s with no pause"
                            % (value, regras.NAMES[pile]))


@scenario
def clique_na_mesa_e_jogar_novamente(ctx):
    """A click on the bare table followed at once by a move over "play again"
    keeps the game in progress."""
    with display_60hz(ctx):
        game, table = playing(ctx)
        with game, pointer_on(ctx, game) as pointer:
            value, pile = first_play(table)
            game.play(table, value, pile)
            game.wait_table(table, undo=True, what="%d on %s" % (value, regras.NAMES[pile]))
            again = cenarios.button_centre(game, "botao_dnv.png", janela.AGAIN_BUTTON_AT)
            quiet = janela.QUIET[0]
            pointer.run(pointer.move(quiet), pointer.press(), pointer.release(),
                        pointer.line(quiet, again, 10, 1000))
            game.expect_running()
            game.shot()
            complaint = game.table_complaint(table, undo=True)
            check(complaint is None, "the game in progress was not kept: %s" % complaint)


@scenario
def escape_durante_arrasto(ctx):
    """Escape in the middle of a drag, then "play" at a point over a descending
    pile: the card is back home and nothing was played."""
    with display_60hz(ctx):
        game, table = playing(ctx)
        with game, pointer_on(ctx, game) as pointer:
            count = game.count_region()
            start = janela.slot_centre(0)
            middle = (230, 300)
            # A card held a moment before it moves, as a person would; the
            # drag's own release comes while the menu is shown.
            pointer.run(pointer.move(start), pointer.press(), pointer.pause(0.2),
                        pointer.line(start, middle, 20, 125), pointer.key("Escape"),
                        pointer.release())
            game.wait_screen("menu.jpg")
            # The pointer rests there a moment, as a hand would.
            pointer.run(pointer.move(MENU_PLAY_OVER_D2), pointer.press(), pointer.release(),
                        pointer.pause(0.3))
            game.wait_table(table, undo=False, what="the card home, no card played")
            check(janela.difference(game.count_region(), count) < janela.SAME,
                  "the count changed although no card was played")


def expect_asleep(game, where, seconds=3.0):
    """The game's main thread, once it waits, sleeps through the seconds given
    (one wake-up allowed for whatever the desktop may send)."""
    game.settle()
    before = game.wake_ups()
    time.sleep(seconds)  # the span measured: nothing is sent meanwhile
    woke = game.wake_ups() - before
    check(woke <= 1, "waiting on %s, the game woke %d times in %.0f s" % (where, woke, seconds))


def expect_repainted(game, what):
    """Another window covers the game's and goes away, with the pointer away
    from both and nothing sent to the game: within a second the window shows
    again what it showed before."""
    janela.xdotool("mousemove", 0, 0)
    before = game.shot()
    margin = 50
    geometry = "%dx%d+%d+%d" % (janela.WIDTH + 2 * margin, janela.HEIGHT + 2 * margin,
                                game.x - margin, game.y - margin)
    cover = subprocess.Popen(["xmessage", "-geometry", geometry, "-buttons", "", what],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                             preexec_fn=die_with_parent)
    try:
        game.wait_for("a window over " + what, lambda shot: None if janela.difference(
            shot, before) > janela.SAME else "nothing covers it")
    finally:
        cover.terminate()
        cover.wait(10)
    game.wait_for(what + " uncovered", lambda shot: None if janela.difference(
        shot, before) < janela.SAME else "the window does not show it again", timeout=1.0)


@scenario
def telas_em_espera(ctx):
    """While it waits for the player the game sleeps, and under a window manager
    without a compositor every screen and the table paint themselves again when
    a window that covered them goes away."""
    line = regras.find_loss(ctx.deck)
    check(line is not None, "no losing line found for this deal")
    with area_de_trabalho.Openbox():
        with janela.Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
            game.wait_screen("inicial.jpg")
            expect_asleep(game, "the start screen")
            expect_repainted(game, "the start screen")
            game.click(*janela.MENU_PLAY)
            game.wait_screen("menu.jpg")
            expect_asleep(game, "the menu")
            expect_repainted(game, "the menu")
            game.click(*janela.MENU_INSTRUCTIONS)
            game.wait_page(1)
            game.click(*janela.PAGER_NEXT)
            game.wait_page(2)
            expect_repainted(game, "a page of the instructions")
            game.click(*janela.PAGER_PLAY)
            table = cenarios.new_table(ctx)
            game.wait_table(table, undo=False, what="the opening deal")
            expect_asleep(game, "the table")
            expect_repainted(game, "the table")
            cenarios.lose(ctx, game, table, line)
            expect_repainted(game, "the lost screen")


def expect_on_screen(game, area=None):
    """The window, with any frame around it, lies wholly on the screen, or
    within the area given (left, top, right, bottom)."""
    area = area or (0, 0) + area_de_trabalho.screen_size()
    # A window manager may still be moving the window into place.
    deadline = time.monotonic() + 5.0
    previous = None
    while True:
        rectangle = area_de_trabalho.outer_rectangle(game.window)
        if rectangle == previous or time.monotonic() > deadline:
            break
        previous = rectangle
        time.sleep(0.3)
    left, top, right, bottom = rectangle
    check(area[0] <= left and right <= area[2] and area[1] <= top and bottom <= area[3],
          "the window spans (%d, %d)-(%d, %d), outside (%d, %d)-(%d, %d)"
          % (rectangle + area))


@scenario
def janela_na_tela(ctx):
    """The window opens wholly on the screen, whatever the screen's size, with
    the icon that taskbars and window switchers show."""
    with janela.Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
        expect_on_screen(game)
        game.wait_screen("inicial.jpg")
        icon = subprocess.run(["xprop", "-id", str(game.window), "_NET_WM_ICON"], check=True,
                              stdout=subprocess.PIPE, timeout=20).stdout.decode()
        check("Icon (32 x 32)" in icon, "the window's icon: %s" % icon.strip()[:200])


@scenario
def janela_na_tela_com_openbox(ctx):
    """The same under a real window manager, which honours where the game asks
    for its window to go, and frames it with a title bar: the window keeps its
    size, and the frame's close button asks it to close."""
    with area_de_trabalho.Openbox():
        with janela.Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
            expect_on_screen(game)
            left, top, right, bottom = area_de_trabalho.outer_rectangle(game.window)
            title = game.y - top
            check(title > max(game.x - left, bottom - game.y - game.size[1]),
                  "no title bar over the window: its frame spans (%d, %d)-(%d, %d)"
                  % (left, top, right, bottom))
            janela.xdotool("windowsize", game.window, 600, 700)
            # openbox's close button, at the right end of its title bar. On
            # the start screen a close request leads to the menu, which the
            # resize request came before.
            for _ in range(2):
                janela.xdotool("mousemove", right - 12, top + title // 2, "click", 1)
                game.settle()
                if game.running():
                    game.wait_screen("menu.jpg")
                    check(game.size == (janela.WIDTH, janela.HEIGHT),
                          "the window was resized to %dx%d" % game.size)
            game.expect_exit_ok()


def desktop_scale(dpi):
    """The desktop's scale as GNOME and KDE publish it, read by a game started
    after this (the display runs with -noreset, which keeps it)."""
    subprocess.run(["xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set",
                    "RESOURCE_MANAGER", "Xft.dpi: %d" % dpi], check=True, timeout=20)


def scaled_walk(ctx, dpi, size, edges=False, damaged=(), damage="cortado"):
    """A desktop at that scale: a window of that many pixels, and the start
    screen, the menu (its play button's edges at the pixel if asked), the table
    and a card played, all at the same points as at 100%. The twins of the
    pictures `damaged` are spoilt in the game's copy: it shows those pictures
    magnified instead."""
    desktop_scale(dpi)
    twins = ["@2x".join(os.path.splitext(name)) for name in damaged]
    with janela.Game(ctx.jogo, ctx.imagens, shots=ctx.capturas,
                     pictures=arquivos_ruins.damaging(damage, twins)) as game:
        game.pictures.damaged.update(damaged)
        check(game.size == size, "the window is %dx%d, not %dx%d" % (game.size + size))
        if edges:
            game.wait_screen("inicial.jpg")
            # Not the start screen's other form: magnified, or (damaged) its twin.
            drawn = game.pictures.damaged
            game.pictures.damaged = drawn ^ {"inicial.jpg"}
            other = game.screen_complaint(game.last_shot, "inicial.jpg")
            game.pictures.damaged = drawn
            check(other is not None, "the start screen matches inicial.jpg and its twin alike")
            game.click(*janela.MENU_PLAY)
            game.wait_screen("menu.jpg")
            # The last pixel of the play button's left edge is outside it;
            # the last pixel of its last point inside answers.
            game.click(120.5, 230)
            game.expect_running()
            check(game.screen_complaint(game.shot(), "menu.jpg") is None,
                  "a press on the play button's edge left the menu")
            game.click(339.5, 259.5)
        else:
            game.start_playing()
        table = cenarios.new_table(ctx)
        game.wait_table(table, undo=False, what="the opening deal")
        value, pile = first_play(table)
        game.play(table, value, pile)
        game.wait_table(table, undo=True, what="%d on %s" % (value, regras.NAMES[pile]))


@scenario
def escala_2(ctx):
    """200% on a 3840x2160 screen: 900x1200 pixels and the pictures' twins;
    empty twins, or twins of random bytes, give way to the plain pictures.
    (Not a twin cut short: SFML 2.6 reads what there is of it, as it does a
    plain picture cut short, and shows that much.)"""
    scaled_walk(ctx, 192, (900, 1200), edges=True)
    first = janela.hand_card(ctx.deck[0])  # the card the walk plays
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
    with janela.Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
        expect_on_screen(game)
        check(game.scale > 1, "the scale fell to %.2f" % game.scale)
        game.wait_screen("inicial.jpg")


def on_the_pointers_monitor(ctx):
    """Two 1920x1080 monitors side by side: the window opens wholly on the
    one that holds the pointer, on either side."""
    for name, left in (("Left", 0), ("Right", 1920)):
        subprocess.run(["xrandr", "--setmonitor", name, "1920/508x1080/286+%d+0" % left,
                        "none"], check=True, timeout=20)
    for left in (0, 1920):
        janela.xdotool("mousemove", left + 960, 540)
        with janela.Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
            expect_on_screen(game, (left, 0, left + 1920, 1080))


@scenario
def dois_monitores(ctx):
    on_the_pointers_monitor(ctx)


@scenario
def dois_monitores_com_openbox(ctx):
    with area_de_trabalho.Openbox():
        on_the_pointers_monitor(ctx)


@scenario
def tela_larga(ctx):
    """A 3840x1080 screen with no monitors and no window manager, where the
    library's own first place for a window lies below the screen: the game
    shows."""
    with janela.Game(ctx.jogo, ctx.imagens, shots=ctx.capturas) as game:
        expect_on_screen(game)
        game.wait_screen("inicial.jpg")



def run_on(ctx, display, during=None):
    """Runs the game with DISPLAY set to `display` (None: unset); `during`, if
    given, is called with the game's window once it shows. Returns the game's
    status and what it printed. Only helper programs talk to that display: a
    display that goes away takes the connections of this driver with it."""
    folder = tempfile.mkdtemp(prefix="trevalia-sem-tela-", dir=vestigios.temporary_folder())
    env = arranque.frozen_environment(folder)
    env.pop("DISPLAY", None)
    if display is not None:
        env["DISPLAY"] = display
    # Its output goes to a file: a pipe nobody reads until the end could fill
    # and hold the game up.
    log = open(os.path.join(folder, "saida.txt"), "w+b")
    process = subprocess.Popen(arranque.command(ctx.jogo), env=env, cwd=folder,
                               stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                               preexec_fn=die_with_parent)
    vestigios.started(process, ctx.jogo)
    try:
        if during is not None:
            # Asked with the display alone: the game's frozen clock is its own.
            try:
                found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                        "^Trevalia$"], env=dict(os.environ, DISPLAY=display),
                                       stdout=subprocess.PIPE, timeout=30).stdout
            except subprocess.TimeoutExpired:
                found = b""
            if not found.split():
                raise Failure("no window on %s; the game printed:\n%s" % (display, read(log)))
            during(int(found.split()[0]))
        process.wait(20)
        return process.returncode, read(log)
    finally:
        process.kill()
        process.wait()
        vestigios.ended(process)
        log.close()
        shutil.rmtree(folder, ignore_errors=True)


def read(log):
    log.seek(0)
    return log.read().decode(errors="replace")


def own_server():
    """An Xvfb of the scenario's own and its display's name. Two servers
    starting at once may reach for the same number, and the loser ends without
    naming one: it is started again."""
    for _ in range(5):
        read, write = os.pipe()
        server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0",
                                   "1280x1024x24", "-nolisten", "tcp"], pass_fds=(write,),
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                  preexec_fn=die_with_parent)
        os.close(write)
        with os.fdopen(read) as told:
            number = told.readline().strip()
        if number:
            return server, ":" + number
        server.wait()
    raise Failure("no Xvfb of the scenario's own would start")


def display_lost(ctx, stop):
    """The game on an X server of the scenario's own, which `stop(server,
    name, window)` takes away under it."""
    server, name = own_server()
    try:
        return run_on(ctx, name, lambda window: stop(server, name, window))
    finally:
        # Ended as a server should be, it leaves no lock behind for the next.
        server.terminate()
        server.wait()


def kill_client(display, window):
    saved = os.environ["DISPLAY"]
    os.environ["DISPLAY"] = display
    try:
        area_de_trabalho.kill_client(window)
    finally:
        os.environ["DISPLAY"] = saved


# How the game starts and stops without a desktop to show it: (case, how it
# is run, its status, what its one line must name).
START_AND_STOP = [
    ("DISPLAY unset", lambda ctx: run_on(ctx, None), 1, "DISPLAY is not set"),
    ("DISPLAY naming no server", lambda ctx: run_on(ctx, ":4093"), 1, '":4093"'),
    ("the X server stopped", lambda ctx: display_lost(
        ctx, lambda server, name, window: server.terminate()), 1, None),
    ("the client killed", lambda ctx: display_lost(
        ctx, lambda server, name, window: kill_client(name, window)), 1, None),
]


@scenario
def sem_tela(ctx):
    """Without a display the game says so in one line and ends with status 1, at
    start-up as when the display goes away in play: never an abort."""
    for case, run, status, named in START_AND_STOP:
        got, out = run(ctx)
        check(got == status, "%s: status %s, not %d:\n%s" % (case, got, status, out))
        if named is not None:
            lines = out.strip().split("\n")
            check(len(lines) == 1 and named in lines[0] and "graphical desktop" in lines[0],
                  "%s: the game printed %r" % (case, out))


if __name__ == "__main__":
    sys.exit(cenarios.main())
