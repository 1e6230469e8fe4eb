#include "plataforma/espera_janela.hpp"

#include "plataforma/abrir_janela.hpp"
#include "plataforma/erros_x11.hpp"
#include "plataforma/face_sfml.hpp"
#include "plataforma/ponto_jogo.hpp"
#include "plataforma/tamanho_janela.hpp"
#include "plataforma/vigia_x11.hpp"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <cerrno>

namespace {

vigia_x11 vigia;

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
        if (com_vigia) {
            const vigia_x11::novidades novas = vigia.ler();
            // Destroyed by another program: nothing more will come from it,
            // and nothing may be drawn to it (Mesa's software renderer
            // crashes drawing to a window that is gone). Closed, the window
            // draws nothing, and every wait after this one ends at once.
            if (erros_x11::janela_sumiu()) {
                janela.close();
                return Sinal::Fechada;
            }
            const bool outro_tamanho = novas.escala && seguir_escala(*novas.escala);
            if (novas.repintar) {
                return Sinal::Repintar;
            }
            if (outro_tamanho) {
                // Its new size comes as an event of the window's: looked for
                // before the sleep.
                continue;
            }
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
