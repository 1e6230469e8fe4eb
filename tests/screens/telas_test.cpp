#include "screens/ganhou.hpp"
#include "screens/instrucoes.hpp"
#include "screens/menu.hpp"
#include "screens/perdeu.hpp"
#include "screens/tela_comum.hpp"
#include "screens/tela_inicial.hpp"
#include "tests/support/pasta_temporaria.hpp"

#include <SFML/Graphics.hpp>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <unistd.h>
#include <vector>

namespace {

struct Ponto {
    int x;
    int y;
    int resposta;
};

// The screens are shown on a window that is not open: each draws, finds its
// wait over at once as a close request, and has its buttons built. No
// picture exists unless a test makes it.
class TelaTeste : public ::testing::Test {
protected:
    void SetUp() override {
        // A screen that waits here would wait for ever: kill the test instead.
        alarm(60);
        erros_anteriores = sf::err().rdbuf(nullptr);
    }

    void TearDown() override {
        sf::err().rdbuf(erros_anteriores);
        alarm(0);
    }

    template <typename Tela> static void conferir(Tela& tela, const std::vector<Ponto>& pontos) {
        for (const Ponto& p : pontos) {
            EXPECT_EQ(tela.clique(p.x, p.y), p.resposta) << "(" << p.x << ", " << p.y << ")";
        }
    }

    pasta_temporaria pasta;
    sf::RenderWindow fechada;

private:
    std::streambuf* erros_anteriores = nullptr;
};

TEST_F(TelaTeste, TheHitTestHasStrictEdgesAndTheFirstItemWins) {
    struct Item {
        sf::Rect<int> retangulo;
        int resposta;
    };
    const std::vector<Item> itens = {tela_comum::item<Item>(10, 10, 50, 50, 7),
                                     tela_comum::item<Item>(30, 30, 90, 90, 8)};
    EXPECT_EQ(tela_comum::clique(itens, 40, 40), 7);
    EXPECT_EQ(tela_comum::clique(itens, 50, 40), 8);
    EXPECT_EQ(tela_comum::clique(itens, 11, 11), 7);
    EXPECT_EQ(tela_comum::clique(itens, 10, 20), 0);
    EXPECT_EQ(tela_comum::clique(itens, 20, 10), 0);
    EXPECT_EQ(tela_comum::clique(itens, 89, 89), 8);
    EXPECT_EQ(tela_comum::clique(itens, 90, 60), 0);
    EXPECT_EQ(tela_comum::clique(itens, 60, 90), 0);
    EXPECT_EQ(tela_comum::clique(std::vector<Item>(), 40, 40), 0);

    EXPECT_TRUE(tela_comum::esperar_clique(fechada).fechou);
}

TEST_F(TelaTeste, MenuButtonsAndCloseRequest) {
    Menu menu;
    EXPECT_EQ(menu.Mostrar(fechada), 1);
    conferir(menu, {{121, 230, 2},
                    {120, 230, 0},
                    {339, 259, 2},
                    {200, 200, 0},
                    {200, 260, 0},
                    {41, 300, 3},
                    {439, 339, 3},
                    {440, 300, 0},
                    {200, 270, 0},
                    {200, 355, 0},
                    {150, 400, 1},
                    {319, 419, 1},
                    {130, 400, 0},
                    {200, 420, 0}});
}

TEST_F(TelaTeste, InstructionsButtonsAndCloseRequest) {
    Instrucoes instrucoes;
    instrucoes.set_k(1);
    EXPECT_EQ(instrucoes.Mostrar(fechada), 3);
    EXPECT_EQ(instrucoes.get_k(), 1);
    conferir(instrucoes, {{300, 470, 4},
                          {60, 470, 5},
                          {100, 560, 2},
                          {300, 560, 1},
                          {384, 470, 0},
                          {200, 560, 0},
                          {400, 470, 0},
                          {20, 560, 0},
                          {100, 580, 0},
                          {169, 499, 5},
                          {50, 470, 0},
                          {281, 441, 4},
                          {300, 500, 0}});
    // Showing again does not change the answers.
    EXPECT_EQ(instrucoes.Mostrar(fechada), 3);
    EXPECT_EQ(instrucoes.clique(300, 470), 4);
}

TEST_F(TelaTeste, InstructionPagesRunFromOneToNine) {
    Instrucoes instrucoes;
    instrucoes.set_k(1);
    instrucoes.anterior_k();
    EXPECT_EQ(instrucoes.get_k(), 1);
    for (int v : {0, 9, -1}) {
        instrucoes.set_k(v);
        EXPECT_EQ(instrucoes.get_k(), 1) << v;
    }
    instrucoes.set_k(8);
    EXPECT_EQ(instrucoes.get_k(), 8);
    instrucoes.proximo_k();
    EXPECT_EQ(instrucoes.get_k(), 9);
    instrucoes.proximo_k();
    EXPECT_EQ(instrucoes.get_k(), 9);
    instrucoes.anterior_k();
    EXPECT_EQ(instrucoes.get_k(), 8);
}

TEST_F(TelaTeste, AMissingPageKeepsThePictureBeforeIt) {
    pasta.criar_imagem("instrucoes.jpg", 45, 60);
    pasta.criar_imagem("tutorial1.jpg", 50, 60);
    pasta.criar_imagem("tutorial3.jpg", 70, 40);
    Instrucoes instrucoes;
    instrucoes.set_k(1);

    instrucoes.Mostrar(fechada);
    EXPECT_EQ(instrucoes.sprite_pagina.getPosition(), sf::Vector2f(80.0f, 100.0f));
    EXPECT_EQ(instrucoes.textura_pagina.getSize(), sf::Vector2u(50, 60));

    instrucoes.proximo_k();
    instrucoes.Mostrar(fechada);
    EXPECT_EQ(instrucoes.textura_pagina.getSize(), sf::Vector2u(50, 60));

    // A later page is seen through the first page's rectangle.
    instrucoes.proximo_k();
    instrucoes.Mostrar(fechada);
    EXPECT_EQ(instrucoes.textura_pagina.getSize(), sf::Vector2u(70, 40));
    EXPECT_EQ(instrucoes.sprite_pagina.getTextureRect(), sf::IntRect(0, 0, 50, 60));
}

TEST_F(TelaTeste, WithoutPageOneNoPageIsShownForTheVisit) {
    pasta.criar_imagem("tutorial2.jpg", 50, 60);
    Instrucoes instrucoes;
    instrucoes.set_k(1);
    instrucoes.Mostrar(fechada);
    instrucoes.proximo_k();
    instrucoes.Mostrar(fechada);
    EXPECT_EQ(instrucoes.textura_pagina.getSize(), sf::Vector2u(50, 60));
    EXPECT_EQ(instrucoes.sprite_pagina.getTextureRect(), sf::IntRect(0, 0, 0, 0));
}

template <typename Tela> class ResultadoTeste : public TelaTeste {};
using Resultados = ::testing::Types<Ganhou, Perdeu>;
TYPED_TEST_SUITE(ResultadoTeste, Resultados);

TYPED_TEST(ResultadoTeste, PlayAgainLeaveAndCloseRequest) {
    TypeParam tela;
    EXPECT_EQ(tela.Mostrar(this->fechada), 1);
    TelaTeste::conferir(tela, {{200, 520, 0},
                               {100, 510, 0},
                               {101, 510, 2},
                               {339, 519, 2},
                               {200, 500, 0},
                               {110, 550, 0},
                               {200, 550, 1},
                               {121, 521, 1},
                               {319, 579, 1},
                               {320, 550, 0},
                               {200, 580, 0}});
}

TEST_F(TelaTeste, WithoutAnyPictureFolderTheButtonsStillAnswer) {
    std::filesystem::remove(std::filesystem::path(pasta.caminho()) / "imagens");
    Menu menu;
    EXPECT_EQ(menu.Mostrar(fechada), 1);
    EXPECT_EQ(menu.clique(200, 230), 2);
    Ganhou ganhou;
    EXPECT_EQ(ganhou.Mostrar(fechada), 1);
    EXPECT_EQ(ganhou.clique(200, 550), 1);
    Instrucoes instrucoes;
    instrucoes.set_k(1);
    EXPECT_EQ(instrucoes.Mostrar(fechada), 3);
    EXPECT_EQ(instrucoes.clique(100, 560), 2);
}

TEST_F(TelaTeste, TheStartScreenIsSkippedWithoutItsPicture) {
    // An open window that nobody presses: only a skipped screen returns.
    sf::RenderWindow janela(sf::VideoMode(450, 600, 32), "Trevalia", sf::Style::Close);
    Tela_Inicial().Mostrar(janela);

    pasta.criar_imagem("inicial.jpg", 45, 60);
    Tela_Inicial().Mostrar(fechada);
    SUCCEED();
}

} // namespace
