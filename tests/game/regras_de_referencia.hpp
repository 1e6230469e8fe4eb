#pragma once

#include "cards/mesa.hpp"

#include <array>
#include <utility>
#include <vector>

// The game's rules written afresh from the rules themselves, not from the
// code, for tests that judge whole games: the piles numbered 0 to 3 in the
// order c1, c2, d1, d2, each as the cards laid on it, bottom first.
namespace regras_de_referencia {

constexpr int numero_de_pilhas = 4;

using Mao = std::array<int, mesa::slots>; // 0 for an empty slot
using Pilhas = std::array<std::vector<int>, numero_de_pilhas>;
using Jogada = std::pair<int, int>; // slot, pile

bool crescente(int pilha);
bool aceita(int pilha, const std::vector<int>& cartas_na_pilha, int valor);
// What a hand could play on those piles.
std::vector<Jogada> jogadas(const Mao& mao, const Pilhas& ps);
// A greedy player's choice among them (at least one): the play that, with the
// best play after it, closes the piles least, as two plays come between refills.
Jogada melhor_jogada(const Mao& mao, const Pilhas& ps, const std::vector<Jogada>& possiveis);

} // namespace regras_de_referencia
