#include "tests/game/mesa_de_teste.hpp"

namespace {

class DesfazerTeste : public MesaDeTeste {
protected:
    // The last card played went onto the pile with `codigo`.
    void registrar_jogada(int codigo) {
        Jogo::podeDesfazer = true;
        Jogo::ultimaPilhaAtualizada = codigo;
    }

    void desfazer() { Jogo::Desfazer(m, c1, c2, d1, d2, ok); }
};

TEST_F(DesfazerTeste, FirstCardOnAPileGoesBackAndThePileShowsItsBaseAgain) {
    criar_carta_roxa(30);
    criar_carta_azul(30);
    dar_mao({11, 12, 13, 0, 15, 16, 17, 18});
    empilhar(c1, {30});
    c1->carregar("imagens/cartaroxa30.jpg");
    registrar_jogada(1);

    desfazer();

    EXPECT_TRUE(ok);
    EXPECT_TRUE(c1->Vazia());
    EXPECT_EQ(figura(c1), "fundo0");
    EXPECT_EQ(valor_na_mao(3), 30);
    EXPECT_EQ(m->get_NroElementos(), 8);
    EXPECT_EQ(m->cartas_mesa[3]->get_x(), mesa::posicao_casa(3).x);
    EXPECT_FALSE(Jogo::podeDesfazer);
    EXPECT_EQ(Jogo::ultimaPilhaAtualizada, 1);

    // A descending pile goes back to its own base.
    criar_carta_roxa(70);
    dar_mao({11, 12, 13, 14, 15, 16, 0, 18});
    empilhar(d2, {70});
    d2->carregar("imagens/cartaroxa70.jpg");
    registrar_jogada(4);

    desfazer();

    EXPECT_TRUE(ok);
    EXPECT_TRUE(d2->Vazia());
    EXPECT_EQ(figura(d2), "fundo100");
    EXPECT_EQ(valor_na_mao(6), 70);
}

TEST_F(DesfazerTeste, ThePileShowsTheCardBeneathAgainAlsoAfterATenBackMove) {
    criar_carta_roxa(20);
    criar_carta_roxa(45);
    dar_mao({11, 12, 0, 14, 15, 16, 17, 18});

    // 35 went ten back onto the 45 of an ascending pile.
    empilhar(c2, {20, 45, 35});
    registrar_jogada(2);
    desfazer();
    EXPECT_TRUE(ok);
    EXPECT_EQ(c2->get_topo(), 1);
    EXPECT_EQ(c2->get_elemento_topo(), 45);
    EXPECT_EQ(figura(c2), "cartaroxa45");
    EXPECT_EQ(valor_na_mao(2), 35);

    // Only once: the record is spent and the 45 stays.
    desfazer();
    EXPECT_EQ(c2->get_elemento_topo(), 45);
    EXPECT_EQ(m->get_NroElementos(), 8);

    // A plain play on a descending pile.
    dar_mao({11, 12, 13, 14, 15, 0, 17, 18});
    criar_carta_roxa(60);
    empilhar(d1, {60, 50});
    registrar_jogada(3);
    desfazer();
    EXPECT_EQ(figura(d1), "cartaroxa60");
    EXPECT_EQ(valor_na_mao(5), 50);
}

TEST_F(DesfazerTeste, WithTheDeckEmptyTheCardTakesTheLowestFreeSlot) {
    deixar_no_monte(0);
    criar_carta_azul(77);
    // Slots 2 and 5 were played earlier, the 77 last from slot 6.
    dar_mao({11, 12, 0, 14, 15, 0, 0, 18});
    empilhar(d1, {90, 77});
    registrar_jogada(3);

    desfazer();

    EXPECT_TRUE(ok);
    EXPECT_EQ(valor_na_mao(2), 77);
    EXPECT_EQ(valor_na_mao(5), 0);
    EXPECT_EQ(valor_na_mao(6), 0);
    EXPECT_EQ(m->get_NroElementos(), 6);
    EXPECT_EQ(m->cartas_mesa[2]->get_x(), 180.0f);
    EXPECT_EQ(m->cartas_mesa[2]->get_y(), 408.0f);
}

TEST_F(DesfazerTeste, AFullHandLeavesTheCardOnItsPile) {
    criar_carta_roxa(30);
    dar_mao({11, 12, 13, 14, 15, 16, 17, 18});
    empilhar(c1, {30});
    c1->carregar("imagens/cartaroxa30.jpg");
    registrar_jogada(1);
    ok = true;

    desfazer();

    EXPECT_FALSE(ok);
    EXPECT_FALSE(Jogo::podeDesfazer);
    EXPECT_EQ(c1->get_topo(), 0);
    EXPECT_EQ(c1->get_elemento_topo(), 30);
    EXPECT_EQ(figura(c1), "cartaroxa30");
    EXPECT_EQ(m->get_NroElementos(), 8);
    for (int slot = 0; slot < mesa::slots; ++slot) {
        EXPECT_EQ(valor_na_mao(slot), 11 + slot);
    }
}

TEST_F(DesfazerTeste, NothingToUndoKeepsTheFlagAndABadRecordIsSpent) {
    dar_mao({11, 12, 0, 14, 15, 16, 17, 18});
    empilhar(c1, {30});

    // No undo allowed: the flag keeps whatever it held.
    Jogo::ultimaPilhaAtualizada = 1;
    ok = true;
    desfazer();
    EXPECT_TRUE(ok);
    ok = false;
    desfazer();
    EXPECT_FALSE(ok);
    EXPECT_EQ(c1->get_topo(), 0);

    // A code outside 1..4, and an empty recorded pile.
    for (int codigo : {0, 5}) {
        registrar_jogada(codigo);
        ok = true;
        desfazer();
        EXPECT_FALSE(ok);
        EXPECT_FALSE(Jogo::podeDesfazer);
    }
    registrar_jogada(2);
    ok = true;
    desfazer();
    EXPECT_FALSE(ok);
    EXPECT_EQ(m->get_NroElementos(), 7);
    EXPECT_EQ(c1->get_topo(), 0);
}

} // namespace
