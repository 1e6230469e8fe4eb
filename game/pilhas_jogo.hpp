#pragma once

#include "cards/mesa.hpp"
#include "cards/pilha_crescente.hpp"
#include "cards/pilha_decrescente.hpp"
#include "plataforma/lugares.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <array>
#include <string>

// The four piles as one table, in the order of their codes: the deal, the drop
// and undo all read the piles from here, so that a pile's code, rule and
// empty picture cannot disagree between them. A play writes the undo record
// here, and undo reads it here.
class pilhas_jogo {
public:
    pilhas_jogo() = delete;

    struct pilha {
        pilha_burra* cartas;
        // Its code in the undo record: 1 c1, 2 c2, 3 d1, 4 d2.
        int codigo;
        // Its name in the card registry, which draws in name order.
        const char* nome;
        lugares::ponto lugar;
        // Shown while it is empty (a name of plataforma/arquivos.hpp).
        const char* vazia;
        // The push with the pile's own rule, which hides the plain one.
        void (*empilhar)(pilha_burra* cartas, int valor, bool& ok);
    };
    using tabela = std::array<pilha, 4>;

    static tabela de(pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                     pilha_decrescente* d2);

    // The undo record: the last card played may be taken back, from the pile
    // of that code.
    struct registro {
        bool& podeDesfazer;
        int& ultimaPilhaAtualizada;
    };

    // Plays the card of the hand's `slot` on the pile if its rule takes it,
    // shows it on top and records it for undo. False, with nothing changed,
    // when the rule refuses it.
    static bool jogar(const pilha& destino, mesa& m, int slot, sf::RenderWindow& janela,
                      const registro& r);

    // Takes the card recorded back into the hand, once: the record is spent
    // first, whatever follows. A full hand has no room for it, so it stays on
    // its pile rather than being lost between the two; ok says whether it
    // came back.
    static void desfazer(const tabela& pilhas, mesa& m, const registro& r, bool& ok);

    // Shows the pile's top card, or its empty picture.
    static void mostrar(const pilha& p);

    // The picture of a pile with that card on top.
    static std::string figura(int valor);
};
