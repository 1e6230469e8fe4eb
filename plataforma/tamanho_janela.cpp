#include "plataforma/tamanho_janela.hpp"

#include "plataforma/escala_arte.hpp"
#include "plataforma/face_sfml.hpp"
#include "plataforma/lugar_janela.hpp"
#include "plataforma/lugares.hpp"

#include <algorithm>

void tamanho_janela::aplicar(sf::RenderWindow& janela, sf::Vector2u tamanho) {
    const sf::Vector2i lados(static_cast<int>(tamanho.x), static_cast<int>(tamanho.y));
    const lugar_janela::encaixe e = lugar_janela::encaixar(lados);
    const sf::Vector2f canto(face_sfml::posicao(e.quadro));
    const sf::Vector2f medida(face_sfml::tamanho(e.quadro));
    const sf::Vector2f janela_f(static_cast<float>(std::max(1, lados.x)),
                                static_cast<float>(std::max(1, lados.y)));
    sf::View vista(
        sf::FloatRect({0.0f, 0.0f}, {lugar_janela::largura_pontos, lugar_janela::altura_pontos}));
    vista.setViewport(sf::FloatRect({canto.x / janela_f.x, canto.y / janela_f.y},
                                    {medida.x / janela_f.x, medida.y / janela_f.y}));
    janela.setView(vista);
    if (e.escala != escala_arte::atual()) {
        escala_arte::definir(e.escala);
    }
}

void tamanho_janela::limpar(sf::RenderWindow& janela) {
    janela.clear(sf::Color(lugares::mesa.r, lugares::mesa.g, lugares::mesa.b));
}
