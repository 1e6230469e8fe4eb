#pragma once

#include "screens/figura_tela.hpp"

#include <SFML/Graphics.hpp>
#include <list>

// The main menu: one picture with play, instructions and leave painted in it.
// Answers: 2 play, 3 instructions, 1 leave (also a close request), 0 a press
// that hit no button.
class Menu {
public:
    struct Item_Menu {
        Item_Menu() : retangulo({0, 0}, {0, 0}), resposta(0) {}

        // left and top, and the right and bottom edges in the size
        sf::Rect<int> retangulo;
        int resposta;
    };

    int Mostrar(sf::RenderWindow& janela);
    int clique(int x, int y);
    int obter_resposta_menu(sf::RenderWindow& janela);

    std::list<Item_Menu> itens;
    // The picture shown, kept while the screen waits.
    figura_tela figura;
};
