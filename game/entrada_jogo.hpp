#pragma once

#include "cards/mesa.hpp"
#include "cards/pilha_crescente.hpp"
#include "cards/pilha_decrescente.hpp"
#include "game/painel_jogo.hpp"
#include "plataforma/evento_jogo.hpp"

#include <SFML/Graphics.hpp>

// The play pass's handling of the player on the table: picking up a hand
// card, dragging it, and dropping it, which plays it on a pile (pilhas_jogo)
// or sends it home; and which of the buttons or keys asks the game for more.
// The game acts on those requests (undo, menu, play again, close), so nothing
// here reaches back into it. How a drag can end is listed at
// Jogo::prender_ou_soltar_ponteiro, which holds the pointer while it lasts.
//
// Every press and release is judged at the point its own event carries. A
// busy or slow display can leave events queued for a while, and by the time
// one is handled the pointer may be somewhere else entirely.
class entrada_jogo {
public:
    entrada_jogo() = delete;

    // The table in play: the hand, the ascending piles c1 and c2, the
    // descending piles d1 and d2, the game's drag and undo state, and the
    // panel whose buttons are hit.
    struct partida {
        mesa* m;
        pilha_crescente* c1;
        pilha_crescente* c2;
        pilha_decrescente* d1;
        pilha_decrescente* d2;
        // A hand card is being dragged, from slot i (8 after a press that
        // picked up nothing).
        bool& selecionado;
        int& i;
        // The last card played may be taken back, from pile 1 c1 ... 4 d2.
        bool& podeDesfazer;
        int& ultimaPilhaAtualizada;
        const painel_jogo& painel;
        sf::RenderWindow& janela;
    };

    enum class Pedido { Nenhum, Desfazer, Menu, JogarNovamente, Fechar };

    struct resposta {
        // What the table shows changed: a card moved, dropped or sent home.
        bool mudou;
        // What the game is asked to do next.
        Pedido pedido;
    };

    static resposta tratar(const evento_jogo& evento, partida& p);

    // Ends a drag in progress with the card back in its slot; nothing is
    // played. True if a card was in the air.
    static bool cancelar_arrasto(partida& p);

    // The hand card being dragged, or null.
    static const cartas* carta_no_ar(const partida& p);

private:
    static Pedido pressionar(sf::Vector2f ponto, partida& p);
    static void soltar(sf::Vector2f ponto, partida& p);
    static bool arrastando(const partida& p);
};
