#include "game/jogo.hpp"

#include "plataforma/captura_ponteiro.hpp"
#include "plataforma/espera_janela.hpp"
#include "plataforma/tamanho_janela.hpp"

// The play pass (the table's events, drawn once a batch) and undo: the part of
// the game that runs while the table is shown. The rest, from start-up to the
// screens around play, is jogo.cpp's.

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
    tamanho_janela::limpar(janela());
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
