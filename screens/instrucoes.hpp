#pragma once

#include "plataforma/face_sfml.hpp"
#include "screens/figura_tela.hpp"
#include "screens/tela_comum.hpp"

#include <SFML/Graphics.hpp>
#include <list>

// The instructions pager: a background with the current tutorial page on top.
// One showing draws the page and returns the answer; the caller turns pages.
// Answers: 2 play, 1 menu, 4 next page, 5 previous page, 3 a close request,
// 0 a press that hit no button.
class Instrucoes {
public:
    Instrucoes();
    ~Instrucoes();
    // The page's picture is kept live at this address (escala_arte).
    Instrucoes(const Instrucoes&) = delete;
    Instrucoes& operator=(const Instrucoes&) = delete;

    // 1 to 8 only; anything else is ignored.
    void set_k(int v);
    // Forward stops at page 9, back at page 1.
    void proximo_k();
    void anterior_k();
    int get_k() const;

    int Mostrar(sf::RenderWindow& janela);
    int clique(int x, int y);
    int obter_resposta_instrucao(sf::RenderWindow& janela);

    std::list<item_tela> itens;
    // The picture shown, kept while the screen waits.
    figura_tela figura;
    // The page keeps its picture between showings: a page whose file is missing
    // shows the one before it.
    sf::Sprite sprite_pagina = face_sfml::sprite_vazio();
    sf::Texture textura_pagina;
    int k;
};
