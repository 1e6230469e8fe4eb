"""Runs a command beside two CPU-bound busy loops of our own, as on a busy
machine, and returns its status (a scenario that fails only here waits for a
time rather than for what it can see). The loops end with the command:

    PYTHONPATH=tests/e2e:tools /usr/bin/python3 -m jogador.sob_carga COMMAND [ARGUMENT...]
"""

import subprocess
import sys

from jogador.arranque import die_with_parent, end_on_sigterm

LOOPS = 2


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    end_on_sigterm()
    loops = []
    try:
        for _ in range(LOOPS):
            loops.append(subprocess.Popen(["sh", "-c", "while :; do :; done"],
                                          preexec_fn=die_with_parent))
        return subprocess.call(sys.argv[1:])
    except KeyboardInterrupt:
        return 130
    finally:
        for loop in loops:
            loop.kill()
            loop.wait()


if __name__ == "__main__":
    sys.exit(main())
