#include "game/painel_jogo.hpp"

#include "plataforma/escala_arte.hpp"
#include "plataforma/lugares.hpp"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// The count: hollow digits of this many points, outlined this thick.
constexpr float pontos_contagem = 20.0f;
constexpr float contorno_contagem = 0.5f;

} // namespace

painel_jogo::painel_jogo() : carregado(false), fonte_lida(false) {
    contagem.setPosition({lugares::contagem.x, lugares::contagem.y});
    contagem.setCharacterSize(static_cast<unsigned>(pontos_contagem));
    contagem.setOutlineColor(sf::Color::Blue);
    contagem.setOutlineThickness(contorno_contagem);
    contagem.setFillColor(sf::Color::Transparent);
    desfazer.setPosition({lugares::botao_desfazer.x, lugares::botao_desfazer.y});
    botao_menu.setPosition({lugares::botao_menu.x, lugares::botao_menu.y});
    botao_dnv.setPosition({lugares::botao_jogar_novamente.x, lugares::botao_jogar_novamente.y});
}

painel_jogo::~painel_jogo() {
    escala_arte::esquecer(textura_desfazer);
    escala_arte::esquecer(textura_menu);
    escala_arte::esquecer(textura_dnv);
}

void painel_jogo::preparar() {
    if (!carregado) {
        carregar();
    }
}

void painel_jogo::carregar() {
    carregado = true;
    fonte_lida = face_sfml::abrir_fonte(fonte, "imagens/star.ttf");
    contagem.setFont(fonte);
    ajustar_contagem();
    // A failed load keeps the texture as it was; the rectangle always follows
    // the texture, as a freshly made sprite would.
    escala_arte::carregar(textura_desfazer, desfazer, "imagens/desfazer.png", true);
    escala_arte::carregar(textura_menu, botao_menu, "imagens/botao_menu.png", true);
    escala_arte::carregar(textura_dnv, botao_dnv, "imagens/botao_dnv.png", true);
}

void painel_jogo::ajustar_contagem() {
    // The digits are rasterised for the window's own pixels and drawn back at
    // 20 points: 20-pixel glyphs enlarged with the view would be blurred.
    escala_contagem = escala_arte::atual();
    const unsigned pixels =
        std::max(1u, static_cast<unsigned>(std::lround(pontos_contagem * escala_contagem)));
    const float de_volta = pontos_contagem / static_cast<float>(pixels);
    contagem.setCharacterSize(pixels);
    contagem.setOutlineThickness(contorno_contagem / de_volta);
    contagem.setScale({de_volta, de_volta});
}

void painel_jogo::set_contagem(int restantes) {
    contagem.setString(std::to_string(restantes));
}

void painel_jogo::desenhar(sf::RenderWindow& janela, bool com_desfazer) {
    // SFML 2 draws a text without its font as nothing; SFML 3 stops the
    // program on a text it cannot shape.
    if (fonte_lida) {
        if (escala_contagem != escala_arte::atual()) {
            ajustar_contagem();
        }
        janela.draw(contagem);
    }
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
