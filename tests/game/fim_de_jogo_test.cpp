#include "tests/game/mesa_de_teste.hpp"

namespace {

class FimDeJogoTeste : public MesaDeTeste {
protected:
    bool perdeu() { return VerificaGameOver(*m, *c1, *c2, *d1, *d2); }
};

TEST_F(FimDeJogoTeste, WonOnlyWhenDeckAndHandAreBothEmpty) {
    dar_mao({0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_FALSE(VerificaGanhou(*m, monte));
    deixar_no_monte(0);
    EXPECT_TRUE(VerificaGanhou(*m, monte));
    dar_mao({0, 0, 0, 0, 0, 0, 0, 42});
    EXPECT_FALSE(VerificaGanhou(*m, monte));
}

TEST_F(FimDeJogoTeste, LostWhenNoCardFitsAnyPile) {
    dar_mao({44, 45, 0, 46, 48, 49, 51, 52});
    EXPECT_FALSE(perdeu()); // empty piles take anything
    // Up from 57 and 60, or 47 and 50; down from 43 and 40, or 53 and 50.
    empilhar(c1, {57});
    empilhar(c2, {60});
    empilhar(d1, {43});
    empilhar(d2, {40});
    EXPECT_TRUE(perdeu()); // although the deck still holds cards
    for (int cabe : {47, 53, 99, 1}) {
        dar_mao({44, 45, 0, 46, cabe, 49, 51, 52});
        EXPECT_FALSE(perdeu()) << cabe;
    }
    dar_mao({0, 0, 0, 0, 0, 0, 0, 0}); // a 0 is no card, though d1 would take it
    EXPECT_TRUE(perdeu());
}

TEST_F(FimDeJogoTeste, TheTestsLeavePilesHandAndDeckAsTheyWere) {
    empilhar(c1, {57});
    empilhar(d1, {43});
    dar_mao({44, 99, 0, 46, 30, 49, 51, 52});
    deixar_no_monte(20);
    const int frente = monte.get_elemento_primeiro();

    EXPECT_FALSE(perdeu());
    EXPECT_FALSE(VerificaGanhou(*m, monte));

    EXPECT_EQ(c1->get_topo(), 0);
    EXPECT_EQ(c1->get_elemento_topo(), 57);
    EXPECT_EQ(figura(c1), "cartaroxa57");
    EXPECT_EQ(d1->get_topo(), 0);
    EXPECT_TRUE(c2->Vazia());
    EXPECT_EQ(m->get_NroElementos(), 7);
    EXPECT_EQ(na_mao(1), 99);
    EXPECT_EQ(monte.get_NroElementos(), 20);
    EXPECT_EQ(monte.get_elemento_primeiro(), frente);
}

} // namespace
