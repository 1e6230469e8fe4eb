#pragma once

#include "screens/figura_tela.hpp"
#include "screens/tela_comum.hpp"

#include <SFML/Graphics.hpp>
#include <list>

// The main menu: one picture with play, instructions and leave painted in it.
// Answers: 2 play, 3 instructions, 1 leave (also a close request), 0 a press
// that hit no button.
class Menu {
public:
    int Mostrar(sf::RenderWindow& janela);
    int clique(int x, int y);
    int obter_resposta_menu(sf::RenderWindow& janela);

    std::list<item_tela> itens;
    // The picture shown, kept while the screen waits.
    figura_tela figura;
};
