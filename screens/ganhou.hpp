#pragma once

#include "screens/figura_tela.hpp"

#include <SFML/Graphics.hpp>
#include <list>

// The screen of a won game: one picture with two buttons painted in it.
// Answers: 2 play again, 1 leave (also a close request), 0 a press that hit no
// button.
class Ganhou {
public:
    struct item_ganhou {
        item_ganhou() : retangulo({0, 0}, {0, 0}), resposta(0) {}

        // left and top, and the right and bottom edges in the size
        sf::Rect<int> retangulo;
        int resposta;
    };

    int Mostrar(sf::RenderWindow& janela);
    int clique(int x, int y);
    int obter_resposta_ganhou(sf::RenderWindow& janela);

    std::list<item_ganhou> itens;
    // The picture shown, kept while the screen waits.
    figura_tela figura;
};
