#include "screens/tela_comum.hpp"

tela_comum::fim_espera tela_comum::esperar_clique(sf::RenderWindow& janela) {
    sf::Event evento;
    while (janela.waitEvent(evento)) {
        if (evento.type == sf::Event::MouseButtonPressed) {
            return fim_espera{false, evento.mouseButton.x, evento.mouseButton.y};
        }
        if (evento.type == sf::Event::Closed) {
            return fim_espera{true, 0, 0};
        }
    }
    return fim_espera{true, 0, 0};
}
