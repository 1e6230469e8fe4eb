#include "plataforma/lugar_janela.hpp"

#include <gtest/gtest.h>

using namespace lugar_janela;

TEST(LugarJanela, TheDesktopsDpiGivesTheScaleAndABadValueGivesOne) {
    const std::pair<const char*, float> linhas[] = {
        {"96", 1.0f},   {"120", 1.25f}, {"144", 1.5f}, {"192", 2.0f}, {"288", 3.0f},
        {"192 ", 2.0f}, {"", 1.0f},     {"abc", 1.0f}, {"0", 1.0f},   {"-96", 1.0f},
        {"1e9", 1.0f},  {"nan", 1.0f},  {"inf", 1.0f}, {"72", 1.0f},  {"961", 1.0f},
        {"192x", 1.0f}, {nullptr, 1.0f}};
    for (const auto& [dpi, escala] : linhas) {
        EXPECT_EQ(escala_do_dpi(dpi), escala) << (dpi ? dpi : "no resource");
    }
}

TEST(LugarJanela, TheScaleIsLoweredUntilTheFramedWindowFitsNeverBelowOne) {
    const moldura titulo{1, 1, 29, 1};
    const struct {
        float escala;
        sf::Vector2i area;
        moldura m;
        float cabe;
        sf::Vector2i cliente;
    } linhas[] = {
        {1.0f, {1920, 1080}, {}, 1.0f, {450, 600}},
        {2.0f, {3840, 2160}, {}, 2.0f, {900, 1200}},
        {1.5f, {1920, 1080}, {}, 1.5f, {675, 900}},
        {2.0f, {1920, 1080}, {}, 1.8f, {810, 1080}},
        {2.0f, {1920, 1080}, titulo, 1.75f, {788, 1050}},
        {2.0f, {1920, 1080}, {0, 0, 41, 0}, 1039.0f / 600, {779, 1039}}, // KWin
        {2.0f, {1366, 768}, {}, 1.28f, {576, 768}},
        {2.0f, {800, 480}, {}, 1.0f, {450, 600}},
        {1.75f, {1920, 1200}, {}, 1.75f, {788, 1050}},
    };
    for (const auto& l : linhas) {
        const float escala = escala_que_cabe(l.escala, l.area, l.m);
        EXPECT_FLOAT_EQ(escala, l.cabe) << l.area.x << "x" << l.area.y;
        EXPECT_EQ(tamanho_cliente(escala), l.cliente) << l.area.x << "x" << l.area.y;
        // Given that size again (back from full screen), the table fills it.
        EXPECT_EQ(encaixar(l.cliente).quadro, sf::IntRect({0, 0}, l.cliente)) << l.area.x;
    }
    // Full screen: as large as fits, centred; smaller than the table, smaller.
    EXPECT_EQ(encaixar({1920, 1080}).quadro, sf::IntRect({555, 0}, {810, 1080}));
    EXPECT_EQ(encaixar({450, 1000}).quadro, sf::IntRect({0, 200}, {450, 600}));
    EXPECT_FLOAT_EQ(encaixar({225, 300}).escala, 0.5f);
}

TEST(LugarJanela, TheWindowOpensCentredInTheWorkAreaOfThePointersMonitor) {
    const monitor esquerdo{{{0, 0}, {1920, 1080}}, false};
    const monitor direito{{{1920, 0}, {1920, 1080}}, true};
    EXPECT_EQ(monitor_escolhido({esquerdo, direito}, {100, 500}), 0);
    EXPECT_EQ(monitor_escolhido({esquerdo, direito}, {1920, 0}), 1);
    EXPECT_EQ(monitor_escolhido({esquerdo, direito}, {-5, 2000}), 1); // the primary
    EXPECT_EQ(monitor_escolhido({esquerdo, {{{1920, 0}, {1920, 1080}}, false}}, {-5, 0}), 0);
    EXPECT_EQ(monitor_escolhido({}, {0, 0}), -1);

    const sf::IntRect painel({0, 30}, {3840, 1050}); // a panel along the top
    EXPECT_EQ(area_no_monitor(direito.area, &painel), sf::IntRect({1920, 30}, {1920, 1050}));
    EXPECT_EQ(area_no_monitor(direito.area, nullptr), direito.area);
    const sf::IntRect fora({5000, 0}, {10, 10});
    EXPECT_EQ(area_no_monitor(direito.area, &fora), direito.area);

    const sf::Vector2i janela(450, 600);
    EXPECT_EQ(posicao_centrada({{0, 0}, {1920, 1080}}, janela, {}), sf::Vector2i(735, 240));
    EXPECT_EQ(posicao_centrada({{0, 0}, {1366, 768}}, janela, {}), sf::Vector2i(458, 84));
    EXPECT_EQ(posicao_centrada({{0, 0}, {800, 480}}, janela, {}), sf::Vector2i(175, 0));
    EXPECT_EQ(posicao_centrada({{1920, 30}, {1920, 1050}}, janela, {1, 1, 21, 1}),
              sf::Vector2i(2655, 265));
    EXPECT_EQ(posicao_centrada({{0, 0}, {800, 480}}, janela, {1, 1, 21, 1}), sf::Vector2i(175, 21));

    // A new scale keeps the centre, and the frame within the area.
    EXPECT_EQ(posicao_mantida({{0, 0}, {1920, 1080}}, {960, 540}, {900, 1200}, {}),
              sf::Vector2i(510, 0));
    EXPECT_EQ(posicao_mantida({{0, 0}, {3840, 2160}}, {960, 540}, {900, 1200}, {1, 1, 21, 1}),
              sf::Vector2i(510, 21));
}
