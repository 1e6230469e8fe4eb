#pragma once

#include "plataforma/face_sfml.hpp"

#include <SFML/Graphics.hpp>

// What the table shows around the cards: the count of cards still to play and
// the undo, menu and play-again buttons. The font and the pictures are read
// from disk once and kept for the whole run; only the count changes.
class painel_jogo {
public:
    painel_jogo();
    ~painel_jogo();

    painel_jogo(const painel_jogo&) = delete;
    painel_jogo& operator=(const painel_jogo&) = delete;

    // Loads the font and the buttons the first time only.
    void preparar();
    // Loads them now, whatever was loaded before. A missing picture leaves its
    // button undrawn and impossible to hit; a missing font, the count unseen.
    void carregar();

    // Deck plus hand.
    void set_contagem(int restantes);

    // The undo button only while an undo is allowed. The count is drawn for
    // the window's pixels at the scale of the moment.
    void desenhar(sf::RenderWindow& janela, bool com_desfazer);

    // A window point inside a button's global bounds (right and bottom edges
    // outside).
    bool sobre_desfazer(sf::Vector2f ponto) const;
    bool sobre_menu(sf::Vector2f ponto) const;
    bool sobre_jogar_novamente(sf::Vector2f ponto) const;

    sf::Text contagem = face_sfml::texto_vazio();
    sf::Sprite desfazer = face_sfml::sprite_vazio();
    sf::Sprite botao_menu = face_sfml::sprite_vazio();
    sf::Sprite botao_dnv = face_sfml::sprite_vazio();

private:
    void ajustar_contagem();

    sf::Font fonte;
    sf::Texture textura_desfazer;
    sf::Texture textura_menu;
    sf::Texture textura_dnv;
    bool carregado;
    bool fonte_lida;
    float escala_contagem = 0.0f;
};
