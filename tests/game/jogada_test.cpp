#include "tests/game/mesa_de_teste.hpp"

#include <algorithm>
#include <vector>

namespace {

// The play pass's handling of events, with the real pointer moved over the
// window where the game reads the live mouse position.
class JogadaTeste : public MesaDeTeste {
protected:
    void SetUp() override {
        MesaDeTeste::SetUp();
        abrir_janela();
    }

    static void mover_mouse(int x, int y) {
        sf::Mouse::setPosition(sf::Vector2i(x, y), Jogo::janela);
        ASSERT_EQ(sf::Mouse::getPosition(Jogo::janela), sf::Vector2i(x, y));
    }

    // What the drag leaves behind when the press picked up slot `slot`.
    static void arrastando(int slot) {
        Jogo::selecionado = true;
        Jogo::i = slot;
    }

    void soltar_em(int x, int y) {
        mover_mouse(x, y);
        tratar(clique(sf::Event::MouseButtonReleased, sf::Mouse::Left, x, y));
    }

    static sf::Vector2f posicao(const cartas* carta) {
        return sf::Vector2f(carta->get_x(), carta->get_y());
    }
};

TEST_F(JogadaTeste, ALegalDropLaysTheCardOnThePileAndEmptiesItsSlot) {
    criar_carta_roxa(50);
    dar_mao({30, 40, 50, 60, 70, 80, 90, 20});
    arrastando(2);

    soltar_em(140, 114); // inside c2

    EXPECT_FALSE(Jogo::selecionado);
    EXPECT_EQ(c2->get_topo(), 0);
    EXPECT_EQ(c2->get_elemento_topo(), 50);
    EXPECT_EQ(figura(c2), "cartaroxa50");
    EXPECT_TRUE(c1->Vazia());
    EXPECT_EQ(valor_na_mao(2), 0);
    EXPECT_EQ(m->get_NroElementos(), 7);
    EXPECT_FALSE(m->cartas_mesa[2]->get_carregada());
    EXPECT_TRUE(Jogo::podeDesfazer);
    EXPECT_EQ(Jogo::ultimaPilhaAtualizada, 2);
    EXPECT_EQ(Jogo::estado_jogo, Jogo::Jogando);
}

TEST_F(JogadaTeste, ARefusedOrMissedDropSendsTheCardHome) {
    dar_mao({30, 40, 50, 60, 70, 80, 90, 20});
    empilhar(c1, {65});
    arrastando(2);

    // The dragged card follows the mouse.
    sf::Event movimento = evento_de(sf::Event::MouseMoved);
    movimento.mouseMove.x = 344;
    movimento.mouseMove.y = 110;
    tratar(movimento);
    EXPECT_EQ(posicao(m->cartas_mesa[2]), sf::Vector2f(344.0f, 110.0f));

    soltar_em(344, 110); // 50 on the ascending 65
    EXPECT_FALSE(Jogo::selecionado);
    EXPECT_EQ(c1->get_topo(), 0);
    EXPECT_EQ(figura(c1), "fundo0");
    EXPECT_EQ(posicao(m->cartas_mesa[2]), mesa::posicao_casa(2));
    EXPECT_EQ(valor_na_mao(2), 50);

    // Outside every pile, and on c2's right edge, which is outside it.
    for (const sf::Vector2i& fora : {sf::Vector2i(220, 150), sf::Vector2i(180, 114)}) {
        arrastando(3);
        m->cartas_mesa[3]->set_posicao(1.0f, 1.0f);
        soltar_em(fora.x, fora.y);
        EXPECT_EQ(posicao(m->cartas_mesa[3]), mesa::posicao_casa(3));
        EXPECT_EQ(valor_na_mao(3), 60);
        EXPECT_TRUE(c2->Vazia());
    }
    EXPECT_EQ(m->get_NroElementos(), 8);
    EXPECT_FALSE(Jogo::podeDesfazer);
    EXPECT_EQ(Jogo::ultimaPilhaAtualizada, 0);
}

TEST_F(JogadaTeste, WherePilesOverlapTheFirstInOrderTakesTheCard) {
    // Wide pictures make c2 (from x 100) reach over c1 (from x 304).
    pasta.criar_imagem("fundo0.jpg", 250, 100);
    delete c1;
    delete c2;
    c1 = new pilha_crescente();
    c2 = new pilha_crescente();
    colocar_pilhas();
    dar_mao({30, 40, 50, 60, 70, 80, 90, 20});
    arrastando(0);

    soltar_em(320, 100);

    EXPECT_EQ(c1->get_topo(), 0);
    EXPECT_TRUE(c2->Vazia());
    EXPECT_EQ(Jogo::ultimaPilhaAtualizada, 1);
}

TEST_F(JogadaTeste, TheInvisibleSpriteOfAnEmptySlotChangesNothing) {
    dar_mao({30, 0, 50, 60, 70, 80, 90, 20});
    empilhar(d1, {70});
    arrastando(1);

    soltar_em(344, 278); // d1 takes the 0 and gives it straight back

    EXPECT_EQ(d1->get_topo(), 0);
    EXPECT_EQ(d1->get_elemento_topo(), 70);
    EXPECT_EQ(m->get_NroElementos(), 7);
    EXPECT_FALSE(Jogo::podeDesfazer);
}

TEST_F(JogadaTeste, TheRefillComesBeforeTheEndOfGameTest) {
    // The deck's last two cards are dealt next; c1 takes the first of them.
    deixar_no_monte(2);
    fila_monte copia = monte;
    int proxima = 0;
    copia.Retira(proxima, ok);
    empilhar(c1, {proxima + 10});
    empilhar(d1, {-100});
    empilhar(d2, {-100});
    // Nothing of 1 or 2 fits c1, nor anything on d1 or d2. The 99 goes on the
    // empty c2 and then leaves room for 89 only.
    const int preso = proxima == 1 ? 2 : 1;
    dar_mao({preso, preso, 0, preso, preso, preso, preso, 99});
    arrastando(7);

    soltar_em(140, 114);

    EXPECT_EQ(c2->get_elemento_topo(), 99);
    EXPECT_EQ(m->get_NroElementos(), 8);
    EXPECT_EQ(monte.get_NroElementos(), 0);
    EXPECT_FALSE(Jogo::podeDesfazer);
    EXPECT_EQ(Jogo::estado_jogo, Jogo::Jogando);
}

TEST_F(JogadaTeste, EveryReleaseTestsTheEndOfTheGame) {
    // Seven cards that fit nowhere, with cards still in the deck: lost.
    empilhar(c1, {99});
    empilhar(c2, {99});
    empilhar(d1, {1});
    empilhar(d2, {1});
    dar_mao({50, 51, 52, 53, 0, 55, 56, 57});
    tratar(clique(sf::Event::MouseButtonReleased, sf::Mouse::Right, 5, 5));
    EXPECT_EQ(Jogo::estado_jogo, Jogo::MostrandoPerdeu);
    EXPECT_EQ(m->get_NroElementos(), 7);

    // The last card played with the deck empty: won.
    Jogo::estado_jogo = Jogo::Jogando;
    deixar_no_monte(0);
    dar_mao({0, 0, 0, 0, 0, 0, 0, 89});
    arrastando(7);
    soltar_em(344, 114);
    EXPECT_EQ(c1->get_elemento_topo(), 89);
    EXPECT_EQ(Jogo::estado_jogo, Jogo::MostrandoGanhou);
}

TEST_F(JogadaTeste, TheRefillCheckDealsTwoToASixAndEndsTheUndo) {
    dar_mao({30, 0, 50, 60, 0, 80, 90, 20});
    Jogo::podeDesfazer = true;
    Jogo::verificar_reposicao(m, monte);
    EXPECT_EQ(m->get_NroElementos(), 8);
    EXPECT_EQ(monte.get_NroElementos(), 97);
    EXPECT_FALSE(Jogo::podeDesfazer);

    // A full hand also ends the undo; seven keep it.
    Jogo::podeDesfazer = true;
    Jogo::verificar_reposicao(m, monte);
    EXPECT_FALSE(Jogo::podeDesfazer);
    dar_mao({30, 0, 50, 60, 70, 80, 90, 20});
    Jogo::podeDesfazer = true;
    Jogo::verificar_reposicao(m, monte);
    EXPECT_TRUE(Jogo::podeDesfazer);
    EXPECT_EQ(m->get_NroElementos(), 7);

    // With the deck empty nothing happens.
    deixar_no_monte(0);
    dar_mao({30, 0, 50, 60, 0, 80, 90, 20});
    Jogo::verificar_reposicao(m, monte);
    EXPECT_TRUE(Jogo::podeDesfazer);
    EXPECT_EQ(m->get_NroElementos(), 6);
}

TEST_F(JogadaTeste, TheUndoButtonAnswersALeftPressOnlyWhileShown) {
    pasta.criar_imagem("desfazer.png", 40, 30);
    Jogo::painel.carregar();
    dar_mao({30, 40, 0, 60, 70, 80, 90, 20});
    empilhar(d2, {50});
    Jogo::podeDesfazer = true;
    Jogo::ultimaPilhaAtualizada = 4;
    mover_mouse(210, 190);

    tratar(clique(sf::Event::MouseButtonPressed, sf::Mouse::Right, 210, 190));
    EXPECT_TRUE(Jogo::podeDesfazer);
    EXPECT_EQ(valor_na_mao(2), 0);

    tratar(clique(sf::Event::MouseButtonPressed, sf::Mouse::Left, 210, 190));
    EXPECT_FALSE(Jogo::selecionado); // no card under the mouse
    EXPECT_EQ(Jogo::i, 8);
    EXPECT_EQ(valor_na_mao(2), 50);
    EXPECT_TRUE(d2->Vazia());

    // Hidden now: the same press does nothing until the next play.
    empilhar(d2, {45});
    tratar(clique(sf::Event::MouseButtonPressed, sf::Mouse::Left, 210, 190));
    EXPECT_EQ(d2->get_topo(), 0);
}

TEST_F(JogadaTeste, ThePlayAgainButtonDealsANewGameOnTheSameObjects) {
    pasta.criar_imagem("botao_dnv.png", 40, 30);
    Jogo::painel.carregar();
    criar_carta_roxa(20);
    criar_carta_roxa(80);
    empilhar(c1, {10, 20});
    c1->carregar("imagens/cartaroxa20.jpg");
    empilhar(d2, {80});
    d2->carregar("imagens/cartaroxa80.jpg");
    dar_mao({30, 0, 0, 0, 0, 0, 0, 20});
    deixar_no_monte(3);
    Jogo::podeDesfazer = true;
    mover_mouse(310, 25);

    tratar(clique(sf::Event::MouseButtonPressed, sf::Mouse::Left, 310, 25));

    EXPECT_EQ(Jogo::estado_jogo, Jogo::Jogando);
    for (const pilha_burra* pilha :
         {static_cast<pilha_burra*>(c1), static_cast<pilha_burra*>(c2),
          static_cast<pilha_burra*>(d1), static_cast<pilha_burra*>(d2)}) {
        EXPECT_TRUE(pilha->Vazia());
    }
    EXPECT_EQ(figura(c1), "fundo0");
    EXPECT_EQ(figura(c2), "fundo0");
    EXPECT_EQ(figura(d1), "fundo100");
    EXPECT_EQ(figura(d2), "fundo100");
    // Eight cards dealt from a fresh deck: hand and deck hold 1..99 once each.
    EXPECT_EQ(m->get_NroElementos(), 8);
    EXPECT_EQ(monte.get_NroElementos(), 91);
    std::vector<int> todas;
    for (int slot = 0; slot < mesa::slots; ++slot) {
        todas.push_back(valor_na_mao(slot));
    }
    for (int indice = monte.get_primeiro(); indice <= monte.get_ultimo(); ++indice) {
        todas.push_back(monte.get_elemento_X(indice));
    }
    std::sort(todas.begin(), todas.end());
    for (int valor = 1; valor <= 99; ++valor) {
        EXPECT_EQ(todas[static_cast<std::size_t>(valor - 1)], valor);
    }
    // A new deal leaves the undo record alone; its first event clears it.
    EXPECT_TRUE(Jogo::podeDesfazer);
}

TEST_F(JogadaTeste, APassDrawsAndHandlesEveryQueuedEventAfterTheRefillCheck) {
    // Moving the real pointer into the window queues events for the pass.
    dar_mao({30, 0, 50, 60, 0, 80, 90, 20});
    Jogo::podeDesfazer = true;
    mover_mouse(20, 20);
    mover_mouse(25, 30);

    Jogo::passo_jogo(m, c1, c2, d1, d2, monte, ok);

    EXPECT_EQ(Jogo::painel.contagem.getString().toAnsiString(), "105");
    EXPECT_EQ(m->get_NroElementos(), 8);
    EXPECT_FALSE(Jogo::podeDesfazer);
    sf::Event resto;
    EXPECT_FALSE(Jogo::janela.pollEvent(resto));
    EXPECT_EQ(Jogo::estado_jogo, Jogo::Jogando);
}

} // namespace
