#pragma once

#include "cards/pilha_burra.hpp"

// A descending pile: takes a card below its top, or exactly 10 above it.
class pilha_decrescente : public pilha_burra {
public:
    pilha_decrescente();
    ~pilha_decrescente() override;

    // Hides the plain push: the rule first, then the room.
    void Empilha(int valor, bool& ok);
};
