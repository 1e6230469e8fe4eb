#pragma once

#include <SFML/Window/Window.hpp>

// Gives a window the game's icon, which taskbars, window switchers and title
// bars show. A window of the library has none of its own, and on Windows the
// program file's icon is not the window's. The pixels are built into the
// program, so the icon needs no file beside it.
void aplicar_icone(sf::Window& janela);
