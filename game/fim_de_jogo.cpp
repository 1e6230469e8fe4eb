#include "game/fim_de_jogo.hpp"

bool VerificaGanhou(mesa m, fila_monte monte) {
    return monte.get_NroElementos() + m.get_NroElementos() == 0;
}

namespace {

template <typename Pilha> bool aceita_e_devolve(Pilha& pilha, int valor) {
    bool ok = false;
    pilha.Empilha(valor, ok);
    if (ok) {
        int devolvido = 0;
        pilha.Desempilha(devolvido, ok);
        return true;
    }
    return false;
}

} // namespace

bool VerificaGameOver(mesa m, pilha_crescente& c1, pilha_crescente& c2, pilha_decrescente& d1,
                      pilha_decrescente& d2) {
    for (int slot = 0; slot < mesa::slots; ++slot) {
        bool ok = false;
        const int valor = m.get_elemento_i(slot, ok);
        if (valor == 0) {
            continue;
        }
        // Stops at the first pile that takes the card.
        if (aceita_e_devolve(c1, valor) || aceita_e_devolve(c2, valor) ||
            aceita_e_devolve(d1, valor) || aceita_e_devolve(d2, valor)) {
            return false;
        }
    }
    return true;
}
