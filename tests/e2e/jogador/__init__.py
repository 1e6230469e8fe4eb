"""The end-to-end harness: plays the real game in a real window as a person
would, and reads what it shows. Imported as a package, from tests/e2e, with
tools/ beside it for the game's list of files (the build puts both on
PYTHONPATH).

The driver, one job a module:
    pontos            places on the table in points, and points in a scaled window's pixels
    figuras           the generated pictures as the window should show them, and differences
    x11               the one Xlib binding: geometry, window manager, close, kill, XSETTINGS
    arranque          starting programs under the frozen clock, through Wine when asked
    jogo              the game's process, its window and the input sent to it
    espera            waiting until the game is idle and its window shows what is expected
    area_de_trabalho  the desktop's scale and helper programs (Xvfb, window managers, xmessage)
    vestigios         the leftovers check: programs still running, temporary folders
    regras            a model of the rules that plans whole games
    danos             ways to damage a file the game reads
    quadros, ponteiro the 60 Hz display and its frame log, and the steady XTest pointer
The fixtures (preparos), the scenarios by subject (cenarios/), one runner
(rodar), and two tools: sob_carga (a command beside busy loops) and
readme_screenshot.
"""
