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

bool tela_comum::mostrar_figura(sf::RenderWindow& janela, const std::string& caminho,
                                const sf::Drawable* por_cima) {
    sf::Texture textura;
    const bool carregou = textura.loadFromFile(caminho, sf::IntRect());
    sf::Sprite sprite;
    sprite.setTexture(textura, false);
    janela.draw(sprite);
    if (por_cima != nullptr) {
        janela.draw(*por_cima);
    }
    janela.display();
    return carregou;
}
