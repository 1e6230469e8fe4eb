#include "plataforma/erros_x11.hpp"

#include <GL/glx.h>
#include <X11/Xlib.h>

namespace {

XErrorHandler anterior = nullptr;
Window vigiada = 0;
// GLX reports a drawable that is gone with errors of its own, numbered from
// the extension's first error (-1 while unknown), as its protocol header
// numbers them; that header is not among the development packages we need.
int primeiro_erro_glx = -1;
constexpr int glx_bad_drawable = 2;
constexpr int glx_bad_window = 12;
bool sumiu = false;

// BadWindow and BadDrawable say that an id names no window: for the game's
// own, that it has been destroyed, which nothing the game does can cause
// while it holds the window.
bool diz_que_sumiu(const XErrorEvent& erro) {
    if (vigiada == 0 || erro.resourceid != vigiada) {
        return false;
    }
    if (erro.error_code == BadWindow || erro.error_code == BadDrawable) {
        return true;
    }
    return primeiro_erro_glx >= 0 && (erro.error_code == primeiro_erro_glx + glx_bad_drawable ||
                                      erro.error_code == primeiro_erro_glx + glx_bad_window);
}

int ao_erro(Display* conexao, XErrorEvent* erro) {
    if (diz_que_sumiu(*erro)) {
        sumiu = true;
        return 0;
    }
    return anterior != nullptr ? anterior(conexao, erro) : 0;
}

} // namespace

void erros_x11::vigiar_janela(void* conexao, sf::WindowHandle janela) {
    Display* display = static_cast<Display*>(conexao);
    int evento_glx = 0;
    if (!glXQueryExtension(display, &primeiro_erro_glx, &evento_glx)) {
        primeiro_erro_glx = -1;
    }
    vigiada = static_cast<Window>(janela);
    sumiu = false;
    const XErrorHandler antes = XSetErrorHandler(ao_erro);
    // SFML may have set ours aside and put it back: never chain to itself.
    if (antes != ao_erro) {
        anterior = antes;
    }
}

void erros_x11::esquecer_janela() {
    vigiada = 0;
}

bool erros_x11::janela_sumiu() {
    return sumiu;
}

void erros_x11::marcar_sumida() {
    sumiu = true;
}
