#pragma once

#include "plataforma/lugares.hpp"
#include "screens/figura_tela.hpp"

#include <SFML/Graphics.hpp>
#include <list>

// A screen's button: where a press counts, and the answer it gives.
struct item_tela {
    lugares::retangulo retangulo;
    int resposta;
};

// What every full-window screen does alike: wait for the press or close request
// that ends it, and find the button a press fell in.
class tela_comum {
public:
    tela_comum() = delete;

    // How a screen's wait ended.
    struct fim_espera {
        bool fechou;
        int x;
        int y;
    };

    // Sleeps until a press of any mouse button (its place is returned, in the
    // game's points) or a close request; every other event is dropped, and the
    // screen's picture is shown again whenever the window asks for it. A window
    // that is no longer open can never send a press, so its wait ends as a
    // close request instead of blocking for ever.
    static fim_espera esperar_clique(sf::RenderWindow& janela, const figura_tela& figura);

    // The wait of a screen with buttons: a press gives the answer of the button
    // it fell in (0 for none), a close request gives `ao_fechar`.
    static int esperar_resposta(sf::RenderWindow& janela, const figura_tela& figura,
                                const std::list<item_tela>& itens, int ao_fechar);

    // Every edge is outside, and the first item in the list wins.
    static int clique(const std::list<item_tela>& itens, int x, int y);
};
