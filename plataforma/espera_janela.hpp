#pragma once

#include "plataforma/evento_jogo.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

// The one place the game waits for the player: every screen's wait and the
// play pass take their next event from here.
//
// SFML's own waitEvent wakes every 10 ms to look for events, a hundred times a
// second while the player thinks. This wait sleeps in the kernel until the
// window system has something for the window, and it also reports when the
// window must be painted again (uncovered on a desktop without a compositor),
// which SFML does not tell.
class espera_janela {
public:
    espera_janela() = delete;

    enum class Sinal {
        Evento,   // `evento` holds the window's next event
        Repintar, // the window lost part of its picture: draw the current one again
        Fechada,  // the window is no longer open and will send nothing more
    };

    // Returns as soon as one of the three holds, and never for nothing. A
    // window given another size (tamanho_janela) must be painted again too.
    static Sinal esperar(sf::RenderWindow& janela, evento_jogo& evento);

    // The next event already queued, without waiting: false when there is
    // none. Every event handed out here or by esperar has its pointer's place
    // in the game's points (ponto_jogo).
    static bool proximo(sf::RenderWindow& janela, evento_jogo& evento);

    // The left button is up and nothing queued for the window can still say
    // so: its release went to another window, or to none (another program
    // took the pointer). Asked only when proximo has just found nothing, so
    // that a release still on its way is never taken for a lost one.
    static bool soltura_perdida(sf::RenderWindow& janela);

private:
    // A size change that proximo followed and no wait has yet reported: true
    // once, then false until the next.
    static bool tomar_mudanca_de_tamanho();
    static bool tamanho_mudou;
};
