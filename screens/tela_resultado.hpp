#pragma once

#include "screens/figura_tela.hpp"
#include "screens/tela_comum.hpp"

#include <SFML/Graphics.hpp>
#include <list>

// The screen at the end of a game, won or lost: one picture with two buttons
// painted in it, the same two on both. Answers: 2 play again, 1 leave (also a
// close request), 0 a press that hit no button.
class tela_resultado {
public:
    int Mostrar(sf::RenderWindow& janela);
    int clique(int x, int y);

    std::list<item_tela> itens;
    // The picture shown, kept while the screen waits.
    figura_tela figura;

protected:
    // `nome`: the picture's name in the list of files (plataforma/arquivos.hpp).
    explicit tela_resultado(const char* nome);

private:
    int obter_resposta_resultado(sf::RenderWindow& janela);

    const char* nome_figura;
};
