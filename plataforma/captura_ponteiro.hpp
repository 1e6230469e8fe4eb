#pragma once

#include <SFML/Window/Window.hpp>

// The pointer belongs to the window from the press that picks a card up until
// the drag ends, so that the release reaches the game wherever it happens.
// An X server grabs the pointer for the window at every press on its own.
// SFML 2.5 on Windows takes hold of it only on a move inside the window with
// a button held: a press followed at once by a move outside (a flick) was
// never held, and its release went to whatever lay under the pointer.
void capturar_ponteiro(sf::Window& janela);

// Lets it go again at the end of the drag.
void liberar_ponteiro(sf::Window& janela);
