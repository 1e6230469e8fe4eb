#pragma once

#include "screens/figura_tela.hpp"

#include <SFML/Graphics.hpp>

// The picture shown once the window opens, until any mouse press or a close
// request. It has no buttons and gives no answer: the menu always follows.
class Tela_Inicial {
public:
    void Mostrar(sf::RenderWindow& janela);

    // The picture shown, kept while the screen waits.
    figura_tela figura;
};
