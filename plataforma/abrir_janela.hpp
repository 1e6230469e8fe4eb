#pragma once

#include <SFML/Graphics/RenderWindow.hpp>

// Opens the game's one window: titled, with its icon and a close button, not
// resizable, whole on the monitor that holds the pointer and centred in that
// monitor's work area. Its client area has as many device pixels per point as
// the desktop's scale asks for (lowered until the window fits), and its view
// stays the game's 450x600 points; the scale is handed to escala_arte
// (tamanho_janela) before anything is drawn or loaded.
void abrir_janela(sf::RenderWindow& janela);

// Closes the window, and whatever the platform made under it.
void fechar_janela(sf::RenderWindow& janela);

// The part the two platforms share, once their window is open at its size.
void preparar_janela(sf::RenderWindow& janela);
