#include "plataforma/espera_janela.hpp"

#include "plataforma/ponto_jogo.hpp"

bool espera_janela::proximo(sf::RenderWindow& janela, sf::Event& evento) {
    if (!janela.pollEvent(evento)) {
        return false;
    }
    evento_em_pontos(janela, evento);
    return true;
}
