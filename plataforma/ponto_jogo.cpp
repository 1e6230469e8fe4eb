#include "plataforma/ponto_jogo.hpp"

#include <cmath>

sf::Vector2i ponto_do_jogo(const sf::RenderWindow& janela, sf::Vector2i pixel) {
    const sf::Vector2f ponto = janela.mapPixelToCoords(pixel);
    // Down, not to the nearest: both pixels of a point at 200% are that point,
    // and a button's edge stays where it is at 100%.
    return sf::Vector2i(static_cast<int>(std::floor(ponto.x)),
                        static_cast<int>(std::floor(ponto.y)));
}

void evento_em_pontos(const sf::RenderWindow& janela, sf::Event& evento) {
    const auto mapear = [&janela](int& x, int& y) {
        const sf::Vector2i ponto = ponto_do_jogo(janela, sf::Vector2i(x, y));
        x = ponto.x;
        y = ponto.y;
    };
    switch (evento.type) {
    case sf::Event::MouseButtonPressed:
    case sf::Event::MouseButtonReleased:
        mapear(evento.mouseButton.x, evento.mouseButton.y);
        break;
    case sf::Event::MouseMoved:
        mapear(evento.mouseMove.x, evento.mouseMove.y);
        break;
    case sf::Event::MouseWheelScrolled:
        mapear(evento.mouseWheelScroll.x, evento.mouseWheelScroll.y);
        break;
    default:
        break;
    }
}
