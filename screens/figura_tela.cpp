#include "screens/figura_tela.hpp"

#include "plataforma/escala_arte.hpp"
#include "plataforma/tamanho_janela.hpp"

figura_tela::~figura_tela() {
    escala_arte::esquecer(textura);
}

bool figura_tela::carregar(const std::string& caminho, const sf::Drawable* sobre) {
    // A failed load must show nothing rather than the picture read before it,
    // and a fresh sprite takes the whole of the new picture.
    escala_arte::esquecer(textura);
    textura = sf::Texture();
    sprite = face_sfml::sprite_vazio();
    por_cima = sobre;
    return escala_arte::carregar(textura, sprite, caminho);
}

void figura_tela::mostrar(sf::RenderWindow& janela) const {
    // Beside the table, in a window larger than it, the buffer holds nothing.
    tamanho_janela::limpar(janela);
    janela.draw(sprite);
    if (por_cima != nullptr) {
        janela.draw(*por_cima);
    }
    janela.display();
}
