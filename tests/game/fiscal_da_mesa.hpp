#pragma once

#include "game/jogo.hpp"
#include "tests/game/regras_de_referencia.hpp"

#include <SFML/Graphics.hpp>
#include <array>
#include <string>

// Watches a table through whole games, one event at a time, and tells what
// went wrong: a card lost or doubled, a pile that broke its rule or shows
// another card than its top, a hand card not shown or away from home, an empty
// slot in the air or a press on a card that picked up another, an undo
// button shown when no undo is allowed or hidden when one is, a game that did
// not end when won or lost, or ended when it was neither.
//
// It learns the piles' cards from watching them grow and shrink, and which
// picture a sprite shows from its size (see the sizes below): the test's
// pictures must be made with them.
class fiscal_da_mesa {
public:
    fiscal_da_mesa(mesa* m, pilha_burra* c1, pilha_burra* c2, pilha_burra* d1, pilha_burra* d2,
                   const fila_monte& monte);

    // Each picture's size, which tells it apart from every other.
    static sf::Vector2u tamanho_mao(int valor);
    static sf::Vector2u tamanho_pilha(int valor);
    static sf::Vector2u tamanho_base(int pilha);

    // After an event, given the state before it and whether it dealt anew; an
    // empty answer when all is well. Call it after the first deal too.
    std::string conferir(const evento_jogo& evento, Jogo::EstadoJogo estado_antes, bool deu);

    regras_de_referencia::Mao mao() const;
    const regras_de_referencia::Pilhas& pilhas() const { return empilhadas; }
    bool pode_desfazer() const { return podia_desfazer; }
    // The table in one line, and an event in words, for a failure's message.
    std::string em_texto() const;
    static std::string evento_em_texto(const evento_jogo& evento);

private:
    pilha_burra* pilha(int k) const { return todas[static_cast<std::size_t>(k)]; }
    std::string conferir_pilhas(bool deu, bool& jogou, bool& devolveu);
    std::string conferir_cartas();
    std::string conferir_arrasto(const evento_jogo& evento, bool deu);
    std::string conferir_desfazer(bool mudou, bool jogou);
    std::string conferir_fim(const evento_jogo& evento, Jogo::EstadoJogo esperado);

    mesa* m;
    std::array<pilha_burra*, regras_de_referencia::numero_de_pilhas> todas;
    const fila_monte& monte;

    regras_de_referencia::Pilhas empilhadas;
    std::array<bool, 100> na_mao_antes{};
    int no_monte_antes = 0;
    bool podia_desfazer = false;
    int pilha_desfeita = 0;
};
