#include "cards/pilha_decrescente.hpp"

pilha_decrescente::pilha_decrescente() = default;

pilha_decrescente::~pilha_decrescente() = default;

void pilha_decrescente::Empilha(int valor, bool& ok) {
    bool resultado = false;
    // The move exactly ten back is the only way a descending run turns up.
    if (Vazia() || valor < get_elemento_topo() || valor == get_elemento_topo() + 10) {
        pilha_burra::Empilha(valor, resultado);
    }
    ok = resultado;
}
