#pragma once

#include "screens/figura_tela.hpp"

#include <SFML/Graphics.hpp>
#include <list>

// The screen of a lost game: one picture with two buttons painted in it.
// Answers: 2 play again, 1 leave (also a close request), 0 a press that hit no
// button.
class Perdeu {
public:
    struct item_perdeu {
        item_perdeu() : retangulo({0, 0}, {0, 0}), resposta(0) {}

        // left and top, and the right and bottom edges in the size
        sf::Rect<int> retangulo;
        int resposta;
    };

    int Mostrar(sf::RenderWindow& janela);
    int clique(int x, int y);
    int obter_resposta_perdeu(sf::RenderWindow& janela);

    std::list<item_perdeu> itens;
    // The picture shown, kept while the screen waits.
    figura_tela figura;
};
