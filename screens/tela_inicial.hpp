#pragma once

#include <SFML/Graphics.hpp>

// The picture shown once the window opens, until any mouse press or a close
// request. It has no buttons and gives no answer: the menu always follows.
class Tela_Inicial {
public:
    void Mostrar(sf::RenderWindow& janela);
};
