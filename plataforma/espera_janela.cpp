#include "plataforma/espera_janela.hpp"

#include "plataforma/face_sfml.hpp"
#include "plataforma/ponto_jogo.hpp"

bool espera_janela::proximo(sf::RenderWindow& janela, evento_jogo& evento) {
    if (!face_sfml::proximo_evento(janela, evento)) {
        return false;
    }
    evento_em_pontos(janela, evento);
    return true;
}
