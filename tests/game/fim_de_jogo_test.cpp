#include "tests/game/mesa_de_teste.hpp"

namespace {

class FimDeJogoTeste : public MesaDeTeste {
protected:
    bool perdeu() { return VerificaGameOver(*m, *c1, *c2, *d1, *d2); }

    // The piles c1 57, c2 60, d1 43, d2 40: 58..99 go up, 1..42 go down,
    // and 47 and 50 (ten back up), 53 and 50 (ten back down) also fit.
    void pilhas_no_meio() {
        empilhar(c1, {57});
        empilhar(c2, {60});
        empilhar(d1, {43});
        empilhar(d2, {40});
    }
};

TEST_F(FimDeJogoTeste, WonOnlyWhenDeckAndHandAreBothEmpty) {
    deixar_no_monte(0);
    dar_mao({0, 0, 0, 0, 0, 0, 0, 0});
    empilhar(c1, {5, 6});
    EXPECT_TRUE(VerificaGanhou(*m, monte));

    dar_mao({0, 0, 0, 0, 0, 0, 0, 42});
    EXPECT_FALSE(VerificaGanhou(*m, monte));

    fila_monte outro;
    while (outro.get_NroElementos() > 1) {
        int valor = 0;
        outro.Retira(valor, ok);
    }
    dar_mao({0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_FALSE(VerificaGanhou(*m, outro));
}

TEST_F(FimDeJogoTeste, AnEmptyPileOrATenBackMoveKeepsTheGameGoing) {
    dar_mao({44, 45, 0, 46, 48, 49, 51, 52});
    EXPECT_FALSE(perdeu()); // every pile is empty

    pilhas_no_meio();
    EXPECT_TRUE(perdeu());

    dar_mao({44, 45, 0, 46, 47, 49, 51, 52});
    EXPECT_FALSE(perdeu()); // 47 is ten below the ascending 57

    dar_mao({44, 45, 0, 46, 53, 49, 51, 52});
    EXPECT_FALSE(perdeu()); // 53 is ten above the descending 43

    dar_mao({44, 45, 0, 46, 48, 49, 51, 99});
    EXPECT_FALSE(perdeu());
}

TEST_F(FimDeJogoTeste, EmptySlotsAreNeverOfferedAndTheDeckPlaysNoPart) {
    // An empty pile would take a 0, but there is no card to play.
    dar_mao({0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(perdeu());

    // Seven stuck cards are lost although the deck still holds cards.
    pilhas_no_meio();
    dar_mao({44, 45, 46, 48, 49, 51, 52, 0});
    ASSERT_GT(monte.get_NroElementos(), 0);
    EXPECT_TRUE(perdeu());
}

TEST_F(FimDeJogoTeste, TheTestsLeavePilesHandAndDeckAsTheyWere) {
    criar_carta_roxa(57);
    pilhas_no_meio();
    c1->carregar("imagens/cartaroxa57.jpg");
    dar_mao({44, 99, 0, 46, 30, 49, 51, 52});
    deixar_no_monte(20);
    const int frente = monte.get_elemento_primeiro();

    EXPECT_FALSE(perdeu());
    EXPECT_FALSE(VerificaGanhou(*m, monte));
    EXPECT_FALSE(perdeu());

    const std::pair<pilha_burra*, int> esperadas[] = {{c1, 57}, {c2, 60}, {d1, 43}, {d2, 40}};
    for (const auto& [pilha, topo] : esperadas) {
        EXPECT_EQ(pilha->get_topo(), 0);
        EXPECT_EQ(pilha->get_elemento_topo(), topo);
    }
    EXPECT_EQ(figura(c1), "cartaroxa57");
    EXPECT_EQ(figura(d1), "fundo100");
    EXPECT_EQ(m->get_NroElementos(), 7);
    EXPECT_EQ(valor_na_mao(1), 99);
    EXPECT_EQ(valor_na_mao(2), 0);
    EXPECT_EQ(monte.get_NroElementos(), 20);
    EXPECT_EQ(monte.get_elemento_primeiro(), frente);
}

} // namespace
