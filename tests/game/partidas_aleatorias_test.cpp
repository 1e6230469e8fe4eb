#include "tests/game/fiscal_da_mesa.hpp"
#include "tests/game/mesa_de_teste.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <sstream>
#include <utility>
#include <vector>

// Whole games of random events through the play handler, with the table
// checked after every event (see fiscal_da_mesa). Seeded and reproducible: a
// failure names the seed and the event, and TREVALIA_SEMENTE and
// TREVALIA_EVENTOS rerun it.
namespace {

using namespace regras_de_referencia;

int inteiro_do_ambiente(const char* nome, int padrao) {
    const char* valor = std::getenv(nome);
    return valor != nullptr ? std::atoi(valor) : padrao;
}

// The deals' clock: one second further for every deal, from a start the seed
// chooses, so the run's decks are known.
std::time_t proximo_segundo = 0;
std::time_t relogio_do_teste() {
    return proximo_segundo++;
}

// Three players: a greedy one that plays the best-fitting card and wins now and
// then, a purposeful one that plays any card that fits, takes back, and drops
// cards where they do not go, and a chaotic one; the last two with random
// presses, releases, moves and keys of every button mixed into their moves.
class PartidasAleatorias : public MesaDeTeste {
protected:
    enum Jogador { guloso, com_proposito, caotico };

    void SetUp() override {
        MesaDeTeste::SetUp();
        for (int v = 1; v <= 99; ++v) {
            const sf::Vector2u mao = fiscal_da_mesa::tamanho_mao(v);
            const sf::Vector2u pilha = fiscal_da_mesa::tamanho_pilha(v);
            pasta.criar_imagem("cartaazul" + std::to_string(v) + ".jpg", mao.x, mao.y);
            pasta.criar_imagem("cartaroxa" + std::to_string(v) + ".jpg", pilha.x, pilha.y);
        }
        for (int k : {0, 2}) {
            const sf::Vector2u base = fiscal_da_mesa::tamanho_base(k);
            pasta.criar_imagem(k == 0 ? "fundo0.jpg" : "fundo100.jpg", base.x, base.y);
        }
        // The buttons at their real sizes.
        pasta.criar_imagem("desfazer.png", 88, 32);
        pasta.criar_imagem("botao_menu.png", 96, 30);
        pasta.criar_imagem("botao_dnv.png", 132, 30);
        Jogo::painel().carregar();
        relogio_anterior = fila_monte::relogio;
        fila_monte::relogio = relogio_do_teste;
    }

    void TearDown() override {
        fila_monte::relogio = relogio_anterior;
        MesaDeTeste::TearDown();
    }

    pilha_burra* pilha(int k) const {
        pilha_burra* todas[] = {c1, c2, d1, d2};
        return todas[k];
    }

    int sorteio(int n) { return static_cast<int>(gerador() % static_cast<std::uint32_t>(n)); }

    // A point of the rectangle grown by `folga` on every side (shrunk if negative).
    sf::Vector2f dentro(const sf::FloatRect& r, float folga) {
        const sf::Vector2f canto = face_sfml::posicao(r);
        const sf::Vector2f lados = face_sfml::tamanho(r);
        const int largura = std::max(1, static_cast<int>(lados.x + 2 * folga));
        const int altura = std::max(1, static_cast<int>(lados.y + 2 * folga));
        return {canto.x - folga + static_cast<float>(sorteio(largura)),
                canto.y - folga + static_cast<float>(sorteio(altura))};
    }

    void enfileirar(evento_jogo::Tipo tipo, sf::Vector2f p) {
        const int x = static_cast<int>(p.x), y = static_cast<int>(p.y);
        pendentes.push_back(tipo == evento_jogo::MouseMovido
                                ? movimento(x, y)
                                : botao(tipo, sf::Mouse::Button::Left, x, y));
    }

    void arrastar(sf::Vector2f de, sf::Vector2f para) {
        enfileirar(evento_jogo::BotaoPressionado, de);
        for (int passo = 1, passos = 1 + sorteio(4); passo <= passos; ++passo) {
            enfileirar(evento_jogo::MouseMovido,
                       de + (para - de) * (static_cast<float>(passo) / static_cast<float>(passos)));
        }
        enfileirar(evento_jogo::BotaoSolto, para);
    }

    void clicar(const sf::Sprite& botao_do_painel) {
        const sf::FloatRect r = botao_do_painel.getGlobalBounds();
        enfileirar(evento_jogo::BotaoPressionado, dentro(r, -2));
        enfileirar(evento_jogo::BotaoSolto, dentro(r, -2));
    }

    // Anywhere that matters, edges and just outside included; never the menu
    // button, whose menu waits on the window.
    sf::Vector2f ponto_caotico() {
        sf::Vector2f p;
        const int onde = sorteio(10);
        if (onde < 3) {
            p = dentro(m->cartas_mesa[sorteio(mesa::slots)]->get_bounding_rect(), 2);
        } else if (onde < 6) {
            p = dentro(pilha(sorteio(numero_de_pilhas))->sprite.getGlobalBounds(), 2);
        } else if (onde == 6) {
            p = dentro(Jogo::painel().desfazer.getGlobalBounds(), 2);
        } else if (onde == 7 && sorteio(20) == 0) {
            p = dentro(Jogo::painel().botao_dnv.getGlobalBounds(), 0);
        } else if (onde == 8 && Jogo::i >= 0 && Jogo::i < mesa::slots) {
            p = m->cartas_mesa[Jogo::i]->sprite.getPosition();
        } else {
            p = sf::Vector2f(static_cast<float>(sorteio(450)), static_cast<float>(sorteio(600)));
        }
        return Jogo::painel().sobre_menu(p) ? sf::Vector2f(20, 300) : p;
    }

    evento_jogo evento_caotico() {
        const sf::Mouse::Button qual =
            sorteio(10) < 7 ? sf::Mouse::Button::Left
                            : (sorteio(2) ? sf::Mouse::Button::Right : sf::Mouse::Button::Middle);
        const sf::Vector2f p = ponto_caotico();
        const int x = static_cast<int>(p.x), y = static_cast<int>(p.y);
        switch (sorteio(7)) {
        case 0:
        case 1:
            return botao(evento_jogo::BotaoPressionado, qual, x, y);
        case 2:
        case 3:
            return botao(evento_jogo::BotaoSolto, qual, x, y);
        case 4:
            return tecla(sorteio(2) ? sf::Keyboard::Key::Space : sf::Keyboard::Key::Enter);
        default:
            return movimento(x, y);
        }
    }

    // The player's next move, as a few events.
    void planejar() {
        const std::vector<Jogada> possiveis = jogadas(fiscal.mao(), fiscal.pilhas());
        if (possiveis.empty() || sorteio(100) < (jogador == guloso ? 0 : 8)) {
            // Nothing to play (the release lets the game see it), or a card
            // taken somewhere it may not go.
            arrastar(m->cartas_mesa[sorteio(mesa::slots)]->sprite.getPosition(), ponto_caotico());
            return;
        }
        if (jogador != guloso && fiscal.pode_desfazer() && sorteio(10) == 0) {
            clicar(Jogo::painel().desfazer);
            return;
        }
        const Jogada escolha = jogador == guloso
                                   ? melhor_jogada(fiscal.mao(), fiscal.pilhas(), possiveis)
                                   : possiveis[sorteio(static_cast<int>(possiveis.size()))];
        arrastar(m->cartas_mesa[escolha.first]->sprite.getPosition(),
                 dentro(pilha(escolha.second)->sprite.getGlobalBounds(), -2));
    }

    void novo_jogo() {
        // Every other game greedy: the games that get won.
        const Jogador vez[] = {guloso, com_proposito, guloso, caotico};
        jogador = vez[partidas % 4];
        eventos_do_jogo = 0;
        pendentes.clear();
    }

    // One event as a play pass takes it; the check, once the pass is done with it.
    std::function<std::string()> jogar(const evento_jogo& evento) {
        ++eventos;
        ++eventos_do_jogo;
        ultimos.push_back(fiscal_da_mesa::evento_em_texto(evento));
        if (ultimos.size() > 12) {
            ultimos.pop_front();
        }
        const Jogo::EstadoJogo antes = Jogo::estado_jogo;
        // A left press on the play-again button deals anew, dragging or not.
        const bool da_de_novo =
            evento.tipo == evento_jogo::BotaoPressionado &&
            evento.botao == sf::Mouse::Button::Left &&
            Jogo::painel().sobre_jogar_novamente(sf::Vector2f(static_cast<float>(evento.ponto.x),
                                                              static_cast<float>(evento.ponto.y)));
        return [this, evento, antes, da_de_novo] {
            return fiscal.conferir(evento, antes, da_de_novo);
        };
    }

    // A batch through the play pass, as the window hands it out, checked after
    // every event the pass takes. Where play ends inside it, the rest is not
    // the table's: no card stays in the air and nothing more is played.
    std::string jogar_lote(std::deque<evento_jogo> lote) {
        const std::function<std::string()> nada = [] { return std::string(); };
        std::function<std::string()> conferir = nada;
        std::string queixa;
        const Jogo::fonte_eventos tomar = [&](evento_jogo& evento) {
            queixa = std::exchange(conferir, nada)();
            if (!queixa.empty() || !fila(lote)(evento)) {
                return false;
            }
            conferir = jogar(evento);
            return true;
        };
        evento_jogo primeiro;
        tomar(primeiro);
        const Jogo::lote fim = Jogo::jogar_lote(primeiro, tomar, m, c1, c2, d1, d2, monte, ok);
        const regras_de_referencia::Mao mao_antes = fiscal.mao();
        Jogo::seguir_lote(fim, fila(lote), m, c1, c2, d1, d2, monte, ok);
        if (queixa.empty() && fim.saiu &&
            (Jogo::selecionado ||
             (fim.pedido != entrada_jogo::Pedido::JogarNovamente && fiscal.mao() != mao_antes))) {
            queixa = "after play ended, a card is in the air or the rest of the batch was played";
        }
        return queixa.empty() ? conferir() : queixa;
    }

    fiscal_da_mesa fiscal{m, c1, c2, d1, d2, monte};
    std::mt19937 gerador;
    std::deque<evento_jogo> pendentes;
    std::deque<std::string> ultimos;
    Jogador jogador = guloso;
    int partidas = 0;
    int eventos = 0; // handled so far; the one that fails is named by this
    int eventos_do_jogo = 0;

private:
    std::time_t (*relogio_anterior)() = nullptr;
};

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
        // Mostly one event at a time, now and then several as a busy machine
        // sends them: of the planned move, and all but the greedy player's noise.
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
