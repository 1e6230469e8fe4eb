#include "tests/game/mesa_de_teste.hpp"

namespace {

class DesfazerTeste : public MesaDeTeste {
protected:
    void desfazer(int codigo) {
        Jogo::podeDesfazer = true;
        Jogo::ultimaPilhaAtualizada = codigo;
        Jogo::Desfazer(m, c1, c2, d1, d2, ok);
    }
};

TEST_F(DesfazerTeste, TheCardGoesBackAndThePileLooksAsBeforeThePlay) {
    dar_mao({11, 12, 13, 0, 15, 16, 17, 18});
    empilhar(c1, {30});
    desfazer(1);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(c1->Vazia());
    EXPECT_EQ(figura(c1), "fundo0");
    EXPECT_EQ(na_mao(3), 30);
    EXPECT_EQ(m->get_NroElementos(), 8);
    EXPECT_FALSE(Jogo::podeDesfazer);
    EXPECT_EQ(Jogo::ultimaPilhaAtualizada, 1);

    dar_mao({11, 12, 13, 14, 15, 16, 0, 18});
    empilhar(d2, {70});
    desfazer(4);
    EXPECT_EQ(figura(d2), "fundo100");

    // 35 went ten back onto the 45 of an ascending pile.
    dar_mao({11, 12, 0, 14, 15, 16, 17, 18});
    empilhar(c2, {20, 45, 35});
    desfazer(2);
    EXPECT_EQ(c2->get_elemento_topo(), 45);
    EXPECT_EQ(figura(c2), "cartaroxa45");
    EXPECT_EQ(na_mao(2), 35);
}

TEST_F(DesfazerTeste, WithTheDeckEmptyTheCardTakesTheLowestFreeSlot) {
    deixar_no_monte(0);
    dar_mao({11, 12, 0, 14, 15, 0, 0, 18}); // the 77 came from slot 6
    empilhar(d1, {90, 77});
    desfazer(3);
    EXPECT_EQ(na_mao(2), 77);
    EXPECT_EQ(na_mao(6), 0);
    EXPECT_EQ(m->cartas_mesa[2]->sprite.getPosition(), sf::Vector2f(180, 408));
}

TEST_F(DesfazerTeste, AFullHandLeavesTheCardOnItsPile) {
    dar_mao({11, 12, 13, 14, 15, 16, 17, 18});
    empilhar(c1, {30});
    desfazer(1);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(Jogo::podeDesfazer);
    EXPECT_EQ(c1->get_topo(), 0);
    EXPECT_EQ(figura(c1), "cartaroxa30");
    EXPECT_EQ(na_mao(7), 18);
}

TEST_F(DesfazerTeste, OnlyOnceAndOnlyFromARecordedPile) {
    dar_mao({11, 12, 0, 14, 15, 16, 17, 18});
    empilhar(c1, {30, 40});
    desfazer(1);
    ok = true;
    Jogo::Desfazer(m, c1, c2, d1, d2, ok); // the record is spent
    EXPECT_TRUE(ok);
    EXPECT_EQ(c1->get_elemento_topo(), 30);

    m->removeMesa(Jogo::janela(), 2);
    for (int codigo : {0, 5, 2}) { // 2: an empty pile
        ok = true;
        desfazer(codigo);
        EXPECT_FALSE(ok) << codigo;
        EXPECT_FALSE(Jogo::podeDesfazer);
    }
    EXPECT_EQ(m->get_NroElementos(), 7);
}

} // namespace
