#include "cards/fila_monte.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <vector>

namespace {

std::vector<int> ordem(const fila_monte& monte) {
    std::vector<int> valores;
    for (int i = 0; i < 99; ++i) {
        valores.push_back(monte.get_elemento_X(i));
    }
    return valores;
}

// The deck's clock, stopped at a second the test chooses, so that two decks
// are dealt in one second or in two for certain.
std::time_t segundo = 0;
std::time_t relogio_parado() {
    return segundo;
}

} // namespace

TEST(FilaMonte, ANewDeckHoldsEachCardOnce) {
    fila_monte monte;
    EXPECT_TRUE(monte.Cheia());
    EXPECT_EQ(monte.get_NroElementos(), 99);
    EXPECT_EQ(monte.get_primeiro(), 0);
    EXPECT_EQ(monte.get_ultimo(), 98);
    std::vector<int> valores = ordem(monte);
    std::sort(valores.begin(), valores.end());
    for (int i = 0; i < 99; ++i) {
        EXPECT_EQ(valores[i], i + 1);
    }
}

TEST(FilaMonte, TheShuffleDependsOnlyOnTheSecond) {
    const auto relogio = fila_monte::relogio;
    fila_monte::relogio = relogio_parado;
    segundo = 1000;
    fila_monte a;
    fila_monte b;
    b.InicializaElementos();
    EXPECT_EQ(ordem(a), ordem(b));
    segundo = 1001;
    b.InicializaElementos();
    EXPECT_NE(ordem(a), ordem(b)) << "the next second dealt the same deck";
    fila_monte::relogio = relogio;

    std::vector<int> crescente(99);
    for (int i = 0; i < 99; ++i) {
        crescente[i] = i + 1;
    }
    EXPECT_NE(ordem(a), crescente) << "the deck was not shuffled";
}

TEST(FilaMonte, DrawsFollowTheArrayAndStopWhenEmpty) {
    fila_monte monte;
    const std::vector<int> esperado = ordem(monte);
    for (int i = 0; i < 99; ++i) {
        int valor = 0;
        bool ok = false;
        monte.Retira(valor, ok);
        ASSERT_TRUE(ok);
        EXPECT_EQ(valor, esperado[i]);
        EXPECT_EQ(monte.get_NroElementos(), 98 - i);
    }
    EXPECT_TRUE(monte.Vazia());
    EXPECT_EQ(monte.get_primeiro(), 99);
    int valor = -5;
    bool ok = true;
    monte.Retira(valor, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(valor, -5);
    EXPECT_EQ(monte.get_NroElementos(), 0);
}

TEST(FilaMonte, ACopyIsIndependent) {
    fila_monte monte;
    int valor = 0;
    bool ok = false;
    monte.Retira(valor, ok);
    fila_monte copia = monte;
    EXPECT_EQ(copia.get_NroElementos(), 98);
    copia.Retira(valor, ok);
    copia.Retira(valor, ok);
    EXPECT_EQ(copia.get_NroElementos(), 96);
    EXPECT_EQ(monte.get_NroElementos(), 98);
    EXPECT_EQ(monte.get_elemento_primeiro(), monte.get_elemento_X(1));
}

TEST(FilaMonte, InsertionsNeverRunPastTheLastSlot) {
    fila_monte monte;
    bool ok = true;
    monte.Insere(5, ok);
    EXPECT_FALSE(ok) << "a full deck";

    int valor = 0;
    monte.Retira(valor, ok);
    monte.Retira(valor, ok);
    ok = true;
    monte.Insere(5, ok);
    EXPECT_FALSE(ok) << "the back is at the last slot after draws";
    EXPECT_EQ(monte.get_NroElementos(), 97);
    EXPECT_EQ(monte.get_ultimo(), 98);

    for (int i = 0; i < 97; ++i) {
        monte.Retira(valor, ok);
    }
    monte.Insere(5, ok);
    EXPECT_FALSE(ok) << "an emptied deck is refilled only by a reset";

    monte.InicializaElementos();
    EXPECT_TRUE(monte.Cheia());
    EXPECT_EQ(monte.get_primeiro(), 0);
}

TEST(FilaMonte, SlotAccessorsStayInsideTheArray) {
    fila_monte monte;
    EXPECT_EQ(monte.get_elemento_X(-1), 0);
    EXPECT_EQ(monte.get_elemento_X(99), 0);
    EXPECT_EQ(monte.get_elemento_X(1 << 30), 0);
    EXPECT_EQ(monte.get_elemento_ultimo(), monte.get_elemento_X(98));

    monte.proximo_ultimo();
    monte.set_elemento_ultimo(7);
    EXPECT_EQ(monte.get_elemento_ultimo(), 0);

    monte.set_primeiro(-20);
    int valor = 3;
    bool ok = true;
    monte.Retira(valor, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(valor, 3);
    monte.set_primeiro(500);
    monte.Retira(valor, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(monte.get_elemento_primeiro(), 0);
}

TEST(FilaMonte, ShuffleWithABrokenCountStaysInside) {
    fila_monte monte;
    for (int i = 0; i < 50; ++i) {
        monte.aumenta_NroElementos();
    }
    monte.EmbaralhaElementos();
    for (int i = 0; i < 300; ++i) {
        monte.diminui_NroElementos();
    }
    monte.EmbaralhaElementos();
    std::vector<int> valores = ordem(monte);
    std::sort(valores.begin(), valores.end());
    EXPECT_EQ(valores.front(), 1);
    EXPECT_EQ(valores.back(), 99);
}
