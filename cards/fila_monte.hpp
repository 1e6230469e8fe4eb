#pragma once

#include <ctime>

// The face-down deck: the 99 cards, shuffled, then only drawn from the front.
// A plain value: copying it copies the whole deck.
//
// The indices only grow. After a reset the deck is filled once from slot 0 to
// 98 and then consumed from slot 0 upwards, so it is a strip, not a ring.
class fila_monte {
public:
    static constexpr int capacidade = 99;

    // A new deck is full and shuffled.
    fila_monte();
    ~fila_monte();

    // Fills the deck with 1..99, seeds the generator from the clock in whole
    // seconds and shuffles: a deck's order depends only on the second it was
    // dealt.
    void InicializaElementos();
    // The clock that seeds the shuffle: the calendar time. A test points it at
    // a clock of its own to deal known decks.
    static std::time_t (*relogio)();
    void EmbaralhaElementos();

    bool Vazia() const;
    bool Cheia() const;
    // Refused (ok false) when full, and also once the back has reached the
    // last slot: the indices never wrap.
    void Insere(int valor, bool& ok);
    void Retira(int& valor, bool& ok);

    int get_NroElementos() const;
    void aumenta_NroElementos();
    void diminui_NroElementos();
    void proximo_primeiro();
    void proximo_ultimo();
    int get_primeiro() const;
    void set_primeiro(int novo_primeiro);
    int get_ultimo() const;

    // Slot accessors: out of range, writes are ignored and reads give 0.
    int get_elemento_primeiro() const;
    int get_elemento_ultimo() const;
    void set_elemento_ultimo(int valor);
    int get_elemento_X(int indice) const;

private:
    static bool no_array(int indice);

    int elementos[capacidade];
    int NroElementos;
    int primeiro;
    int ultimo;
};
