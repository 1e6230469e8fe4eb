#include "game/painel_jogo.hpp"

#include <string>

painel_jogo::painel_jogo() : carregado(false) {
    contagem.setPosition(100.0f, 10.0f);
    contagem.setCharacterSize(20);
    contagem.setOutlineColor(sf::Color::Blue);
    contagem.setOutlineThickness(0.5f);
    contagem.setFillColor(sf::Color::Transparent);
    desfazer.setPosition(204.0f, 180.0f);
    botao_menu.setPosition(187.0f, 17.0f);
    botao_dnv.setPosition(300.0f, 17.0f);
}

void painel_jogo::preparar() {
    if (!carregado) {
        carregar();
    }
}

void painel_jogo::carregar() {
    carregado = true;
    fonte.loadFromFile("imagens/star.ttf");
    contagem.setFont(fonte);
    // A failed load keeps the texture as it was; the rectangle always follows
    // the texture, as a freshly made sprite would.
    textura_desfazer.loadFromFile("imagens/desfazer.png", sf::IntRect());
    desfazer.setTexture(textura_desfazer, true);
    textura_menu.loadFromFile("imagens/botao_menu.png", sf::IntRect());
    botao_menu.setTexture(textura_menu, true);
    textura_dnv.loadFromFile("imagens/botao_dnv.png", sf::IntRect());
    botao_dnv.setTexture(textura_dnv, true);
}

void painel_jogo::set_contagem(int restantes) {
    contagem.setString(std::to_string(restantes));
}

void painel_jogo::desenhar(sf::RenderWindow& janela, bool com_desfazer) {
    janela.draw(contagem);
    janela.draw(botao_menu);
    janela.draw(botao_dnv);
    if (com_desfazer) {
        janela.draw(desfazer);
    }
}

bool painel_jogo::sobre_desfazer(sf::Vector2f ponto) const {
    return desfazer.getGlobalBounds().contains(ponto);
}

bool painel_jogo::sobre_menu(sf::Vector2f ponto) const {
    return botao_menu.getGlobalBounds().contains(ponto);
}

bool painel_jogo::sobre_jogar_novamente(sf::Vector2f ponto) const {
    return botao_dnv.getGlobalBounds().contains(ponto);
}
