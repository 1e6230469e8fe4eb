#include "cards/fila_monte.hpp"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <utility>

namespace {

std::time_t relogio_do_sistema() {
    return time(nullptr);
}

} // namespace

std::time_t (*fila_monte::relogio)() = relogio_do_sistema;

fila_monte::fila_monte() : elementos{}, NroElementos(0), primeiro(-1), ultimo(-1) {
    InicializaElementos();
}

fila_monte::~fila_monte() = default;

void fila_monte::InicializaElementos() {
    NroElementos = 0;
    primeiro = -1;
    ultimo = -1;
    bool ok = false;
    for (int valor = 1; valor <= capacidade; ++valor) {
        Insere(valor, ok);
    }
    srand(static_cast<unsigned int>(relogio()));
    EmbaralhaElementos();
}

void fila_monte::EmbaralhaElementos() {
    // Every pass draws from the whole range, not only the slots not yet
    // visited: this is the game's own shuffle, and a deal must come out the
    // same for the same second.
    const int n = std::min(NroElementos, capacidade);
    for (int i = 0; i < n; ++i) {
        const int r = rand() % n;
        std::swap(elementos[i], elementos[r]);
    }
}

bool fila_monte::Vazia() const {
    return NroElementos == 0;
}

bool fila_monte::Cheia() const {
    return NroElementos == capacidade;
}

void fila_monte::Insere(int valor, bool& ok) {
    if (Cheia() || ultimo >= capacidade - 1) {
        ok = false;
        return;
    }
    if (Vazia()) {
        proximo_primeiro();
    }
    ok = true;
    aumenta_NroElementos();
    proximo_ultimo();
    set_elemento_ultimo(valor);
}

void fila_monte::Retira(int& valor, bool& ok) {
    // A front moved outside the array by set_primeiro has nothing to give.
    if (Vazia() || !no_array(primeiro)) {
        ok = false;
        return;
    }
    ok = true;
    diminui_NroElementos();
    valor = get_elemento_primeiro();
    proximo_primeiro();
}

int fila_monte::get_NroElementos() const {
    return NroElementos;
}

void fila_monte::aumenta_NroElementos() {
    ++NroElementos;
}

void fila_monte::diminui_NroElementos() {
    --NroElementos;
}

void fila_monte::proximo_primeiro() {
    ++primeiro;
}

void fila_monte::proximo_ultimo() {
    ++ultimo;
}

int fila_monte::get_primeiro() const {
    return primeiro;
}

void fila_monte::set_primeiro(int novo_primeiro) {
    primeiro = novo_primeiro;
}

int fila_monte::get_ultimo() const {
    return ultimo;
}

int fila_monte::get_elemento_primeiro() const {
    return get_elemento_X(primeiro);
}

int fila_monte::get_elemento_ultimo() const {
    return get_elemento_X(ultimo);
}

void fila_monte::set_elemento_ultimo(int valor) {
    if (no_array(ultimo)) {
        elementos[ultimo] = valor;
    }
}

int fila_monte::get_elemento_X(int indice) const {
    return no_array(indice) ? elementos[indice] : 0;
}

bool fila_monte::no_array(int indice) {
    return indice >= 0 && indice < capacidade;
}
