#include "cards/pilha_burra.hpp"

pilha_burra::pilha_burra() : elementos{}, topo(-1) {
    set_topo(-1);
}

pilha_burra::~pilha_burra() = default;

bool pilha_burra::Vazia() const {
    return topo == -1;
}

bool pilha_burra::Cheia() const {
    return topo == capacidade - 1;
}

void pilha_burra::Empilha(int valor, bool& ok) {
    // A top that set_topo moved outside the array takes nothing either.
    if (Cheia() || topo < -1 || topo >= capacidade - 1) {
        ok = false;
        return;
    }
    ok = true;
    aumenta_topo();
    set_elemento_topo(valor);
}

void pilha_burra::Desempilha(int& valor, bool& ok) {
    if (Vazia() || !topo_no_array()) {
        ok = false;
        return;
    }
    ok = true;
    valor = get_elemento_topo();
    diminui_topo();
}

void pilha_burra::aumenta_topo() {
    ++topo;
}

void pilha_burra::diminui_topo() {
    --topo;
}

int pilha_burra::get_topo() const {
    return topo;
}

void pilha_burra::set_topo(int novo_topo) {
    topo = novo_topo;
}

void pilha_burra::set_elemento_topo(int valor) {
    if (topo_no_array()) {
        elementos[topo] = valor;
    }
}

int pilha_burra::get_elemento_topo() const {
    return topo_no_array() ? elementos[topo] : 0;
}

bool pilha_burra::topo_no_array() const {
    return topo >= 0 && topo < capacidade;
}
