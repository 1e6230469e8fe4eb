#pragma once

#include <SFML/Window/Window.hpp>

// Gives a window the game's icon, which taskbars, window switchers and title
// bars show. A window of the library has none of its own, and on Windows the
// program file's icon is not the window's. The pixels are built into the
// program, so the icon needs no file beside it.
void aplicar_icone(sf::Window& janela);

// The same pixels, four bytes (red, green, blue, alpha) each, row by row, for
// a window the game makes itself.
struct icone_rgba {
    unsigned lado;
    const unsigned char* pixels;
};
icone_rgba icone_do_jogo();
