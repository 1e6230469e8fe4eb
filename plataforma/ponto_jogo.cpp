#include "plataforma/ponto_jogo.hpp"

#include <cmath>

sf::Vector2i ponto_do_jogo(const sf::RenderWindow& janela, sf::Vector2i pixel) {
    const sf::Vector2f ponto = janela.mapPixelToCoords(pixel);
    // Down, not to the nearest: both pixels of a point at 200% are that point,
    // and a button's edge stays where it is at 100%.
    return sf::Vector2i(static_cast<int>(std::floor(ponto.x)),
                        static_cast<int>(std::floor(ponto.y)));
}

void evento_em_pontos(const sf::RenderWindow& janela, evento_jogo& evento) {
    switch (evento.tipo) {
    case evento_jogo::BotaoPressionado:
    case evento_jogo::BotaoSolto:
    case evento_jogo::MouseMovido:
        evento.ponto = ponto_do_jogo(janela, evento.ponto);
        break;
    default:
        break;
    }
}
