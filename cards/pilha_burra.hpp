#pragma once

#include "cards/cartas.hpp"

// A bounded stack of card values that is also the pile's picture on the table.
// It pushes whatever it is given while there is room; the ruled piles derive
// from it. Its operations never change the picture: whoever changes the stack
// loads the picture that fits.
class pilha_burra : public cartas {
public:
    static constexpr int capacidade = 99;

    pilha_burra();
    ~pilha_burra() override;

    bool Vazia() const;
    bool Cheia() const;
    void Empilha(int valor, bool& ok);
    void Desempilha(int& valor, bool& ok);

    void aumenta_topo();
    void diminui_topo();
    int get_topo() const;
    void set_topo(int novo_topo);
    // Out of range (an empty pile, or a top moved outside the array) the write
    // is ignored and the read gives 0.
    void set_elemento_topo(int valor);
    int get_elemento_topo() const;

private:
    bool topo_no_array() const;

    int elementos[capacidade];
    int topo;
};
