#include "cards/pilha_crescente.hpp"

pilha_crescente::pilha_crescente() = default;

pilha_crescente::~pilha_crescente() = default;

void pilha_crescente::Empilha(int valor, bool& ok) {
    bool resultado = false;
    // The move exactly ten back is the only way an ascending run turns down.
    if (Vazia() || valor > get_elemento_topo() || valor == get_elemento_topo() - 10) {
        pilha_burra::Empilha(valor, resultado);
    }
    ok = resultado;
}
