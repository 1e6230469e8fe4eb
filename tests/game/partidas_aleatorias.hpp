#pragma once

#include "tests/game/fiscal_da_mesa.hpp"
#include "tests/game/mesa_de_teste.hpp"

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

// The random play's fixture: its players, and the batches they send through
// the play pass with the table checked after every event (the test itself is
// partidas_aleatorias_test.cpp).
//
// Three players: a greedy one that plays the best-fitting card and wins now and
// then, a purposeful one that plays any card that fits, takes back, and drops
// cards where they do not go, and a chaotic one; the last two with random
// presses, releases, moves and keys of every button mixed into their moves.
class PartidasAleatorias : public MesaDeTeste {
protected:
    enum Jogador { guloso, com_proposito, caotico };

    static std::string ponto(int x, int y) {
        return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    }

    static std::string descrever(const evento_jogo& e) {
        const char* botoes[] = {"left", "right", "middle", "x1", "x2"};
        switch (e.tipo) {
        case evento_jogo::BotaoPressionado:
            return std::string("press ") + botoes[static_cast<int>(e.botao)] + " at " +
                   ponto(e.ponto.x, e.ponto.y);
        case evento_jogo::BotaoSolto:
            return std::string("release ") + botoes[static_cast<int>(e.botao)] + " at " +
                   ponto(e.ponto.x, e.ponto.y);
        case evento_jogo::MouseMovido:
            return "move to " + ponto(e.ponto.x, e.ponto.y);
        default:
            return "key " + std::to_string(static_cast<int>(e.tecla));
        }
    }

    // The deals' clock: one second further for every deal, from a start the seed
    // chooses, so the run's decks are known.
    static inline std::time_t proximo_segundo = 0;
    static std::time_t relogio_do_teste() { return proximo_segundo++; }

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
            p = dentro(
                pilha(sorteio(regras_de_referencia::numero_de_pilhas))->sprite.getGlobalBounds(),
                2);
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
        const std::vector<regras_de_referencia::Jogada> possiveis =
            regras_de_referencia::jogadas(fiscal.mao(), fiscal.pilhas());
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
        const regras_de_referencia::Jogada escolha =
            jogador == guloso
                ? regras_de_referencia::melhor_jogada(fiscal.mao(), fiscal.pilhas(), possiveis)
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
        ultimos.push_back(descrever(evento));
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
