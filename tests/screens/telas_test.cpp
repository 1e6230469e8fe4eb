#include "plataforma/escala_arte.hpp"
#include "screens/ganhou.hpp"
#include "screens/instrucoes.hpp"
#include "screens/menu.hpp"
#include "screens/perdeu.hpp"
#include "screens/tela_inicial.hpp"
#include "tests/support/pasta_temporaria.hpp"

#include <SFML/Graphics.hpp>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <gtest/gtest.h>
#include <iostream>
#include <thread>
#include <vector>

namespace {

struct Ponto {
    int x, y, resposta;
};

// The screens are shown on a window that is not open: each draws, builds its
// buttons, and finds its wait over at once as a close request. No picture
// exists unless a test makes it.
class TelaTeste : public ::testing::Test {
protected:
    void SetUp() override { erros = sf::err().rdbuf(nullptr); }

    void TearDown() override { sf::err().rdbuf(erros); }

    // Shows the screen once, then tries each point on its buttons.
    template <typename Tela>
    void conferir(Tela& tela, int ao_fechar, const std::vector<Ponto>& pontos) {
        EXPECT_EQ(tela.Mostrar(fechada), ao_fechar);
        for (const Ponto& p : pontos) {
            EXPECT_EQ(tela.clique(p.x, p.y), p.resposta) << p.x << ", " << p.y;
        }
    }

    pasta_temporaria pasta;
    sf::RenderWindow fechada;

private:
    std::streambuf* erros = nullptr;
};

TEST_F(TelaTeste, MenuButtonsHaveStrictEdges) {
    Menu menu;
    conferir(menu, 1,
             {{121, 230, 2},
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

TEST_F(TelaTeste, InstructionButtonsHaveStrictEdges) {
    Instrucoes instrucoes;
    instrucoes.set_k(1);
    for (int vez = 0; vez < 2; ++vez) { // shown again, the answers stay
        conferir(instrucoes, 3,
                 {{300, 470, 4},
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
    }
    EXPECT_EQ(instrucoes.get_k(), 1);
}

TEST_F(TelaTeste, PagesRunFromOneToNineAndAMissingPageKeepsTheOneBefore) {
    pasta.criar_imagem("tutorial1.jpg", 50, 60);
    Instrucoes instrucoes;
    instrucoes.set_k(1);
    instrucoes.Mostrar(fechada);
    instrucoes.proximo_k();
    instrucoes.Mostrar(fechada);
    EXPECT_EQ(instrucoes.textura_pagina.getSize(), sf::Vector2u(50, 60));
    EXPECT_EQ(instrucoes.sprite_pagina.getPosition(), sf::Vector2f(80, 100));
    // Scaled, pages 1 (with a twin), 2 (missing) and 3 lie in the same place.
    pasta.criar_imagem("tutorial1@2x.jpg", 100, 120);
    pasta.criar_imagem("tutorial3.jpg", 50, 60);
    escala_arte::definir(2);
    instrucoes.set_k(1);
    for (const unsigned largura : {100u, 100u, 50u}) {
        instrucoes.Mostrar(fechada);
        instrucoes.proximo_k();
        EXPECT_EQ(instrucoes.textura_pagina.getSize().x, largura);
        EXPECT_EQ(instrucoes.sprite_pagina.getGlobalBounds(), sf::FloatRect({80, 100}, {50, 60}));
    }
    escala_arte::definir(1);

    const std::pair<void (Instrucoes::*)(), int> passos[] = {
        {&Instrucoes::anterior_k, 1}, {&Instrucoes::anterior_k, 1}, {&Instrucoes::proximo_k, 2}};
    instrucoes.set_k(1);
    for (const auto& [passo, k] : passos) {
        (instrucoes.*passo)();
        EXPECT_EQ(instrucoes.get_k(), k);
    }
    for (int fora : {0, 9, -1}) {
        instrucoes.set_k(fora);
    }
    EXPECT_EQ(instrucoes.get_k(), 2);
    instrucoes.set_k(8);
    instrucoes.proximo_k();
    instrucoes.proximo_k();
    EXPECT_EQ(instrucoes.get_k(), 9);
}

template <typename Tela> class ResultadoTeste : public TelaTeste {};
using Resultados = ::testing::Types<Ganhou, Perdeu>;
TYPED_TEST_SUITE(ResultadoTeste, Resultados);

TYPED_TEST(ResultadoTeste, PlayAgainAndLeaveTouchAlongALineOfNeither) {
    TypeParam tela;
    this->conferir(tela, 1,
                   {{200, 520, 0},
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

TEST_F(TelaTeste, WithoutAnyPictureFolderTheScreensStillAnswer) {
    std::filesystem::remove(std::filesystem::path(pasta.caminho()) / "imagens");
    Menu menu;
    conferir(menu, 1, {{200, 230, 2}});
    Perdeu perdeu;
    conferir(perdeu, 1, {{200, 550, 1}});

    // The start screen is skipped: on an open window that nobody presses, it
    // returns at once. One that waited would wait for ever, so a guard ends the
    // program saying so rather than leave it to the test runner's timeout.
    sf::RenderWindow janela(face_sfml::modo_video(450, 600), "Trevalia", sf::Style::Close);
    std::promise<void> voltou;
    std::thread guarda([fim = voltou.get_future()] {
        if (fim.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            std::cerr << "The start screen without its picture waited for a press\n";
            std::_Exit(1);
        }
    });
    Tela_Inicial().Mostrar(janela);
    voltou.set_value();
    guarda.join();
}

} // namespace
