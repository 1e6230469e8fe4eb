/* A 60 Hz display for a virtual X server, preloaded into a program that draws
 * with OpenGL.
 *
 * Xvfb shows a frame the moment it is swapped, so a program that is slow to
 * catch up with its input looks fine there and lags on a real screen, where
 * the driver holds every swap until the next refresh. This wraps
 * glXSwapBuffers so that it returns only at the next tick of a 60 Hz clock
 * (ticks are multiples of 1/60 s of CLOCK_MONOTONIC, the same for every
 * process, so other programs can line their own times up with them). A
 * program that looks the swap up by name rather than importing it, through
 * dlsym or glXGetProcAddress (SFML 2.6 loads GLX so), is handed the wrapper
 * too.
 *
 * With TREVALIA_QUADROS set to a file name, each swap appends a line to it:
 * the time the swap was called and the tick it returned at, in nanoseconds of
 * CLOCK_MONOTONIC. With TREVALIA_QUADROS_LINHA set to a row of the window
 * (counted from the top), the line ends with that row of the frame as
 * hexadecimal RGB, read back just before the swap: enough to tell where a card
 * being dragged along that row was drawn.
 *
 * The clock is read and slept on through raw system calls, so a preloaded
 * libfaketime cannot shift it.
 */

#define _GNU_SOURCE
#include <GL/gl.h>
#include <GL/glx.h>
#include <dlfcn.h>
#include <errno.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

static const int64_t periodo_ns = 1000000000LL / 60;

static int64_t agora_ns(void) {
    struct timespec t;
    syscall(SYS_clock_gettime, CLOCK_MONOTONIC, &t);
    return (int64_t)t.tv_sec * 1000000000LL + t.tv_nsec;
}

static void dormir_ate(int64_t instante_ns) {
    struct timespec t = {(time_t)(instante_ns / 1000000000LL), (long)(instante_ns % 1000000000LL)};
    /* Interrupted by a signal, the sleep goes on to the same instant. */
    while (syscall(SYS_clock_nanosleep, CLOCK_MONOTONIC, TIMER_ABSTIME, &t, NULL) != 0 &&
           errno == EINTR) {
    }
}

typedef void (*funcao_t)(void);
typedef void (*troca_t)(Display*, GLXDrawable);
typedef void* (*busca_t)(void*, const char*);
typedef funcao_t (*endereco_t)(const GLubyte*);

/* POSIX's way between dlsym's pointers and function pointers. */
static void* objeto(funcao_t funcao) {
    void* ponteiro;
    memcpy(&ponteiro, &funcao, sizeof ponteiro);
    return ponteiro;
}

static funcao_t funcao(void* ponteiro) {
    funcao_t resultado;
    memcpy(&resultado, &ponteiro, sizeof resultado);
    return resultado;
}

void glXSwapBuffers(Display* tela, GLXDrawable desenhavel);
funcao_t glXGetProcAddressARB(const GLubyte* nome);

/* The C library's own dlsym: glibc 2.34 moved it into libc under a new version;
 * before, it was libdl's under the first one. */
__attribute__((visibility("hidden"), used)) busca_t busca_real = NULL;

static busca_t dlsym_real(void) {
    if (busca_real == NULL) {
        void* simbolo = dlvsym(RTLD_NEXT, "dlsym", "GLIBC_2.34");
        if (simbolo == NULL) {
            simbolo = dlvsym(RTLD_NEXT, "dlsym", "GLIBC_2.2.5");
        }
        busca_real = (busca_t)funcao(simbolo);
        if (busca_real == NULL) {
            fprintf(stderr, "tela_60hz: no dlsym to wrap\n");
            abort();
        }
    }
    return busca_real;
}

/* The swap and GLX's lookup as the program found them by name: a library that
 * loads GLX itself, as SFML 2.6 does, imports neither, and a lookup through
 * RTLD_NEXT would not see a library it opened on its own. */
static troca_t troca_achada = NULL;
static endereco_t endereco_achado = NULL;

static troca_t troca_real(void) {
    if (troca_achada == NULL) {
        troca_achada = (troca_t)funcao(dlsym_real()(RTLD_NEXT, "glXSwapBuffers"));
        if (troca_achada == NULL) {
            fprintf(stderr, "tela_60hz: no glXSwapBuffers to wrap\n");
            abort();
        }
    }
    return troca_achada;
}

/* What a lookup of `nome` that found `achado` hands out instead: our swap, and
 * our GLX lookup, which hands out our swap in turn; NULL for any other name. */
static funcao_t nosso(const char* nome, funcao_t achado) {
    if (achado == NULL) {
        return NULL;
    }
    if (strcmp(nome, "glXSwapBuffers") == 0) {
        if (troca_achada == NULL && achado != (funcao_t)glXSwapBuffers) {
            troca_achada = (troca_t)achado;
        }
        return (funcao_t)glXSwapBuffers;
    }
    /* The ARB name and the plain one are the same function in every GLX. */
    if (strcmp(nome, "glXGetProcAddressARB") == 0 || strcmp(nome, "glXGetProcAddress") == 0) {
        if (endereco_achado == NULL && achado != (funcao_t)glXGetProcAddressARB) {
            endereco_achado = (endereco_t)achado;
        }
        return (funcao_t)glXGetProcAddressARB;
    }
    return NULL;
}

funcao_t glXGetProcAddressARB(const GLubyte* nome) {
    if (endereco_achado == NULL) {
        endereco_achado = (endereco_t)funcao(dlsym_real()(RTLD_NEXT, "glXGetProcAddressARB"));
    }
    const funcao_t achado = endereco_achado != NULL ? endereco_achado(nome) : NULL;
    const funcao_t proprio = nosso((const char*)nome, achado);
    return proprio != NULL ? proprio : achado;
}

funcao_t glXGetProcAddress(const GLubyte* nome) {
    return glXGetProcAddressARB(nome);
}

/* dlsym itself: what it hands out for one of the names above is ours; for any
 * other name it is the C library's answer. That answer must be given as if the
 * caller had asked the C library itself, since dlsym(RTLD_NEXT, ...) searches
 * from whoever called it (libfaketime, preloaded after us, finds the clock it
 * wraps that way): so dlsym is entered by a jump that leaves the caller's
 * return address in place, which C cannot write. */
__attribute__((visibility("hidden"), used)) void* tela_dlsym_nosso(void* alca, const char* nome) {
    const busca_t real = dlsym_real();
    if (alca == RTLD_NEXT || nome == NULL || strncmp(nome, "glX", 3) != 0) {
        return NULL;
    }
    return objeto(nosso(nome, funcao(real(alca, nome))));
}

#if defined(__x86_64__)
__asm__(".text\n"
        ".globl dlsym\n"
        ".type dlsym, @function\n"
        "dlsym:\n"
        "    push %rdi\n"
        "    push %rsi\n"
        "    sub $8, %rsp\n" /* the stack aligned to 16 bytes for the call */
        "    call tela_dlsym_nosso\n"
        "    add $8, %rsp\n"
        "    pop %rsi\n"
        "    pop %rdi\n"
        "    test %rax, %rax\n"
        "    jz 1f\n"
        "    ret\n"
        "1:  jmp *busca_real(%rip)\n"
        ".size dlsym, .-dlsym\n");
#endif

static FILE* registro(void) {
    static int aberto = 0;
    static FILE* arquivo = NULL;
    if (!aberto) {
        aberto = 1;
        const char* caminho = getenv("TREVALIA_QUADROS");
        if (caminho != NULL && *caminho != '\0') {
            arquivo = fopen(caminho, "a");
            if (arquivo == NULL) {
                perror("tela_60hz: TREVALIA_QUADROS");
            }
        }
    }
    return arquivo;
}

enum { largura_maxima = 8192 };

/* Reads the chosen row of the back buffer as RGB into `pixels`; gives its
 * width, or 0 when no row is asked for or it lies outside the frame. */
static int ler_linha(unsigned char* pixels) {
    const char* texto = getenv("TREVALIA_QUADROS_LINHA");
    if (texto == NULL || *texto == '\0') {
        return 0;
    }
    GLint vista[4];
    glGetIntegerv(GL_VIEWPORT, vista);
    const int largura = vista[2];
    const int linha = vista[3] - 1 - atoi(texto); /* OpenGL counts rows from the bottom */
    if (largura <= 0 || largura > largura_maxima || linha < 0 || linha >= vista[3]) {
        return 0;
    }
    GLint alinhamento = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alinhamento);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, linha, largura, 1, GL_RGB, GL_UNSIGNED_BYTE, pixels);
    glPixelStorei(GL_PACK_ALIGNMENT, alinhamento);
    return largura;
}

/* The row in hexadecimal, written at once: the log costs the program little. */
static void escrever_linha(FILE* arquivo, const unsigned char* pixels, int largura) {
    static const char digitos[] = "0123456789abcdef";
    static char texto[largura_maxima * 6];
    for (int i = 0; i < largura * 3; ++i) {
        texto[2 * i] = digitos[pixels[i] >> 4];
        texto[2 * i + 1] = digitos[pixels[i] & 15];
    }
    fwrite(texto, 1, (size_t)largura * 6, arquivo);
}

void glXSwapBuffers(Display* tela, GLXDrawable desenhavel) {
    static unsigned char pixels[largura_maxima * 3];
    const int64_t chamada = agora_ns();
    FILE* arquivo = registro();
    const int largura = arquivo != NULL ? ler_linha(pixels) : 0;
    troca_real()(tela, desenhavel);
    const int64_t tique = (agora_ns() / periodo_ns + 1) * periodo_ns;
    dormir_ate(tique);
    if (arquivo != NULL) {
        fprintf(arquivo, "%lld %lld ", (long long)chamada, (long long)tique);
        escrever_linha(arquivo, pixels, largura);
        fputc('\n', arquivo);
        fflush(arquivo);
    }
}
