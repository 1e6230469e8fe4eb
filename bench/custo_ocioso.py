"""What the game costs while the player thinks, beside a bare SFML loop.

    make bench-idle

or by hand, under an X display (Xvfb will do), from the source folder:

    PYTHONPATH=tests/e2e:tools /usr/bin/python3 -B bench/custo_ocioso.py --jogo build/trevalia \
        --laco build/bench/bench_laco_simples --imagens build/imagens \
        --tela build/tests/e2e/libe2e_tela_60hz.so --ponteiro build/tests/e2e/e2e_ponteiro

Waiting: the main thread's wake-ups a second and the program's CPU (a share of
one core) over a few seconds with nothing sent, on the start screen, the menu
and the table; the bare loop waits in SFML's own waitEvent. Hovering: frames
drawn and CPU while the pointer wanders over the table for 2 s with no button
held, at 125 and 1000 moves a second, on the simulated 60 Hz display. Dragging:
frames, CPU and lag of the 2 s drags that make bench-lag measures.
"""

import sys
import time

import atraso_entrada
from atraso_entrada import LacoSimples, cpu_seconds, resident_kib
from jogador import arranque, pontos, quadros
from jogador.jogo import Game
from jogador.ponteiro import Pointer

WAIT_SECONDS = 5.0
HOVER_FROM, HOVER_TO = (20, 300), (430, 330)


def waiting(game):
    """Wake-ups a second, CPU share over WAIT_SECONDS with nothing sent, and
    resident memory at the end."""
    game.settle()
    woke, cpu, wall = game.wake_ups(), cpu_seconds(game.game_pid), time.monotonic()
    time.sleep(WAIT_SECONDS)
    wall = time.monotonic() - wall
    return ((game.wake_ups() - woke) / wall,
            (cpu_seconds(game.game_pid) - cpu) / wall, resident_kib(game.game_pid))


def waiting_states(args):
    """The game's three waits, then the bare loop's one."""
    figures = {}
    with Game(args.jogo, args.imagens) as game:
        game.wait_screen("inicial.jpg")
        figures["start screen"] = waiting(game)
        game.click(*pontos.MENU_PLAY)
        game.wait_screen("menu.jpg")
        figures["menu"] = waiting(game)
        game.click(*pontos.MENU_PLAY)
        game.wait_deal(args.deck)
        figures["table"] = waiting(game)
    with LacoSimples(args.laco, args.imagens) as bare:
        figures["bare loop"] = waiting(bare)
    return figures


def hovering(args, program, kind, hz):
    """Frames and CPU share while the pointer wanders for 2 s, no button held."""
    with quadros.display_60hz(args.tela) as frames_log, kind(program, args.imagens) as game:
        if kind is Game:
            game.start_playing()
        pointer = Pointer(args.ponteiro, (game.x, game.y), game.scale)
        pointer.run(pointer.move(HOVER_FROM))
        before = len(quadros.wait_quiet(frames_log))
        cpu, wall = cpu_seconds(game.game_pid), time.monotonic()
        pointer.run(pointer.line(HOVER_FROM, HOVER_TO, 2 * hz, hz))
        cpu = (cpu_seconds(game.game_pid) - cpu) / (time.monotonic() - wall)
        return len(quadros.wait_quiet(frames_log)) - before, cpu


def main():
    args = atraso_entrada.arguments(__doc__, ("monte", "the program that prints the deal"))
    args.deck = arranque.deal(args.monte)

    print(__doc__.split("\n")[0])
    for dpi in atraso_entrada.DPIS:
        print("\n== Desktop scale %.0f%% (Xft.dpi %d)"
              % (100 * atraso_entrada.desktop_scale(dpi), dpi))
        print("\nWaiting, %.0f s with nothing sent" % WAIT_SECONDS)
        print("%-14s %12s %6s %8s" % ("state", "wake-ups/s", "CPU", "RSS MiB"))
        for state, (woke, cpu, rss) in waiting_states(args).items():
            print("%-14s %12.1f %5.1f%% %8.1f" % (state, woke, 100 * cpu, rss / 1024))

        print("\nHovering over the table, 2 s, no button held")
        print("%-8s %-8s %7s %6s" % ("rate", "program", "frames", "CPU"))
        for hz in atraso_entrada.RATES:
            for name, program, kind in (("game", args.jogo, Game),
                                        ("bare", args.laco, LacoSimples)):
                frames, cpu = hovering(args, program, kind, hz)
                print("%-8s %-8s %7d %5.0f%%" % ("%d Hz" % hz, name, frames, 100 * cpu))

        print("\nDragging a card, 2 s")
        atraso_entrada.report(args)
    return 0


if __name__ == "__main__":
    sys.exit(main())
