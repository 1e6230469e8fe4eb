// Soak: the game's own table, window and pictures through 1000 new deals and
// 2000 drags, with the resident memory sampled as it goes. It must stay flat:
// a new deal or a play that leaks shows up as a climb.
//
//     make bench-soak        (or, from the build folder: bench/trevalia_soak)
//
// Run from the folder that holds imagens/. Every event goes through the play
// pass's own handling, and a frame is drawn after each, as when the player's
// events arrive one at a time. Linux: the memory is read from /proc/self/statm.
// Exit status 1 when the memory grows by more than 2 MB after the warm-up.

#include "game/jogo.hpp"
#include "plataforma/abrir_janela.hpp"
#include "plataforma/escala_arte.hpp"
#include "tests/game/regras_de_referencia.hpp"

#include <cstdio>
#include <fstream>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <unistd.h>
#include <vector>

namespace {

const int rodadas = 1000;      // one new deal and two drags each
const int aquecimento = 100;   // rounds before the baseline is taken
const int amostra_a_cada = 50; // rounds
const double tolerancia_mb = 2.0;

double memoria_residente_mb() {
    std::ifstream statm("/proc/self/statm");
    long paginas_total = 0, residentes = 0;
    if (!(statm >> paginas_total >> residentes)) {
        return -1.0;
    }
    return static_cast<double>(residentes) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
           (1024.0 * 1024.0);
}

evento_jogo botao(evento_jogo::Tipo tipo, sf::Vector2f p) {
    evento_jogo evento;
    evento.tipo = tipo;
    evento.ponto = sf::Vector2i(p);
    return evento;
}

evento_jogo movimento(sf::Vector2f p) {
    return botao(evento_jogo::MouseMovido, p);
}

sf::Vector2f centro(const sf::FloatRect& r) {
    return face_sfml::posicao(r) + face_sfml::tamanho(r) / 2.0f;
}

class mesa_de_soak {
public:
    mesa_de_soak() {
        // Past NaoIniciado, a start only deals: the loop of screens never runs.
        Jogo::estado_jogo = Jogo::Jogando;
        abrir_janela(Jogo::janela());
        Jogo::montar_mesa(textura_fundo, m, c1, c2, d1, d2);
        Jogo::JogarNovamente(m, c1, c2, d1, d2, monte, ok);
    }

    ~mesa_de_soak() { escala_arte::esquecer(textura_fundo); }

    // One event as the play pass handles it, then the frame.
    void tratar(const evento_jogo& evento) {
        Jogo::tratar_evento(evento, m, c1, c2, d1, d2, monte, ok);
        Jogo::desenhar_quadro(m, monte,
                              entrada_jogo::carta_no_ar(Jogo::em_jogo(m, c1, c2, d1, d2)));
    }

    void nova_distribuicao() {
        const sf::Vector2f botao_dnv = centro(Jogo::painel().botao_dnv.getGlobalBounds());
        tratar(botao(evento_jogo::BotaoPressionado, botao_dnv));
        tratar(botao(evento_jogo::BotaoSolto, botao_dnv));
    }

    // A card that fits onto its pile if there is one, else the first card onto
    // the first pile (refused, it goes home).
    void arrastar() {
        regras_de_referencia::Mao mao{};
        regras_de_referencia::Pilhas topos;
        pilha_burra* pilhas[] = {c1, c2, d1, d2};
        for (int slot = 0; slot < mesa::slots; ++slot) {
            mao[static_cast<std::size_t>(slot)] = m->get_elemento_i(slot, ok);
        }
        for (std::size_t k = 0; k < topos.size(); ++k) {
            if (!pilhas[k]->Vazia()) {
                topos[k].push_back(pilhas[k]->get_elemento_topo());
            }
        }
        const std::vector<regras_de_referencia::Jogada> possiveis =
            regras_de_referencia::jogadas(mao, topos);
        const regras_de_referencia::Jogada jogada =
            possiveis.empty() ? regras_de_referencia::Jogada(0, 0) : possiveis.front();
        const sf::Vector2f de = mesa::posicao_casa(jogada.first);
        const sf::Vector2f para = centro(pilhas[jogada.second]->sprite.getGlobalBounds());
        tratar(botao(evento_jogo::BotaoPressionado, de));
        for (int passo = 1; passo <= 3; ++passo) {
            tratar(movimento(de + (para - de) * (static_cast<float>(passo) / 3.0f)));
        }
        const int antes = monte.get_NroElementos() + m->get_NroElementos();
        tratar(botao(evento_jogo::BotaoSolto, para));
        jogadas += antes - monte.get_NroElementos() - m->get_NroElementos();
    }

    int jogadas = 0; // cards played

private:
    // Owned by the registry once the table is set up, like the game's own.
    mesa* m = new mesa();
    pilha_crescente* c1 = new pilha_crescente();
    pilha_crescente* c2 = new pilha_crescente();
    pilha_decrescente* d1 = new pilha_decrescente();
    pilha_decrescente* d2 = new pilha_decrescente();
    fila_monte monte;
    sf::Texture textura_fundo;
    bool ok = false;
};

} // namespace

int main() {
#ifdef __GLIBC__
    // glibc raises its mmap threshold as large blocks are freed, and from then
    // on serves them from a heap that fragments: the resident memory climbs by
    // a MiB now and then and stays there, though nothing is lost (seen in about
    // one run in three, up to 3.5 MB; valgrind finds no leak). A fixed
    // threshold keeps that out of the figure, so a climb here is a real one.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    mesa_de_soak mesa_soak;
    double base = 0.0, maximo = 0.0;
    std::printf("round  resident MB\n");
    for (int rodada = 1; rodada <= rodadas; ++rodada) {
        mesa_soak.nova_distribuicao();
        mesa_soak.arrastar();
        mesa_soak.arrastar();
        if (rodada % amostra_a_cada != 0 && rodada != aquecimento) {
            continue;
        }
        const double agora = memoria_residente_mb();
        if (agora < 0) {
            std::printf("resident memory unknown here (no /proc/self/statm)\n");
            return 0;
        }
        std::printf("%5d  %8.2f\n", rodada, agora);
        if (rodada == aquecimento) {
            base = maximo = agora;
        } else if (rodada > aquecimento && agora > maximo) {
            maximo = agora;
        }
    }
    Jogo::janela().close();
    std::printf("%d new deals, %d drags (%d cards played): resident memory %.2f MB after the "
                "warm-up, at most %.2f MB (growth %.2f MB, allowed %.1f MB)\n",
                rodadas, 2 * rodadas, mesa_soak.jogadas, base, maximo, maximo - base,
                tolerancia_mb);
    return maximo - base <= tolerancia_mb ? 0 : 1;
}
