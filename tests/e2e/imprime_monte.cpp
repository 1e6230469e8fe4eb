// Prints the deal that the game makes in the current second, so that the
// end-to-end tests know every card before they start the game under the same
// frozen clock.
//
// Line 1: the deck's order, first card drawn first (99 values).
// Line 2: the hand's slots 0..7 after the opening deal.

#include "cards/fila_monte.hpp"
#include "cards/mesa.hpp"

#include <SFML/System/Err.hpp>
#include <iostream>

int main() {
    // The hand tries to load its card pictures, which need not be here; the
    // failures would only clutter the output the tests read.
    sf::err().rdbuf(nullptr);

    // The same steps as the game's first deal: a new deck, which the deal
    // resets and shuffles again, then a cleared hand dealt eight cards.
    fila_monte monte;
    monte.InicializaElementos();
    mesa mao;
    mao.LimpaMesa();
    bool ok = false;
    mao.PrimeiraDistribuicao(monte, ok);

    for (int indice = 0; indice < fila_monte::capacidade; ++indice) {
        std::cout << (indice == 0 ? "" : " ") << monte.get_elemento_X(indice);
    }
    std::cout << '\n';
    for (int slot = 0; slot < mesa::slots; ++slot) {
        bool lido = false;
        std::cout << (slot == 0 ? "" : " ") << mao.get_elemento_i(slot, lido);
    }
    std::cout << '\n';

    // The hand never frees its slot sprites; in the game the card registry
    // does.
    for (cartas* carta : mao.cartas_mesa) {
        delete carta;
    }
    return ok ? 0 : 1;
}
