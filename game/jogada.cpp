#include "game/jogo.hpp"

#include "game/pilhas_jogo.hpp"
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
    case espera_janela::Sinal::Evento: {
        // One frame for the whole batch: a display that waits for the screen's
        // refresh on every frame would otherwise fall further behind the mouse
        // with every event it sends.
        const fonte_eventos da_janela = [](evento_jogo& proximo) {
            return espera_janela::proximo(janela(), proximo);
        };
        const lote fim = jogar_lote(evento, da_janela, m, c1, c2, d1, d2, monte, ok);
        mudou = fim.saiu ? seguir_lote(fim, da_janela, m, c1, c2, d1, d2, monte, ok)
                         : terminar_soltura_perdida(m, c1, c2, d1, d2);
        mudou = fim.mudou || mudou;
        break;
    }
    }
    // A pointer that only wanders over the table changes nothing: the same
    // picture is not drawn again.
    if (mudou && estado_jogo == Jogando) {
        desenhar_quadro(m, monte, entrada_jogo::carta_no_ar(em_jogo(m, c1, c2, d1, d2)));
    }
}

namespace {

// The requests after which the table is no longer what the player aimed at.
bool sai_da_mesa(entrada_jogo::Pedido pedido) {
    return pedido == entrada_jogo::Pedido::Fechar || pedido == entrada_jogo::Pedido::Menu ||
           pedido == entrada_jogo::Pedido::JogarNovamente;
}

} // namespace

Jogo::lote Jogo::jogar_lote(const evento_jogo& primeiro, const fonte_eventos& proximo, mesa* m,
                            pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                            pilha_decrescente* d2, fila_monte& monte, bool& ok) {
    // A request is acted on once the batch is read, never from inside it: the
    // menu's own wait would otherwise take the rest of the batch as its clicks.
    lote fim;
    evento_jogo evento = primeiro;
    do {
        const entrada_jogo::resposta resposta = tratar_evento(evento, m, c1, c2, d1, d2, monte, ok);
        fim.mudou = resposta.mudou || fim.mudou;
        fim.pedido = resposta.pedido;
        fim.saiu = sai_da_mesa(resposta.pedido) || estado_jogo != Jogando;
    } while (!fim.saiu && proximo(evento));
    return fim;
}

bool Jogo::seguir_lote(const lote& fim, const fonte_eventos& proximo, mesa* m, pilha_crescente* c1,
                       pilha_crescente* c2, pilha_decrescente* d1, pilha_decrescente* d2,
                       fila_monte& monte, bool& ok) {
    if (!fim.saiu) {
        return false;
    }
    bool fechou = fim.pedido == entrada_jogo::Pedido::Fechar;
    evento_jogo resto;
    while (proximo(resto)) {
        fechou = fechou || resto.tipo == evento_jogo::Fechada;
    }
    bool mudou = largar_carta_no_ar(m, c1, c2, d1, d2);
    if (fechou) {
        estado_jogo = Saindo;
        return mudou;
    }
    switch (fim.pedido) {
    case entrada_jogo::Pedido::Menu:
        // The menu covers the table, which is drawn again if play goes on.
        mostrar_menu();
        return true;
    case entrada_jogo::Pedido::JogarNovamente:
        JogarNovamente(m, c1, c2, d1, d2, monte, ok);
        return true;
    default:
        return mudou;
    }
}

bool Jogo::terminar_soltura_perdida(mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                                    pilha_decrescente* d1, pilha_decrescente* d2) {
    if (!selecionado || !espera_janela::soltura_perdida(janela())) {
        return false;
    }
    return largar_carta_no_ar(m, c1, c2, d1, d2);
}

bool Jogo::largar_carta_no_ar(mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                              pilha_decrescente* d1, pilha_decrescente* d2) {
    const bool segurava = selecionado;
    entrada_jogo::partida partida = em_jogo(m, c1, c2, d1, d2);
    const bool mudou = entrada_jogo::cancelar_arrasto(partida);
    prender_ou_soltar_ponteiro(segurava);
    return mudou;
}

void Jogo::prender_ou_soltar_ponteiro(bool segurava) {
    if (selecionado && !segurava) {
        capturar_ponteiro(janela());
    } else if (!selecionado && segurava) {
        liberar_ponteiro(janela());
    }
}

bool Jogo::repor_e_encerrar_desfazer(mesa* m, fila_monte& monte) {
    if (monte.get_NroElementos() <= 0) {
        return false;
    }
    const bool desfazer_antes = podeDesfazer;
    if (m->get_NroElementos() == mesa::para_repor) {
        bool ok = false;
        m->NovaDistribuicao(monte, ok);
        podeDesfazer = false;
        return true;
    }
    if (m->Cheia()) {
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

entrada_jogo::resposta Jogo::tratar_evento(const evento_jogo& evento, mesa* m, pilha_crescente* c1,
                                           pilha_crescente* c2, pilha_decrescente* d1,
                                           pilha_decrescente* d2, fila_monte& monte, bool& ok) {
    const bool reposta = repor_e_encerrar_desfazer(m, monte);
    entrada_jogo::partida partida = em_jogo(m, c1, c2, d1, d2);
    const bool segurava = selecionado;
    entrada_jogo::resposta resposta = entrada_jogo::tratar(evento, partida);
    resposta.mudou = resposta.mudou || reposta;
    if (resposta.pedido == entrada_jogo::Pedido::Desfazer) {
        Desfazer(m, c1, c2, d1, d2, ok);
        resposta.mudou = true;
    }
    prender_ou_soltar_ponteiro(segurava);
    if (evento.tipo == evento_jogo::BotaoSolto) {
        // The refill that a second play from a full hand makes due comes now,
        // so the end-of-game test sees the cards about to be dealt.
        resposta.mudou = repor_e_encerrar_desfazer(m, monte) || resposta.mudou;
        verificar_fim(m, c1, c2, d1, d2, monte);
    }
    return resposta;
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
    pilhas_jogo::desfazer(pilhas_jogo::de(c1, c2, d1, d2), *m,
                          {podeDesfazer, ultimaPilhaAtualizada}, ok);
}
