#pragma once

#include <SFML/Graphics/RenderWindow.hpp>

// The window's size is the window manager's to change: a full screen it
// grants though the game asks for one fixed size, the size the game itself
// sets when the desktop's scale changes. Whatever the size, the table keeps
// its 450x600 points' proportions, drawn at the largest scale that fits,
// centred, and sharp: every picture loaded switches to its `@2x` twin where
// that scale passes 1 (escala_arte). The view maps the points, so every
// press still lands on the same point of the game (ponto_jogo).
class tamanho_janela {
public:
    tamanho_janela() = delete;

    // The window is now that many pixels: apply it. The caller draws the
    // picture again (espera_janela reports it as a repaint).
    static void aplicar(sf::RenderWindow& janela, sf::Vector2u tamanho);

    // Fills the whole window, beyond the table too, with the table's colour:
    // what each picture is drawn over.
    static void limpar(sf::RenderWindow& janela);
};
