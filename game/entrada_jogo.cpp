#include "game/entrada_jogo.hpp"

#include "game/jogo.hpp"

namespace {

sf::Vector2f ponto_do_botao(const sf::Event& evento) {
    return sf::Vector2f(static_cast<float>(evento.mouseButton.x),
                        static_cast<float>(evento.mouseButton.y));
}

sf::Vector2f ponto_do_movimento(const sf::Event& evento) {
    return sf::Vector2f(static_cast<float>(evento.mouseMove.x),
                        static_cast<float>(evento.mouseMove.y));
}

void mandar_para_casa(mesa* m, int slot) {
    const sf::Vector2f casa = mesa::posicao_casa(slot);
    m->cartas_mesa[slot]->set_posicao(casa.x, casa.y);
}

// Each kind of pile has its own rule, so the drop is written once for both.
template <typename Pilha> void jogar_na_pilha(Pilha* pilha, int codigo, mesa* m) {
    bool ok = false;
    const int valor = m->get_elemento_i(Jogo::i, ok);
    pilha->Empilha(valor, ok);
    if (ok && valor != 0) {
        Jogo::podeDesfazer = true;
        Jogo::ultimaPilhaAtualizada = codigo;
        pilha->carregar(Jogo::figura_pilha(valor));
        m->removeMesa(Jogo::janela, Jogo::i);
    } else if (ok) {
        // The invisible sprite of an emptied slot was dropped: its 0 is no card.
        int descartado = 0;
        pilha->Desempilha(descartado, ok);
    } else {
        mandar_para_casa(m, Jogo::i);
    }
}

// The graphics library's own test: the right and bottom edges are outside.
bool sobre_pilha(const cartas* pilha, sf::Vector2f ponto) {
    return pilha->sprite.getGlobalBounds().contains(ponto);
}

} // namespace

void entrada_jogo::tratar(const sf::Event& evento, mesa* m, pilha_crescente* c1,
                          pilha_crescente* c2, pilha_decrescente* d1, pilha_decrescente* d2,
                          fila_monte& monte, bool& ok) {
    switch (evento.type) {
    case sf::Event::Closed:
        Jogo::estado_jogo = Jogo::Saindo;
        break;
    case sf::Event::KeyPressed:
        if (evento.key.code == sf::Keyboard::Escape) {
            abrir_menu(m);
        }
        break;
    case sf::Event::MouseButtonPressed:
        if (evento.mouseButton.button == sf::Mouse::Left) {
            pressionar(ponto_do_botao(evento), m, c1, c2, d1, d2, monte, ok);
        }
        break;
    case sf::Event::MouseButtonReleased:
        // The drag belongs to the left button: another button's release
        // while it is held must not drop the card.
        if (evento.mouseButton.button == sf::Mouse::Left && arrastando()) {
            soltar(ponto_do_botao(evento), m, c1, c2, d1, d2);
            Jogo::selecionado = false;
        }
        // The refill that a second play from a full hand makes due comes now,
        // so the end-of-game test sees the cards about to be dealt.
        Jogo::verificar_reposicao(m, monte);
        Jogo::verificar_fim(m, c1, c2, d1, d2, monte);
        break;
    case sf::Event::MouseMoved:
        if (arrastando()) {
            arrastar(ponto_do_movimento(evento), m);
        }
        break;
    default:
        break;
    }
}

void entrada_jogo::pressionar(sf::Vector2f ponto, mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                              pilha_decrescente* d1, pilha_decrescente* d2, fila_monte& monte,
                              bool& ok) {
    if (!Jogo::selecionado) {
        for (Jogo::i = 0; Jogo::i < mesa::slots; ++Jogo::i) {
            if (m->cartas_mesa[Jogo::i]->contem(ponto)) {
                Jogo::selecionado = true;
                break;
            }
        }
    }
    if (Jogo::podeDesfazer && Jogo::painel.sobre_desfazer(ponto)) {
        Jogo::Desfazer(m, c1, c2, d1, d2, ok);
    }
    if (Jogo::painel.sobre_menu(ponto)) {
        abrir_menu(m);
    }
    if (Jogo::painel.sobre_jogar_novamente(ponto)) {
        // A card held over into the new deal would follow the pointer
        // without having been picked up.
        cancelar_arrasto(m);
        Jogo::JogarNovamente(m, c1, c2, d1, d2, monte, ok);
    }
}

void entrada_jogo::soltar(sf::Vector2f ponto, mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                          pilha_decrescente* d1, pilha_decrescente* d2) {
    if (sobre_pilha(c1, ponto)) {
        jogar_na_pilha(c1, 1, m);
    } else if (sobre_pilha(c2, ponto)) {
        jogar_na_pilha(c2, 2, m);
    } else if (sobre_pilha(d1, ponto)) {
        jogar_na_pilha(d1, 3, m);
    } else if (sobre_pilha(d2, ponto)) {
        jogar_na_pilha(d2, 4, m);
    } else {
        mandar_para_casa(m, Jogo::i);
    }
}

void entrada_jogo::arrastar(sf::Vector2f ponto, mesa* m) {
    // Straight on the sprite, so even a card without its picture follows.
    m->cartas_mesa[Jogo::i]->sprite.setPosition(ponto);
}

void entrada_jogo::abrir_menu(mesa* m) {
    // The menu is answered with a click whose release would otherwise drop
    // the card wherever the menu's button lies, perhaps on a pile.
    cancelar_arrasto(m);
    Jogo::mostrar_menu();
}

void entrada_jogo::cancelar_arrasto(mesa* m) {
    if (arrastando()) {
        mandar_para_casa(m, Jogo::i);
    }
    Jogo::selecionado = false;
}

bool entrada_jogo::arrastando() {
    return Jogo::selecionado && Jogo::i >= 0 && Jogo::i < mesa::slots;
}
