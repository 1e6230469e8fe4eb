#pragma once

#include <SFML/Graphics/RenderWindow.hpp>

// Opens the game's one window: titled, with its icon and a close button, not
// resizable, whole on the monitor that holds the pointer and centred in that
// monitor's work area. Its client area has as many device pixels per point as
// the desktop's scale asks for (lowered until the window fits), and its view
// stays the game's 450x600 points; the scale is handed to escala_arte
// (tamanho_janela) before anything is drawn or loaded.
void abrir_janela(sf::RenderWindow& janela);

// The desktop's scale changed while the game runs (on X11 the wait hears
// it): the window takes the size for it, fitted to the monitor it is on with
// its frame, and keeps its centre there. True when it was asked to change
// size. Windows is told by messages to the window itself, and follows them
// where the window is made.
bool seguir_escala(float escala);

// Closes the window, and whatever the platform made under it.
void fechar_janela(sf::RenderWindow& janela);

// The part the two platforms share, once their window is open at its size.
void preparar_janela(sf::RenderWindow& janela);
