#pragma once

#include <string>

// Whether the game can reach the graphical desktop, asked before any window
// object is made. SFML aborts the program when it finds no display, with a
// core dump and a message about an environment variable; a player who started
// the game from a text console or over ssh deserves a plain answer.
//
// The connection it asked on stays open while the object lives (in main, the
// whole game). An X server resets when its last client leaves, and a window
// opened during the reset finds no display: SFML would abort the game that
// had just been told the desktop answers.
class tela_grafica {
public:
    tela_grafica();
    ~tela_grafica();
    tela_grafica(const tela_grafica&) = delete;
    tela_grafica& operator=(const tela_grafica&) = delete;

    // Empty when the desktop answers; otherwise the one line to tell the player.
    const std::string& problema() const { return problema_; }

private:
    void* conexao_ = nullptr;
    std::string problema_;
};
