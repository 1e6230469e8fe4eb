#pragma once

#include "cards/fila_monte.hpp"
#include "cards/mesa.hpp"
#include "cards/pilha_crescente.hpp"
#include "cards/pilha_decrescente.hpp"

#include <SFML/Graphics.hpp>

// The play pass's answer to the player: picking up a hand card, dragging it,
// dropping it on a pile, the three buttons and the Escape key. It works on the
// game's drag and undo state, kept in `Jogo`.
//
// Every press and release is judged at the point its own event carries. A
// busy or slow display can leave events queued for a while, and by the time
// one is handled the pointer may be somewhere else entirely.
class entrada_jogo {
public:
    entrada_jogo() = delete;

    // One play event. The game objects come in the game's usual order: the
    // hand, the ascending piles c1 and c2, the descending piles d1 and d2, the
    // deck, and the deal's success flag.
    static void tratar(const sf::Event& evento, mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                       pilha_decrescente* d1, pilha_decrescente* d2, fila_monte& monte, bool& ok);

    // Ends a drag in progress with the card back in its slot; nothing is played.
    static void cancelar_arrasto(mesa* m);

private:
    static void pressionar(sf::Vector2f ponto, mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                           pilha_decrescente* d1, pilha_decrescente* d2, fila_monte& monte,
                           bool& ok);
    static void soltar(sf::Vector2f ponto, mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                       pilha_decrescente* d1, pilha_decrescente* d2);
    static void arrastar(sf::Vector2f ponto, mesa* m);
    static void abrir_menu(mesa* m);
    static bool arrastando();
};
