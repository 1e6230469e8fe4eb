#include "game/jogo.hpp"

#include "game/entrada_jogo.hpp"
#include "plataforma/abrir_janela.hpp"
#include "plataforma/captura_ponteiro.hpp"
#include "plataforma/escala_arte.hpp"
#include "plataforma/espera_janela.hpp"
#include "plataforma/face_sfml.hpp"
#include "screens/ganhou.hpp"
#include "screens/instrucoes.hpp"
#include "screens/menu.hpp"
#include "screens/perdeu.hpp"
#include "screens/tela_inicial.hpp"

#include <memory>
#include <string>

gerenciador_cartas Jogo::_gerenciador_cartas;

Jogo::EstadoJogo Jogo::estado_jogo = Jogo::NaoIniciado;
bool Jogo::selecionado = false;
int Jogo::i = 0;
bool Jogo::podeDesfazer = false;
int Jogo::ultimaPilhaAtualizada = 0;

namespace {

const char* const fundo_crescente = "imagens/fundo0.jpg";
const char* const fundo_decrescente = "imagens/fundo100.jpg";

} // namespace

// The window, the panel's pictures and the background are made on first use,
// not with the statics: a window or texture object reaches for the display as
// it is made (so does a sprite on SFML 3, which cannot be without a texture),
// and SFML aborts the program when there is none, before main could tell the
// player why.
sf::RenderWindow& Jogo::janela() {
    static sf::RenderWindow janela;
    return janela;
}

painel_jogo& Jogo::painel() {
    static painel_jogo painel;
    return painel;
}

sf::Sprite& Jogo::background() {
    static sf::Sprite fundo = face_sfml::sprite_vazio();
    return fundo;
}

void Jogo::CriandoTudo() {
    // The window first: its scale decides which pictures the first deal reads.
    abrir_janela(janela());
    // The hand outlives the state loop; its card sprites belong to the
    // registry, which frees them (and the piles) at exit.
    std::unique_ptr<mesa> m(new mesa());
    fila_monte monte;
    pilha_crescente* c1 = new pilha_crescente();
    pilha_crescente* c2 = new pilha_crescente();
    pilha_decrescente* d1 = new pilha_decrescente();
    pilha_decrescente* d2 = new pilha_decrescente();
    bool ok = false;
    Start(m.get(), c1, c2, d1, d2, monte, ok);
}

void Jogo::Start(mesa* m, pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                 pilha_decrescente* d2, fila_monte& monte, bool& ok) {
    monte.InicializaElementos();
    c1->set_topo(-1);
    c2->set_topo(-1);
    d1->set_topo(-1);
    d2->set_topo(-1);
    m->LimpaMesa();
    m->PrimeiraDistribuicao(monte, ok);

    if (estado_jogo != NaoIniciado) {
        return;
    }

    sf::Texture textura_fundo;
    montar_mesa(textura_fundo, m, c1, c2, d1, d2);
    estado_jogo = MostrandoTelaInicial;
    while (!IsExiting()) {
        loop_jogo(m, c1, c2, d1, d2, monte, ok);
    }
    fechar_janela(janela());
}

void Jogo::montar_mesa(sf::Texture& textura_fundo, mesa* m, pilha_crescente* c1,
                       pilha_crescente* c2, pilha_decrescente* d1, pilha_decrescente* d2) {
    escala_arte::carregar(textura_fundo, background(), "imagens/fundo2.jpg");

    c1->carregar(fundo_crescente);
    c1->set_posicao(304.0f, 64.0f);
    c2->carregar(fundo_crescente);
    c2->set_posicao(100.0f, 64.0f);
    d1->carregar(fundo_decrescente);
    d1->set_posicao(304.0f, 228.0f);
    d2->carregar(fundo_decrescente);
    d2->set_posicao(100.0f, 228.0f);

    _gerenciador_cartas.adicionar("pilha_c1", c1);
    _gerenciador_cartas.adicionar("pilha_c2", c2);
    _gerenciador_cartas.adicionar("pilha_d1", d1);
    _gerenciador_cartas.adicionar("pilha_d2", d2);
    for (int slot = 0; slot < mesa::slots; ++slot) {
        _gerenciador_cartas.adicionar("teste" + std::to_string(slot), m->cartas_mesa[slot]);
    }
}

bool Jogo::IsExiting() {
    return estado_jogo == Saindo;
}

void Jogo::loop_jogo(mesa* m, pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                     pilha_decrescente* d2, fila_monte& monte, bool& ok) {
    const EstadoJogo antes = estado_jogo;
    switch (estado_jogo) {
    case MostrandoTelaInicial:
        mostrar_tela_inicial();
        break;
    case MostrandoMenu:
        mostrar_menu();
        break;
    case Jogando:
        passo_jogo(m, c1, c2, d1, d2, monte, ok);
        break;
    case MostrandoGanhou:
        mostrar_ganhou(m, c1, c2, d1, d2, monte, ok);
        break;
    case MostrandoPerdeu:
        mostrar_perdeu(m, c1, c2, d1, d2, monte, ok);
        break;
    case MostrandoInstrucoes:
        mostrar_instrucao();
        break;
    default:
        break;
    }
    // A screen that hands over to play leaves its own picture up: show the
    // table now rather than at the player's next move. No card is in the air
    // across a screen.
    if (antes != Jogando && estado_jogo == Jogando) {
        desenhar_quadro(m, monte, nullptr);
    }
}

void Jogo::mostrar_tela_inicial() {
    Tela_Inicial tela;
    tela.Mostrar(janela());
    estado_jogo = MostrandoMenu;
}

void Jogo::mostrar_menu() {
    Menu menu;
    seguir_menu(menu.Mostrar(janela()));
}

void Jogo::seguir_menu(int resposta) {
    switch (resposta) {
    case 1:
        estado_jogo = Saindo;
        break;
    case 2:
        estado_jogo = Jogando;
        break;
    case 3:
        estado_jogo = MostrandoInstrucoes;
        break;
    default:
        break;
    }
}

void Jogo::mostrar_instrucao() {
    // One object per visit, so every visit starts on page 1.
    Instrucoes instrucoes;
    instrucoes.set_k(1);
    while (!seguir_instrucao(instrucoes.Mostrar(janela()), instrucoes)) {
    }
}

bool Jogo::seguir_instrucao(int resposta, Instrucoes& instrucoes) {
    switch (resposta) {
    case 1:
        estado_jogo = MostrandoMenu;
        return true;
    case 2:
        estado_jogo = Jogando;
        return true;
    case 3:
        estado_jogo = Saindo;
        return true;
    case 4:
        instrucoes.proximo_k();
        return false;
    case 5:
        instrucoes.anterior_k();
        return false;
    default:
        return false;
    }
}

void Jogo::mostrar_ganhou(mesa* m, pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                          pilha_decrescente* d2, fila_monte& monte, bool& ok) {
    Ganhou tela;
    seguir_resultado(tela.Mostrar(janela()), m, c1, c2, d1, d2, monte, ok);
}

void Jogo::mostrar_perdeu(mesa* m, pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                          pilha_decrescente* d2, fila_monte& monte, bool& ok) {
    Perdeu tela;
    seguir_resultado(tela.Mostrar(janela()), m, c1, c2, d1, d2, monte, ok);
}

void Jogo::seguir_resultado(int resposta, mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                            pilha_decrescente* d1, pilha_decrescente* d2, fila_monte& monte,
                            bool& ok) {
    // Any other answer keeps the state, and the screen comes back.
    if (resposta == 1) {
        estado_jogo = Saindo;
    } else if (resposta == 2) {
        JogarNovamente(m, c1, c2, d1, d2, monte, ok);
    }
}

void Jogo::JogarNovamente(mesa* m, pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                          pilha_decrescente* d2, fila_monte& monte, bool& ok) {
    // The state is past NaoIniciado, so this only deals.
    Start(m, c1, c2, d1, d2, monte, ok);
    estado_jogo = Jogando;
    // The new deal is drawn before any event could clear the old game's undo
    // record, and its button must not show on a table with nothing to undo.
    podeDesfazer = false;
    c1->carregar(fundo_crescente);
    c2->carregar(fundo_crescente);
    d1->carregar(fundo_decrescente);
    d2->carregar(fundo_decrescente);
}

void Jogo::passo_jogo(mesa* m, pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                      pilha_decrescente* d2, fila_monte& monte, bool& ok) {
    evento_jogo evento;
    bool mudou = false;
    switch (espera_janela::esperar(janela(), evento)) {
    case espera_janela::Sinal::Fechada:
        // A window that is gone sends nothing more: leave rather than wait.
        estado_jogo = Saindo;
        return;
    case espera_janela::Sinal::Repintar:
        mudou = true;
        break;
    case espera_janela::Sinal::Evento:
        // One frame for the whole batch: a display that waits for the screen's
        // refresh on every frame would otherwise fall further behind the mouse
        // with every event it sends.
        do {
            mudou = tratar_evento(evento, m, c1, c2, d1, d2, monte, ok) || mudou;
        } while (espera_janela::proximo(janela(), evento));
        mudou = terminar_soltura_perdida(m, c1, c2, d1, d2) || mudou;
        break;
    }
    // A pointer that only wanders over the table changes nothing: the same
    // picture is not drawn again.
    if (mudou && estado_jogo == Jogando) {
        desenhar_quadro(m, monte, entrada_jogo::carta_no_ar(em_jogo(m, c1, c2, d1, d2)));
    }
}

bool Jogo::terminar_soltura_perdida(mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                                    pilha_decrescente* d1, pilha_decrescente* d2) {
    if (!selecionado || !espera_janela::soltura_perdida(janela())) {
        return false;
    }
    entrada_jogo::partida partida = em_jogo(m, c1, c2, d1, d2);
    const bool mudou = entrada_jogo::cancelar_arrasto(partida);
    seguir_ponteiro(true);
    return mudou;
}

void Jogo::seguir_ponteiro(bool segurava) {
    if (selecionado && !segurava) {
        capturar_ponteiro(janela());
    } else if (!selecionado && segurava) {
        liberar_ponteiro(janela());
    }
}

bool Jogo::verificar_reposicao(mesa* m, fila_monte& monte) {
    if (monte.get_NroElementos() <= 0) {
        return false;
    }
    const bool desfazer_antes = podeDesfazer;
    if (m->get_NroElementos() == 6) {
        bool ok = false;
        m->NovaDistribuicao(monte, ok);
        podeDesfazer = false;
        return true;
    }
    if (m->get_NroElementos() == 8) {
        podeDesfazer = false;
    }
    return desfazer_antes != podeDesfazer;
}

void Jogo::desenhar_quadro(mesa* m, fila_monte& monte, const cartas* no_ar) {
    painel().preparar();
    painel().set_contagem(monte.get_NroElementos() + m->get_NroElementos());
    janela().clear(sf::Color(0, 0, 0, 255));
    janela().draw(background());
    painel().desenhar(janela(), podeDesfazer);
    _gerenciador_cartas.desenhar_todos(janela(), no_ar);
    janela().display();
}

entrada_jogo::partida Jogo::em_jogo(mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                                    pilha_decrescente* d1, pilha_decrescente* d2) {
    return {m,        c1,      c2, d1, d2, selecionado, i, podeDesfazer, ultimaPilhaAtualizada,
            painel(), janela()};
}

bool Jogo::tratar_evento(const evento_jogo& evento, mesa* m, pilha_crescente* c1,
                         pilha_crescente* c2, pilha_decrescente* d1, pilha_decrescente* d2,
                         fila_monte& monte, bool& ok) {
    bool mudou = verificar_reposicao(m, monte);
    entrada_jogo::partida partida = em_jogo(m, c1, c2, d1, d2);
    const bool segurava = selecionado;
    const entrada_jogo::resposta resposta = entrada_jogo::tratar(evento, partida);
    mudou = resposta.mudou || mudou;
    switch (resposta.pedido) {
    case entrada_jogo::Pedido::Nenhum:
        break;
    case entrada_jogo::Pedido::Fechar:
        estado_jogo = Saindo;
        break;
    case entrada_jogo::Pedido::Desfazer:
        Desfazer(m, c1, c2, d1, d2, ok);
        mudou = true;
        break;
    case entrada_jogo::Pedido::Menu:
        // The menu covers the table, which is drawn again if play goes on.
        mostrar_menu();
        mudou = true;
        break;
    case entrada_jogo::Pedido::JogarNovamente:
        JogarNovamente(m, c1, c2, d1, d2, monte, ok);
        mudou = true;
        break;
    }
    seguir_ponteiro(segurava);
    if (evento.tipo == evento_jogo::BotaoSolto) {
        // The refill that a second play from a full hand makes due comes now,
        // so the end-of-game test sees the cards about to be dealt.
        mudou = verificar_reposicao(m, monte) || mudou;
        verificar_fim(m, c1, c2, d1, d2, monte);
    }
    return mudou;
}

void Jogo::verificar_fim(mesa* m, pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                         pilha_decrescente* d2, fila_monte& monte) {
    if (VerificaGanhou(*m, monte)) {
        estado_jogo = MostrandoGanhou;
    } else if (VerificaGameOver(*m, *c1, *c2, *d1, *d2)) {
        estado_jogo = MostrandoPerdeu;
    }
}

void Jogo::Desfazer(mesa* m, pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                    pilha_decrescente* d2, bool& ok) {
    if (!podeDesfazer) {
        return;
    }
    // Spent first, whatever follows.
    podeDesfazer = false;

    pilha_burra* pilha = nullptr;
    const char* fundo = nullptr;
    switch (ultimaPilhaAtualizada) {
    case 1:
        pilha = c1;
        fundo = fundo_crescente;
        break;
    case 2:
        pilha = c2;
        fundo = fundo_crescente;
        break;
    case 3:
        pilha = d1;
        fundo = fundo_decrescente;
        break;
    case 4:
        pilha = d2;
        fundo = fundo_decrescente;
        break;
    default:
        ok = false;
        return;
    }

    // A full hand has no room for the card: it stays on its pile rather than
    // being lost between the two.
    if (m->Cheia()) {
        ok = false;
        return;
    }

    int valor = 0;
    pilha->Desempilha(valor, ok);
    if (!ok) {
        return;
    }
    if (pilha->Vazia()) {
        pilha->carregar(fundo);
    } else {
        pilha->carregar(entrada_jogo::figura_pilha(pilha->get_elemento_topo()));
    }
    m->insereMesa(valor, ok);
}
