#include "game/entrada_jogo.hpp"

#include "game/pilhas_jogo.hpp"

namespace {

using partida = entrada_jogo::partida;

sf::Vector2f ponto_do_evento(const evento_jogo& evento) {
    return sf::Vector2f(static_cast<float>(evento.ponto.x), static_cast<float>(evento.ponto.y));
}

// Straight on the sprite, as the drag moves it: a card whose picture failed
// to load ignores set_posicao, and left where it was dropped it would lie
// invisible over the hand and answer presses meant for the card beneath.
void mandar_para_casa(partida& p) {
    p.m->cartas_mesa[p.i]->sprite.setPosition(mesa::posicao_casa(p.i));
}

bool tem_carta(const mesa* m, int slot) {
    bool ok = false;
    const int valor = m->get_elemento_i(slot, ok);
    return ok && valor != 0;
}

// The slot a press at the point picks up. An emptied slot's sprite is hidden
// but still lies where its card was played, so only slots that hold a card
// count; and a card the player sees comes before one whose picture failed to
// load, which may still lie where an earlier card of its slot was played.
int carta_sob(sf::Vector2f ponto, const partida& p) {
    for (const bool visivel : {true, false}) {
        for (int slot = 0; slot < mesa::slots; ++slot) {
            const cartas* carta = p.m->cartas_mesa[slot];
            if (tem_carta(p.m, slot) && carta->get_carregada() == visivel && carta->contem(ponto)) {
                return slot;
            }
        }
    }
    return mesa::slots;
}

// The graphics library's own test: the right and bottom edges are outside.
bool sobre_pilha(const cartas* pilha, sf::Vector2f ponto) {
    return pilha->sprite.getGlobalBounds().contains(ponto);
}

} // namespace

entrada_jogo::resposta entrada_jogo::tratar(const evento_jogo& evento, partida& p) {
    switch (evento.tipo) {
    case evento_jogo::Fechada:
        return {false, Pedido::Fechar};
    case evento_jogo::FocoPerdido:
        // The release may go to the window that took the focus.
        return {cancelar_arrasto(p), Pedido::Nenhum};
    case evento_jogo::TeclaPressionada:
        if (evento.tecla == sf::Keyboard::Key::Escape) {
            // The menu is answered with a click whose release would otherwise
            // drop the card wherever the menu's button lies, perhaps on a pile.
            return {cancelar_arrasto(p), Pedido::Menu};
        }
        return {false, Pedido::Nenhum};
    case evento_jogo::BotaoPressionado:
        if (evento.botao == sf::Mouse::Button::Left) {
            // A card still held when the button goes down again lost its
            // release to another window: that drag ends as a release outside
            // every pile would, and this press is a press like any other.
            const bool mudou = cancelar_arrasto(p);
            return {mudou, pressionar(ponto_do_evento(evento), p)};
        }
        return {false, Pedido::Nenhum};
    case evento_jogo::BotaoSolto:
        // The drag belongs to the left button: another button's release
        // while it is held must not drop the card.
        if (evento.botao == sf::Mouse::Button::Left && arrastando(p)) {
            soltar(ponto_do_evento(evento), p);
            p.selecionado = false;
            return {true, Pedido::Nenhum};
        }
        return {false, Pedido::Nenhum};
    case evento_jogo::MouseMovido:
        if (arrastando(p)) {
            // Straight on the sprite, so even a card without its picture follows.
            p.m->cartas_mesa[p.i]->sprite.setPosition(ponto_do_evento(evento));
            return {true, Pedido::Nenhum};
        }
        return {false, Pedido::Nenhum};
    default:
        return {false, Pedido::Nenhum};
    }
}

entrada_jogo::Pedido entrada_jogo::pressionar(sf::Vector2f ponto, partida& p) {
    p.i = carta_sob(ponto, p);
    p.selecionado = p.i < mesa::slots;
    // The buttons lie apart, so a press hits one at most.
    if (p.podeDesfazer && p.painel.sobre_desfazer(ponto)) {
        // A card whose picture failed to load may lie under the button, where
        // an earlier card of its slot was played: the press undoes, and must
        // not also pick that card up for its release to play.
        cancelar_arrasto(p);
        return Pedido::Desfazer;
    }
    // Both end play, and the play pass sends home whatever this press picked
    // up before acting on them (Jogo::seguir_lote).
    if (p.painel.sobre_menu(ponto)) {
        return Pedido::Menu;
    }
    if (p.painel.sobre_jogar_novamente(ponto)) {
        return Pedido::JogarNovamente;
    }
    return Pedido::Nenhum;
}

void entrada_jogo::soltar(sf::Vector2f ponto, partida& p) {
    for (const pilhas_jogo::pilha& pilha : pilhas_jogo::de(p.c1, p.c2, p.d1, p.d2)) {
        if (sobre_pilha(pilha.cartas, ponto)) {
            const pilhas_jogo::registro desfazer{p.podeDesfazer, p.ultimaPilhaAtualizada};
            if (!pilhas_jogo::jogar(pilha, *p.m, p.i, p.janela, desfazer)) {
                mandar_para_casa(p);
            }
            return;
        }
    }
    mandar_para_casa(p);
}

bool entrada_jogo::cancelar_arrasto(partida& p) {
    const bool no_ar = arrastando(p);
    if (no_ar) {
        mandar_para_casa(p);
    }
    p.selecionado = false;
    return no_ar;
}

const cartas* entrada_jogo::carta_no_ar(const partida& p) {
    return arrastando(p) ? p.m->cartas_mesa[p.i] : nullptr;
}

bool entrada_jogo::arrastando(const partida& p) {
    return p.selecionado && p.i >= 0 && p.i < mesa::slots && tem_carta(p.m, p.i);
}
