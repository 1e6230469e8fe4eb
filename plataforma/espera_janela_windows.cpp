#include "plataforma/espera_janela.hpp"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// Windows composites every window since Windows 8 and repaints an uncovered
// one on its own, so only events end this wait.
espera_janela::Sinal espera_janela::esperar(sf::RenderWindow& janela, evento_jogo& evento) {
    while (janela.isOpen()) {
        if (proximo(janela, evento)) {
            return Sinal::Evento;
        }
        // pollEvent has just taken every message there was. MWMO_INPUTAVAILABLE
        // also wakes for input that arrived while it looked and was seen
        // without being taken.
        MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    return Sinal::Fechada;
}
