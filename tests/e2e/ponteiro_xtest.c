/* Drives the X pointer and keyboard through the XTest extension with steady
 * timing, as a real mouse would: a program of its own so that a stream of
 * hundreds of moves costs one start-up, not one per move.
 *
 *   e2e_ponteiro [--registro FILE] COMMAND...
 *
 * Commands, run in order, in screen pixels:
 *   mover X Y                      one move, now
 *   linha X0 Y0 X1 Y1 N HZ         N moves along the straight line from
 *                                  (X0, Y0), not included, to (X1, Y1), one
 *                                  every 1/HZ s
 *   pressionar B / soltar B        press / release mouse button B, now
 *   tecla NOME                     press and release a key (an X keysym name)
 *   pausa MS                       wait
 *
 * Moves keep one schedule: a line right after another goes on at the same
 * pace, so chained lines make one stream. With --registro, every move appends
 * "time x y" to FILE, the time in nanoseconds of CLOCK_MONOTONIC just after the
 * move left for the server.
 */

#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <errno.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static int64_t agora_ns(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (int64_t)t.tv_sec * 1000000000LL + t.tv_nsec;
}

static void dormir_ate(int64_t instante_ns) {
    struct timespec t = {(time_t)(instante_ns / 1000000000LL), (long)(instante_ns % 1000000000LL)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &t, NULL) == EINTR) {
    }
}

static void falhar(const char* mensagem, const char* detalhe) {
    fprintf(stderr, "e2e_ponteiro: %s%s%s\n", mensagem, detalhe ? ": " : "",
            detalhe ? detalhe : "");
    exit(2);
}

static long numero(const char* texto) {
    char* fim = NULL;
    errno = 0;
    const long valor = strtol(texto, &fim, 10);
    if (errno != 0 || fim == texto || *fim != '\0') {
        falhar("not a whole number", texto);
    }
    return valor;
}

typedef struct {
    Display* tela;
    FILE* registro;
    int64_t proximo_ns; /* when the next move of the stream is due */
} ponteiro;

static void mover(ponteiro* p, int x, int y) {
    XTestFakeMotionEvent(p->tela, -1, x, y, CurrentTime);
    XFlush(p->tela);
    if (p->registro != NULL) {
        fprintf(p->registro, "%lld %d %d\n", (long long)agora_ns(), x, y);
    }
}

static void linha(ponteiro* p, int x0, int y0, int x1, int y1, long n, long hz) {
    if (n < 1 || hz < 1 || hz > 100000) {
        falhar("a line needs at least one move and a rate of 1 to 100000 Hz", NULL);
    }
    const int64_t intervalo = 1000000000LL / hz;
    const int64_t agora = agora_ns();
    if (p->proximo_ns < agora) {
        p->proximo_ns = agora;
    }
    for (long k = 1; k <= n; ++k) {
        dormir_ate(p->proximo_ns);
        /* Rounded to the nearest pixel, so n = |x1 - x0| steps one pixel a move. */
        const double f = (double)k / (double)n;
        const int x = x0 + (int)((x1 - x0) * f + (x1 >= x0 ? 0.5 : -0.5));
        const int y = y0 + (int)((y1 - y0) * f + (y1 >= y0 ? 0.5 : -0.5));
        mover(p, x, y);
        p->proximo_ns += intervalo;
    }
}

static void botao(ponteiro* p, long qual, int premido) {
    XTestFakeButtonEvent(p->tela, (unsigned)qual, premido, CurrentTime);
    XFlush(p->tela);
}

static void tecla(ponteiro* p, const char* nome) {
    const KeySym simbolo = XStringToKeysym(nome);
    const KeyCode codigo = simbolo == NoSymbol ? 0 : XKeysymToKeycode(p->tela, simbolo);
    if (codigo == 0) {
        falhar("no such key", nome);
    }
    XTestFakeKeyEvent(p->tela, codigo, True, CurrentTime);
    XTestFakeKeyEvent(p->tela, codigo, False, CurrentTime);
    XFlush(p->tela);
}

/* How many arguments each command takes. */
static int aridade(const char* comando) {
    static const struct {
        const char* nome;
        int argumentos;
    } comandos[] = {{"mover", 2},  {"linha", 6}, {"pressionar", 1},
                    {"soltar", 1}, {"tecla", 1}, {"pausa", 1}};
    for (size_t i = 0; i < sizeof comandos / sizeof comandos[0]; ++i) {
        if (strcmp(comando, comandos[i].nome) == 0) {
            return comandos[i].argumentos;
        }
    }
    falhar("unknown command", comando);
    return 0;
}

static void executar(ponteiro* p, const char* comando, char** a) {
    if (strcmp(comando, "mover") == 0) {
        mover(p, (int)numero(a[0]), (int)numero(a[1]));
    } else if (strcmp(comando, "linha") == 0) {
        linha(p, (int)numero(a[0]), (int)numero(a[1]), (int)numero(a[2]), (int)numero(a[3]),
              numero(a[4]), numero(a[5]));
    } else if (strcmp(comando, "pressionar") == 0) {
        botao(p, numero(a[0]), True);
    } else if (strcmp(comando, "soltar") == 0) {
        botao(p, numero(a[0]), False);
    } else if (strcmp(comando, "tecla") == 0) {
        tecla(p, a[0]);
    } else {
        dormir_ate(agora_ns() + numero(a[0]) * 1000000LL);
    }
}

int main(int argc, char** argv) {
    ponteiro p = {NULL, NULL, 0};
    int i = 1;
    if (i + 1 < argc && strcmp(argv[i], "--registro") == 0) {
        p.registro = fopen(argv[i + 1], "a");
        if (p.registro == NULL) {
            falhar("cannot open the log", argv[i + 1]);
        }
        i += 2;
    }
    /* Every command is checked before the first one runs. */
    for (int j = i; j < argc; j += 1 + aridade(argv[j])) {
        if (j + aridade(argv[j]) >= argc) {
            falhar("too few arguments for", argv[j]);
        }
    }
    p.tela = XOpenDisplay(NULL);
    if (p.tela == NULL) {
        falhar("cannot open the X display", getenv("DISPLAY"));
    }
    int evento, erro, maior, menor;
    if (!XTestQueryExtension(p.tela, &evento, &erro, &maior, &menor)) {
        falhar("the X server has no XTest extension", NULL);
    }
    while (i < argc) {
        executar(&p, argv[i], argv + i + 1);
        i += 1 + aridade(argv[i]);
    }
    XSync(p.tela, False);
    XCloseDisplay(p.tela);
    if (p.registro != NULL && fclose(p.registro) != 0) {
        falhar("cannot write the log", NULL);
    }
    return 0;
}
