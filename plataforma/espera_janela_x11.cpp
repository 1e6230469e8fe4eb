#include "plataforma/espera_janela.hpp"

#include "plataforma/erros_x11.hpp"
#include "plataforma/face_sfml.hpp"
#include "plataforma/ponto_jogo.hpp"
#include "plataforma/tamanho_janela.hpp"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <cerrno>

namespace {

// SFML 2.5 never selects Expose events on its window, so a window that covered
// ours and went away would leave its picture there on a desktop without a
// compositor. A connection of our own asks for them: X lets any client select
// exposures on any window. It also hears of the window's destruction by
// another program, which SFML never reports as a close.
class vigia_exposicao {
public:
    ~vigia_exposicao() {
        if (conexao != nullptr) {
            XCloseDisplay(conexao);
        }
    }

    // Watches that window from now on; false when there is no display to ask.
    bool vigiar(Window janela) {
        if (conexao == nullptr) {
            conexao = XOpenDisplay(nullptr);
            if (conexao == nullptr) {
                return false;
            }
        }
        if (janela != vigiada) {
            vigiada = janela;
            XSelectInput(conexao, janela, ExposureMask | StructureNotifyMask);
            XFlush(conexao);
        }
        return true;
    }

    // Takes every event that has come; true when a burst of exposures has
    // ended (its last event counts 0 more to come).
    bool exposta() {
        bool repintar = false;
        while (XPending(conexao) > 0) {
            XEvent evento;
            XNextEvent(conexao, &evento);
            if (evento.type == Expose && evento.xexpose.window == vigiada &&
                evento.xexpose.count == 0) {
                repintar = true;
            } else if (evento.type == DestroyNotify && evento.xdestroywindow.window == vigiada) {
                erros_x11::marcar_sumida();
            }
        }
        return repintar;
    }

    int descritor() const { return ConnectionNumber(conexao); }

private:
    Display* conexao = nullptr;
    Window vigiada = 0;
};

vigia_exposicao vigia;

// SFML shares one display connection between its windows and their OpenGL
// contexts, and with the window's context current GLX hands it out. Another
// context left current would name its own connection: none then.
Display* conexao_da_janela(sf::Window& janela) {
    if (!janela.setActive(true)) {
        return nullptr;
    }
    return glXGetCurrentDisplay();
}

void dormir_ate_chegar(Display* conexao, bool com_vigia) {
    pollfd fontes[2] = {{ConnectionNumber(conexao), POLLIN, 0}, {-1, POLLIN, 0}};
    if (com_vigia) {
        fontes[1].fd = vigia.descritor();
    }
    // ppoll rather than poll: Xlib's waits for a reply use poll, so the end-to-end
    // tests can tell from the system call alone that the game is waiting here,
    // with everything sent to it handled.
    while (ppoll(fontes, 2, nullptr, nullptr) < 0 && errno == EINTR) {
    }
}

// A test that takes no event, so that XCheckIfEvent only looks through the
// queue: whether a button's release waits there, in the order it came.
Bool ve_soltura(Display*, XEvent* evento, XPointer achou) {
    if (evento->type == ButtonRelease) {
        *reinterpret_cast<bool*>(achou) = true;
    }
    return False;
}

} // namespace

espera_janela::Sinal espera_janela::esperar(sf::RenderWindow& janela, evento_jogo& evento) {
    while (janela.isOpen()) {
        // Asked first: making the context current could itself read events
        // into Xlib's queue.
        Display* conexao = conexao_da_janela(janela);
        if (proximo(janela, evento)) {
            return Sinal::Evento;
        }
        if (tomar_mudanca_de_tamanho()) {
            return Sinal::Repintar;
        }
        const bool com_vigia = vigia.vigiar(face_sfml::janela_do_sistema(janela));
        const bool repintar = com_vigia && vigia.exposta();
        // Destroyed by another program: nothing more will come from it.
        if (erros_x11::janela_sumiu()) {
            return Sinal::Fechada;
        }
        if (repintar) {
            return Sinal::Repintar;
        }
        if (conexao == nullptr) {
            // No context to ask: SFML's own wait still ends, if less thriftily.
            if (!face_sfml::esperar_evento(janela, evento)) {
                return Sinal::Fechada;
            }
            if (evento.tipo == evento_jogo::Redimensionada) {
                tamanho_janela::aplicar(janela, evento.tamanho);
                return Sinal::Repintar;
            }
            evento_em_pontos(janela, evento);
            return Sinal::Evento;
        }
        // Nothing may read the window's connection between the empty pollEvent
        // and this sleep: an event read into Xlib's queue meanwhile would wait
        // there unseen until something else came.
        dormir_ate_chegar(conexao, com_vigia);
    }
    return Sinal::Fechada;
}

bool espera_janela::soltura_perdida(sf::RenderWindow& janela) {
    Display* conexao = conexao_da_janela(janela);
    if (conexao == nullptr) {
        return false;
    }
    // The server answers after the events it sent before, which Xlib reads
    // into its queue on the way: a release already made is queued by now.
    Window raiz = 0, filha = 0;
    int x = 0, y = 0, na_janela_x = 0, na_janela_y = 0;
    unsigned int estado = 0;
    XQueryPointer(conexao, face_sfml::janela_do_sistema(janela), &raiz, &filha, &x, &y,
                  &na_janela_x, &na_janela_y, &estado);
    if ((estado & Button1Mask) != 0) {
        return false;
    }
    bool soltura_na_fila = false;
    XEvent nenhum;
    XCheckIfEvent(conexao, &nenhum, ve_soltura, reinterpret_cast<XPointer>(&soltura_na_fila));
    return !soltura_na_fila;
}
