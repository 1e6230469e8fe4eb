#include "cards/gerenciador_cartas.hpp"
#include "cards/mesa.hpp"
#include "tests/support/pasta_temporaria.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

// The hand never frees its slot sprites; in the game the registry does, and
// here the fixture's registry does.
class Mesa : public ::testing::Test {
protected:
    Mesa() {
        for (int valor = 1; valor <= 99; ++valor) {
            pasta.criar_imagem("cartaazul" + std::to_string(valor) + ".jpg", 70, 96);
        }
        for (int slot = 0; slot < 8; ++slot) {
            dono.adicionar("teste" + std::to_string(slot), mao.cartas_mesa[slot]);
        }
    }

    void preencher(std::initializer_list<int> valores) {
        bool ok = false;
        for (int valor : valores) {
            mao.insereMesa(valor, ok);
            ASSERT_TRUE(ok);
        }
    }

    int valor(int slot) const {
        bool ok = false;
        return mao.get_elemento_i(slot, ok);
    }

    pasta_temporaria pasta;
    gerenciador_cartas dono;
    mesa mao;
    sf::RenderWindow janela;
};

} // namespace

TEST_F(Mesa, ANewHandIsEmptyWithEightUnloadedSprites) {
    EXPECT_TRUE(mao.Vazia());
    EXPECT_EQ(mao.get_NroElementos(), 0);
    for (int slot = 0; slot < 8; ++slot) {
        EXPECT_EQ(valor(slot), 0);
        ASSERT_NE(mao.cartas_mesa[slot], nullptr);
        EXPECT_FALSE(mao.cartas_mesa[slot]->get_carregada());
    }
}

TEST_F(Mesa, SlotIndicesOutsideTheHandAreRefused) {
    bool ok = true;
    EXPECT_EQ(mao.get_elemento_i(8, ok), 0);
    EXPECT_FALSE(ok);
    ok = true;
    mao.get_elemento_i(-1, ok);
    EXPECT_FALSE(ok);
    ok = true;
    mao.set_elemento_i(8, 5, ok);
    EXPECT_FALSE(ok);
    mao.set_elemento_i(-1, 5, ok);
    EXPECT_FALSE(ok);
    mao.removeMesa(janela, 8);
    mao.removeMesa(janela, -1);
    mao.removeMesa(janela, 3);
    EXPECT_EQ(mao.get_NroElementos(), 0) << "removing nothing must not change the count";
}

TEST_F(Mesa, CardsGoToTheFirstFreeSlotAtItsHome) {
    preencher({11, 22, 33, 44, 55, 66, 77, 88});
    EXPECT_TRUE(mao.Cheia());
    const float xs[] = {100, 100, 180, 180, 260, 260, 340, 340};
    for (int slot = 0; slot < 8; ++slot) {
        EXPECT_EQ(valor(slot), 11 * (slot + 1));
        EXPECT_EQ(mao.cartas_mesa[slot]->get_x(), xs[slot]);
        EXPECT_EQ(mao.cartas_mesa[slot]->get_y(), slot % 2 == 0 ? 408 : 508);
        EXPECT_EQ(mao.cartas_mesa[slot]->get_origem_x(), 35);
        EXPECT_EQ(mao.cartas_mesa[slot]->get_origem_y(), 48);
    }
    bool ok = true;
    EXPECT_FALSE(mao.insereMesa(9, ok));
    EXPECT_FALSE(ok);

    mao.removeMesa(janela, 5);
    mao.removeMesa(janela, 2);
    EXPECT_EQ(mao.get_NroElementos(), 6);
    preencher({7});
    EXPECT_EQ(valor(2), 7);
    EXPECT_EQ(mao.cartas_mesa[2]->get_x(), 180);
    EXPECT_EQ(mao.cartas_mesa[2]->get_y(), 408);
    preencher({8});
    EXPECT_EQ(valor(5), 8);
    EXPECT_EQ(mao.cartas_mesa[5]->get_x(), 260);
    EXPECT_EQ(mao.cartas_mesa[5]->get_y(), 508);
}

TEST_F(Mesa, OnlyCardValuesCanBeInserted) {
    bool ok = true;
    mao.insereMesa(0, ok);
    EXPECT_FALSE(ok);
    mao.insereMesa(100, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(mao.get_NroElementos(), 0);
}

TEST_F(Mesa, RemoveHidesTheCardButKeepsItsRectangle) {
    preencher({40, 41});
    const sf::FloatRect antes = mao.cartas_mesa[1]->get_bounding_rect();
    mao.removeMesa(janela, 1);
    EXPECT_EQ(valor(1), 0);
    EXPECT_EQ(mao.get_NroElementos(), 1);
    EXPECT_FALSE(mao.cartas_mesa[1]->get_carregada());
    EXPECT_EQ(mao.cartas_mesa[1]->get_bounding_rect(), antes);

    mao.removeMesa(janela, 1);
    EXPECT_EQ(mao.get_NroElementos(), 1) << "an empty slot is removed only once";
}

TEST_F(Mesa, ClearingASlotKeepsItsPicture) {
    preencher({12, 13});
    bool ok = false;
    mao.set_elemento_i(0, 0, ok);
    EXPECT_TRUE(mao.cartas_mesa[0]->get_carregada());
    mao.LimpaMesa();
    EXPECT_EQ(mao.get_NroElementos(), 0);
    EXPECT_EQ(valor(1), 0);
    EXPECT_TRUE(mao.cartas_mesa[1]->get_carregada());
}

TEST_F(Mesa, DealsRefuseAHandInTheWrongState) {
    fila_monte monte;
    bool ok = false;
    mao.PrimeiraDistribuicao(monte, ok);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(mao.Cheia());
    EXPECT_EQ(monte.get_NroElementos(), 91);
    for (int slot = 0; slot < 8; ++slot) {
        EXPECT_EQ(valor(slot), monte.get_elemento_X(slot)) << "slots fill in drawing order";
    }

    mao.PrimeiraDistribuicao(monte, ok);
    EXPECT_FALSE(ok);
    mao.NovaDistribuicao(monte, ok);
    EXPECT_FALSE(ok);
    mao.removeMesa(janela, 3);
    mao.NovaDistribuicao(monte, ok);
    EXPECT_FALSE(ok) << "seven cards";
    EXPECT_EQ(monte.get_NroElementos(), 91);

    mao.removeMesa(janela, 6);
    mao.NovaDistribuicao(monte, ok);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(mao.Cheia());
    EXPECT_EQ(valor(3), monte.get_elemento_X(8));
    EXPECT_EQ(valor(6), monte.get_elemento_X(9));
}

TEST_F(Mesa, ARefillDealsWhatTheDeckStillHolds) {
    fila_monte monte;
    int carta = 0;
    bool ok = false;
    for (int i = 0; i < 98; ++i) {
        monte.Retira(carta, ok);
    }
    preencher({1, 2, 3, 4, 5, 6});
    mao.NovaDistribuicao(monte, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(mao.get_NroElementos(), 7);
    EXPECT_TRUE(monte.Vazia());
}

TEST_F(Mesa, DealingNeverDrawsACardWithoutRoom) {
    fila_monte monte;
    preencher({1, 2, 3, 4, 5, 6, 7});
    mao.distribuicao(monte, 5);
    EXPECT_TRUE(mao.Cheia());
    EXPECT_EQ(monte.get_NroElementos(), 98);
}

TEST_F(Mesa, ACopySharesTheSlotSprites) {
    preencher({30, 31, 32});
    {
        mesa copia(mao);
        EXPECT_EQ(copia.get_NroElementos(), 3);
        bool ok = false;
        EXPECT_EQ(copia.get_elemento_i(1, ok), 31);
        for (int slot = 0; slot < 8; ++slot) {
            EXPECT_EQ(copia.cartas_mesa[slot], mao.cartas_mesa[slot]);
        }
        copia.removeMesa(janela, 0);
        copia.insereMesa(77, ok);
        EXPECT_EQ(mao.get_NroElementos(), 3) << "the values are the copy's own";
        EXPECT_EQ(valor(0), 30);
    }
    // The copy has gone; the shared sprites are still there and were moved by it.
    EXPECT_TRUE(mao.cartas_mesa[0]->get_carregada());
    EXPECT_EQ(mao.cartas_mesa[0]->get_x(), 100);
    EXPECT_EQ(mao.posicao_casa(7), sf::Vector2f(340, 508));
}
