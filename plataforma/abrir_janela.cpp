#include "plataforma/abrir_janela.hpp"

#include "plataforma/escala_arte.hpp"
#include "plataforma/icone_janela.hpp"
#include "plataforma/lugar_janela.hpp"

void preparar_janela(sf::RenderWindow& janela, float escala) {
    // The game draws and reads its points; the window's pixels are ours.
    janela.setView(sf::View(
        sf::FloatRect({0.0f, 0.0f}, {lugar_janela::largura_pontos, lugar_janela::altura_pontos})));
    aplicar_icone(janela);
    escala_arte::definir(escala);
}
