#include "tests/game/partidas_aleatorias.hpp"

#include <cstdlib>
#include <iostream>
#include <sstream>

// Whole games of random events through the play handler, with the table
// checked after every event (see fiscal_da_mesa). Seeded and reproducible: a
// failure names the seed and the event, and TREVALIA_SEMENTE and
// TREVALIA_EVENTOS rerun it.
namespace {

int inteiro_do_ambiente(const char* nome, int padrao) {
    const char* valor = std::getenv(nome);
    return valor != nullptr ? std::atoi(valor) : padrao;
}

TEST_F(PartidasAleatorias, NoCardIsEverLostAndEveryGameEndsByTheRules) {
    const int semente = inteiro_do_ambiente("TREVALIA_SEMENTE", 3);
    // At least this many events, and on until a game has been won and one
    // lost (about one greedy game in a hundred is won), within a bound.
    const int total = inteiro_do_ambiente("TREVALIA_EVENTOS", 100000);
    const int limite = std::max(total, 1000000);
    gerador.seed(static_cast<std::uint32_t>(semente));
    proximo_segundo = 1767225600 + semente; // 2026-01-01, then one deal a second
    int ganhas = 0, perdidas = 0, jogadas_feitas = 0;

    Jogo::JogarNovamente(m, c1, c2, d1, d2, monte, ok);
    std::string queixa = fiscal.conferir(movimento(0, 0), Jogo::Jogando, true);
    novo_jogo();
    while ((eventos < total || (eventos < limite && (ganhas == 0 || perdidas == 0))) &&
           queixa.empty()) {
        // Mostly one event at a time; now and then several at once, as a busy
        // machine delivers them: within the move the player planned, and for
        // all but the greedy player what they did meanwhile.
        if (pendentes.empty()) {
            planejar();
        }
        const int ruido = jogador == com_proposito ? 15 : jogador == caotico ? 60 : 0;
        std::deque<evento_jogo> lote;
        for (int n = sorteio(4) == 0 ? 2 + sorteio(5) : 1; n > 0; --n) {
            if (sorteio(100) < ruido || (pendentes.empty() && ruido > 0)) {
                lote.push_back(evento_caotico());
            } else if (!pendentes.empty()) {
                lote.push_back(pendentes.front());
                pendentes.pop_front();
            }
        }
        const int no_monte = monte.get_NroElementos() + m->get_NroElementos();
        queixa = jogar_lote(lote);
        jogadas_feitas += std::max(0, no_monte - monte.get_NroElementos() - m->get_NroElementos());

        if (queixa.empty() && Jogo::estado_jogo != Jogo::Jogando) {
            ++(Jogo::estado_jogo == Jogo::MostrandoGanhou ? ganhas : perdidas);
            // The result screen's play again.
            Jogo::seguir_resultado(2, m, c1, c2, d1, d2, monte, ok);
            queixa = fiscal.conferir(movimento(0, 0), Jogo::Jogando, true);
            ++partidas;
            novo_jogo();
        } else if (eventos_do_jogo > 3000) {
            // A game going nowhere: deal again by the button.
            ++partidas;
            novo_jogo();
            clicar(Jogo::painel().botao_dnv);
        }
    }

    if (!queixa.empty()) {
        std::ostringstream texto;
        texto << "seed " << semente << ", event " << eventos << ": " << queixa
              << "\nthe table: " << fiscal.em_texto() << "\nthe last events, oldest first:\n";
        for (const std::string& linha : ultimos) {
            texto << "  " << linha << "\n";
        }
        texto << "rerun: TREVALIA_SEMENTE=" << semente << " TREVALIA_EVENTOS=" << eventos
              << " test_game --gtest_filter=PartidasAleatorias.*";
        FAIL() << texto.str();
    }
    std::cout << eventos << " events, " << partidas << " games: " << ganhas << " won, " << perdidas
              << " lost, " << jogadas_feitas << " cards played\n";
    EXPECT_GE(ganhas, 1) << "no game was won: the won path went untested";
    EXPECT_GE(perdidas, 1);
}

} // namespace
