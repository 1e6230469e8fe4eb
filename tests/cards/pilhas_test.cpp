#include "cards/pilha_burra.hpp"
#include "cards/pilha_crescente.hpp"
#include "cards/pilha_decrescente.hpp"

#include <gtest/gtest.h>

namespace {

template <typename Pilha> bool aceita(Pilha& pilha, int valor) {
    bool ok = false;
    pilha.Empilha(valor, ok);
    if (ok) {
        int devolvido = 0;
        pilha.Desempilha(devolvido, ok);
    }
    return ok;
}

template <typename Pilha> void empilhar(Pilha& pilha, int valor) {
    bool ok = false;
    pilha.Empilha(valor, ok);
    ASSERT_TRUE(ok) << "could not lay " << valor;
}

} // namespace

TEST(Pilhas, EmptyPilesTakeAnyValue) {
    pilha_crescente sobe;
    pilha_decrescente desce;
    EXPECT_TRUE(sobe.Vazia());
    EXPECT_EQ(sobe.get_topo(), -1);
    for (int valor : {0, 1, 50, 99, 100, 150}) {
        EXPECT_TRUE(aceita(sobe, valor)) << valor;
        EXPECT_TRUE(aceita(desce, valor)) << valor;
    }
}

TEST(Pilhas, AscendingTakesHigherOrExactlyTenBack) {
    pilha_crescente sobe;
    empilhar(sobe, 57);
    for (int valor = 0; valor <= 100; ++valor) {
        const bool esperado = valor > 57 || valor == 47;
        EXPECT_EQ(aceita(sobe, valor), esperado) << valor;
    }
    EXPECT_EQ(sobe.get_topo(), 0);
    EXPECT_EQ(sobe.get_elemento_topo(), 57);
}

TEST(Pilhas, DescendingTakesLowerOrExactlyTenBack) {
    pilha_decrescente desce;
    empilhar(desce, 43);
    for (int valor = 0; valor <= 100; ++valor) {
        const bool esperado = valor < 43 || valor == 53;
        EXPECT_EQ(aceita(desce, valor), esperado) << valor;
    }
    EXPECT_EQ(desce.get_elemento_topo(), 43);
}

TEST(Pilhas, TheZeroOfAnEmptySlot) {
    pilha_decrescente desce;
    empilhar(desce, 2);
    EXPECT_TRUE(aceita(desce, 0));
    pilha_crescente sobe;
    empilhar(sobe, 10);
    EXPECT_TRUE(aceita(sobe, 0));
    pilha_crescente outra;
    empilhar(outra, 11);
    EXPECT_FALSE(aceita(outra, 0));
}

TEST(Pilhas, RunTurnsBackOnlyByTen) {
    pilha_crescente sobe;
    empilhar(sobe, 45);
    empilhar(sobe, 35);
    empilhar(sobe, 36);
    EXPECT_FALSE(aceita(sobe, 35));
    EXPECT_TRUE(aceita(sobe, 26));
    EXPECT_EQ(sobe.get_topo(), 2);
}

TEST(Pilhas, EmpilhaThenDesempilhaRestoresThePile) {
    pilha_decrescente desce;
    empilhar(desce, 80);
    empilhar(desce, 70);
    bool ok = false;
    desce.Empilha(60, ok);
    ASSERT_TRUE(ok);
    int valor = 0;
    desce.Desempilha(valor, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(valor, 60);
    EXPECT_EQ(desce.get_topo(), 1);
    EXPECT_EQ(desce.get_elemento_topo(), 70);
}

TEST(Pilhas, RefusalsChangeNothing) {
    pilha_crescente sobe;
    int valor = 42;
    bool ok = true;
    sobe.Desempilha(valor, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(valor, 42);

    empilhar(sobe, 30);
    ok = true;
    sobe.Empilha(30, ok);
    EXPECT_FALSE(ok) << "a card equal to the top";
    EXPECT_EQ(sobe.get_topo(), 0);
    EXPECT_EQ(sobe.get_elemento_topo(), 30);
}

TEST(Pilhas, AFullPileRefusesEvenAllowedCards) {
    pilha_crescente sobe;
    for (int valor = 1; valor <= 99; ++valor) {
        empilhar(sobe, valor);
    }
    EXPECT_TRUE(sobe.Cheia());
    EXPECT_EQ(sobe.get_topo(), 98);
    bool ok = true;
    sobe.Empilha(150, ok);
    EXPECT_FALSE(ok);
    sobe.Empilha(89, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(sobe.get_elemento_topo(), 99);

    pilha_burra burra;
    for (int n = 0; n < 99; ++n) {
        burra.Empilha(n, ok);
    }
    burra.Empilha(7, ok);
    EXPECT_FALSE(ok);
}

TEST(Pilhas, PlainPileTakesAnythingWithRoom) {
    pilha_burra burra;
    bool ok = false;
    burra.Empilha(50, ok);
    burra.Empilha(50, ok);
    EXPECT_TRUE(ok);
    burra.Empilha(-3, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(burra.get_elemento_topo(), -3);
}

TEST(Pilhas, TopOutsideTheArrayNeverReachesMemory) {
    pilha_burra burra;
    EXPECT_EQ(burra.get_elemento_topo(), 0) << "an empty pile has no top card";
    burra.set_elemento_topo(5);
    EXPECT_TRUE(burra.Vazia());

    bool ok = true;
    int valor = 0;
    for (int topo : {-7, 98, 99, 500}) {
        burra.set_topo(topo);
        burra.set_elemento_topo(1);
        burra.aumenta_topo();
        burra.set_elemento_topo(1);
        burra.set_topo(topo);
        burra.Empilha(3, ok);
        EXPECT_FALSE(ok) << topo;
        burra.set_topo(topo);
        burra.Desempilha(valor, ok);
        if (topo < 0 || topo > 98) {
            EXPECT_FALSE(ok) << topo;
        }
    }
    pilha_crescente sobe;
    sobe.set_topo(1000);
    sobe.Empilha(20, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(sobe.get_topo(), 1000);
}

TEST(Pilhas, ResetEmptiesAPile) {
    pilha_decrescente desce;
    empilhar(desce, 20);
    empilhar(desce, 10);
    desce.set_topo(-1);
    EXPECT_TRUE(desce.Vazia());
    EXPECT_TRUE(aceita(desce, 99));
}
