#include "plataforma/espera_janela.hpp"

#include "plataforma/mensagens_janela.hpp"

#include <SFML/Window/Mouse.hpp>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

espera_janela::Sinal espera_janela::esperar(sf::RenderWindow& janela, evento_jogo& evento) {
    while (janela.isOpen()) {
        if (proximo(janela, evento)) {
            return Sinal::Evento;
        }
        if (mensagens_janela::pintura_pedida() || tomar_mudanca_de_tamanho()) {
            return Sinal::Repintar;
        }
        // pollEvent has just taken every message there was. MWMO_INPUTAVAILABLE
        // also wakes for input that arrived while it looked and was seen
        // without being taken.
        MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    return Sinal::Fechada;
}

bool espera_janela::soltura_perdida(sf::RenderWindow&) {
    // The button's state is the hardware's, and a button's message on its way
    // to the window shows in the thread's queue.
    return !sf::Mouse::isButtonPressed(sf::Mouse::Button::Left) &&
           (HIWORD(GetQueueStatus(QS_MOUSEBUTTON)) & QS_MOUSEBUTTON) == 0;
}
