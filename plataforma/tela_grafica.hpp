#pragma once

#include <string>

// Whether the game can reach the graphical desktop, asked before any window
// object is made. SFML aborts the program when it finds no display, with a
// core dump and a message about an environment variable; a player who started
// the game from a text console or over ssh deserves a plain answer.
//
// Empty when the desktop answers; otherwise the one line to tell the player.
std::string problema_com_a_tela();
