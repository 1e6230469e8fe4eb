#include "plataforma/espera_janela.hpp"

#include "plataforma/face_sfml.hpp"
#include "plataforma/ponto_jogo.hpp"
#include "plataforma/tamanho_janela.hpp"

#include <SFML/Window/Mouse.hpp>

bool espera_janela::tamanho_mudou = false;

bool espera_janela::proximo(sf::RenderWindow& janela, evento_jogo& evento) {
    do {
        if (!face_sfml::proximo_evento(janela, evento)) {
            return false;
        }
        // Followed here, before any later press is mapped to the game's
        // points: the play pass would otherwise read a batch's presses with
        // the view of the size before.
        if (evento.tipo == evento_jogo::Redimensionada) {
            tamanho_janela::aplicar(janela, evento.tamanho);
            tamanho_mudou = true;
            // The window grew or shrank around a pointer that did not move,
            // and no window system tells of that as a move: the pointer's
            // place, read now, keeps a card held in a drag under it.
            evento.tipo = evento_jogo::MouseMovido;
            evento.ponto = sf::Mouse::getPosition(janela);
        }
    } while (evento.tipo == evento_jogo::Redimensionada);
    evento_em_pontos(janela, evento);
    return true;
}

bool espera_janela::tomar_mudanca_de_tamanho() {
    const bool mudou = tamanho_mudou;
    tamanho_mudou = false;
    return mudou;
}
