#include "tests/game/regras_de_referencia.hpp"

#include <algorithm>

namespace regras_de_referencia {

namespace {

// How much of a pile's room a card uses up; a jump of ten back gains room.
int custo(int pilha, const std::vector<int>& cartas_na_pilha, int valor) {
    const int topo =
        cartas_na_pilha.empty() ? (crescente(pilha) ? 1 : 100) : cartas_na_pilha.back();
    const int distancia = crescente(pilha) ? valor - topo : topo - valor;
    return distancia == -10 ? -10 : distancia;
}

} // namespace

bool crescente(int pilha) {
    return pilha < 2;
}

bool aceita(int pilha, const std::vector<int>& cartas_na_pilha, int valor) {
    if (cartas_na_pilha.empty()) {
        return true;
    }
    const int topo = cartas_na_pilha.back();
    return crescente(pilha) ? valor > topo || valor == topo - 10
                            : valor < topo || valor == topo + 10;
}

std::vector<Jogada> jogadas(const Mao& mao, const Pilhas& ps) {
    std::vector<Jogada> lista;
    for (int slot = 0; slot < mesa::slots; ++slot) {
        const int valor = mao[static_cast<std::size_t>(slot)];
        for (int k = 0; valor != 0 && k < numero_de_pilhas; ++k) {
            if (aceita(k, ps[static_cast<std::size_t>(k)], valor)) {
                lista.emplace_back(slot, k);
            }
        }
    }
    return lista;
}

Jogada melhor_jogada(const Mao& mao, const Pilhas& ps, const std::vector<Jogada>& possiveis) {
    Jogada melhor = possiveis.front();
    int menor = 1000;
    for (const auto& [slot, k] : possiveis) {
        Mao depois = mao;
        Pilhas pilhas_depois = ps;
        const int valor = std::exchange(depois[static_cast<std::size_t>(slot)], 0);
        const int primeira = custo(k, ps[static_cast<std::size_t>(k)], valor);
        pilhas_depois[static_cast<std::size_t>(k)].push_back(valor);
        int total = primeira + 50; // nothing to play after it
        for (const auto& [slot2, k2] : jogadas(depois, pilhas_depois)) {
            total =
                std::min(total, primeira + custo(k2, pilhas_depois[static_cast<std::size_t>(k2)],
                                                 depois[static_cast<std::size_t>(slot2)]));
        }
        if (total < menor) {
            menor = total;
            melhor = {slot, k};
        }
    }
    return melhor;
}

} // namespace regras_de_referencia
