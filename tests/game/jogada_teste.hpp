#pragma once

#include "tests/game/mesa_de_teste.hpp"

// The play pass's events, built by the test. The real pointer is kept away
// from where they happen, since presses and releases are judged at their own
// points, never at the live pointer.
class JogadaTeste : public MesaDeTeste {
protected:
    void SetUp() override {
        MesaDeTeste::SetUp();
        if (!Jogo::janela().isOpen()) {
            Jogo::janela().create(face_sfml::modo_video(450, 600), "Trevalia", sf::Style::Close);
        }
        mover_mouse(449, 599); // on no card, pile or button
    }

    static void mover_mouse(int x, int y) {
        sf::Mouse::setPosition(sf::Vector2i(x, y), Jogo::janela());
        ASSERT_EQ(sf::Mouse::getPosition(Jogo::janela()), sf::Vector2i(x, y));
    }

    // Drops the card of `slot` as if it had been dragged there.
    void soltar(int slot, int x, int y) {
        Jogo::selecionado = true;
        Jogo::i = slot;
        tratar(botao(evento_jogo::BotaoSolto, sf::Mouse::Button::Left, x, y));
        EXPECT_FALSE(Jogo::selecionado);
    }

    sf::Vector2f posicao(int slot) const { return m->cartas_mesa[slot]->sprite.getPosition(); }

    void arrastar(sf::Vector2i de, sf::Vector2i para) {
        tratar(botao(evento_jogo::BotaoPressionado, sf::Mouse::Button::Left, de.x, de.y));
        tratar(movimento(para.x, para.y));
        tratar(botao(evento_jogo::BotaoSolto, sf::Mouse::Button::Left, para.x, para.y));
    }
};
