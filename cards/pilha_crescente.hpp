#pragma once

#include "cards/pilha_burra.hpp"

// An ascending pile: takes a card above its top, or exactly 10 below it.
class pilha_crescente : public pilha_burra {
public:
    pilha_crescente();
    ~pilha_crescente() override;

    // Hides the plain push: the rule first, then the room.
    void Empilha(int valor, bool& ok);
};
