#pragma once

#include "cards/fila_monte.hpp"
#include "cards/mesa.hpp"
#include "cards/pilha_crescente.hpp"
#include "cards/pilha_decrescente.hpp"

// The two end-of-game tests the play pass asks after every release. They keep
// no state and leave everything they are given as they found it.

bool VerificaGanhou(mesa m, fila_monte monte);
// Tries each card of the hand on the live piles and takes an accepted one
// straight back, so the piles' own rules decide and nothing changes.
bool VerificaGameOver(mesa m, pilha_crescente& c1, pilha_crescente& c2, pilha_decrescente& d1,
                      pilha_decrescente& d2);
