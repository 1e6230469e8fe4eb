"""Runs one end-to-end scenario, the CTest test e2e.SCENARIO:

    PYTHONPATH=tests/e2e:tools /usr/bin/python3 -m jogador.rodar --jogo build/trevalia \
        --imagens build/imagens --monte build/tests/e2e/e2e_imprime_monte SCENARIO
"""

import argparse
import os
import sys
import time
import traceback

from jogador import arranque
from jogador.arranque import Failure
from jogador.cenarios import every


def main():
    scenarios = every()
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--jogo", required=True, help="the game program")
    parser.add_argument("--imagens", required=True, help="the generated pictures folder")
    parser.add_argument("--monte", required=True, help="the program that prints the deal")
    parser.add_argument("--capturas", help="where to leave the last screenshot of a failure")
    parser.add_argument("--tela", help="the 60 Hz display library, for the scenarios that need it")
    parser.add_argument("--ponteiro", help="the XTest pointer helper, for those that need it")
    parser.add_argument("scenario", choices=sorted(scenarios))
    # The scenarios' context: the programs and pictures named, and the deal.
    ctx = args = parser.parse_args()
    arranque.end_on_sigterm()
    ctx.capturas = args.capturas and os.path.join(args.capturas, args.scenario)
    ctx.deck = arranque.deal(args.monte)
    started = time.monotonic()
    try:
        scenarios[args.scenario](ctx)
    except Failure as failure:
        print("FAILED %s: %s" % (args.scenario, failure), file=sys.stderr)
        if ctx.capturas:
            print("last screenshot: %s" % os.path.join(ctx.capturas, "ultima_tela.png"),
                  file=sys.stderr)
        return 1
    except Exception:
        traceback.print_exc()
        return 1
    print("%s passed in %.1f s" % (args.scenario, time.monotonic() - started))
    return 0


if __name__ == "__main__":
    sys.exit(main())
