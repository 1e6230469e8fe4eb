#include "cards/cartas.hpp"
#include "plataforma/escala_arte.hpp"
#include "tests/support/pasta_temporaria.hpp"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <tuple>

TEST(Cartas, AnUnloadedCardIsInertAndSitsAtTheOrigin) {
    cartas carta;
    EXPECT_FALSE(carta.get_carregada());
    carta.set_posicao(50, 60);
    carta.set_origem(5, 6);
    EXPECT_EQ(carta.get_x(), 0);
    EXPECT_EQ(carta.get_y(), 0);
    EXPECT_EQ(carta.get_origem_x(), 0);
    EXPECT_EQ(carta.get_origem_y(), 0);
    EXPECT_EQ(carta.get_altura(), 0);
    EXPECT_EQ(carta.get_largura(), 0);
    EXPECT_EQ(carta.get_bounding_rect(), sf::FloatRect({0, 0}, {0, 0}));
}

TEST(Cartas, ALoadShowsTheWholePictureAndAFailedOneHidesIt) {
    pasta_temporaria pasta;
    pasta.criar_imagem("a.png", 70, 96);
    cartas carta;
    carta.carregar("imagens/a.png");
    ASSERT_TRUE(carta.get_carregada());
    EXPECT_EQ(carta.get_largura(), 70);
    EXPECT_EQ(carta.get_altura(), 96);

    carta.set_origem(35, 48);
    carta.set_posicao(100, 408);
    EXPECT_EQ(carta.get_bounding_rect(), sf::FloatRect({65, 360}, {70, 96}));

    carta.carregar("imagens/missing.png");
    EXPECT_FALSE(carta.get_carregada());
    carta.set_posicao(1, 1);
    carta.set_origem(0, 0);
    EXPECT_EQ(carta.get_x(), 100) << "a hidden card keeps its place";
    EXPECT_EQ(carta.get_origem_x(), 35);
    EXPECT_EQ(carta.get_bounding_rect(), sf::FloatRect({65, 360}, {70, 96}));

    // Hiding with the empty path is no failed load: nothing is reported.
    std::ostringstream erros;
    std::streambuf* anterior = sf::err().rdbuf(erros.rdbuf());
    carta.carregar("");
    sf::err().rdbuf(anterior);
    EXPECT_FALSE(carta.get_carregada());
    EXPECT_EQ(erros.str(), "");
    carta.carregar("imagens/a.png");
    EXPECT_TRUE(carta.get_carregada());
}

TEST(Cartas, ASecondPictureKeepsTheFirstRectangle) {
    pasta_temporaria pasta;
    pasta.criar_imagem("pequena.png", 20, 30);
    pasta.criar_imagem("grande.png", 92, 126);
    cartas carta;
    carta.carregar("imagens/pequena.png");
    carta.carregar("imagens/grande.png");
    EXPECT_TRUE(carta.get_carregada());
    EXPECT_EQ(carta.sprite.getTextureRect(), sf::IntRect({0, 0}, {20, 30}));
    EXPECT_EQ(carta.get_largura(), 20);
}

// Scaled, a card shows its twin at twice the size when that one loads, over
// the points of the picture, through a picture without a twin and back; a
// missing twin is no error, and only a fractional scale is filtered.
TEST(Cartas, AScaledCardReadsItsTwinAndCoversTheSamePoints) {
    enum { nenhuma, boa, estragada };
    // scale, twin, width of the texture read
    const std::tuple<float, int, unsigned> casos[] = {
        {1, boa, 70}, {2, boa, 140}, {1.5f, boa, 140}, {1.5f, nenhuma, 70}, {2, estragada, 70}};
    for (const auto& [escala, gemea, largura] : casos) {
        pasta_temporaria pasta;
        pasta.criar_imagem("a.png", 70, 96);
        pasta.criar_imagem("b.png", 70, 96);
        if (gemea == boa) {
            pasta.criar_imagem("a@2x.png", 140, 192);
        } else if (gemea == estragada) {
            std::ofstream("imagens/a@2x.png") << "not a picture";
        }
        escala_arte::definir(escala);
        std::ostringstream erros;
        std::streambuf* anterior = sf::err().rdbuf(erros.rdbuf());
        cartas carta;
        carta.carregar("imagens/a.png");
        carta.set_origem(35, 48);
        carta.set_posicao(100, 408);
        EXPECT_EQ(face_sfml::textura_de(carta.sprite)->getSize().x, largura) << escala;
        EXPECT_EQ(face_sfml::textura_de(carta.sprite)->isSmooth(), escala == 1.5f) << escala;
        EXPECT_EQ(erros.str().empty(), gemea != estragada) << erros.str();
        for (const char* nome : {"imagens/b.png", "imagens/a.png"}) {
            EXPECT_EQ(carta.get_bounding_rect(), sf::FloatRect({65, 360}, {70, 96})) << nome;
            EXPECT_EQ(carta.get_largura(), 70) << nome;
            carta.carregar(nome);
        }
        sf::err().rdbuf(anterior);
    }
    escala_arte::definir(1);
}

TEST(Cartas, TheMouseTestIncludesAllFourEdges) {
    pasta_temporaria pasta;
    pasta.criar_imagem("a.png", 70, 96);
    sf::RenderWindow janela(face_sfml::modo_video(450, 600), "Trevalia test", sf::Style::Close);
    cartas carta;
    carta.carregar("imagens/a.png");
    carta.set_origem(35, 48);
    carta.set_posicao(100, 408);

    const auto sobre = [&](int x, int y) {
        sf::Mouse::setPosition(sf::Vector2i(x, y), janela);
        return carta.mouse_intersects(janela);
    };
    EXPECT_TRUE(sobre(65, 360));
    EXPECT_TRUE(sobre(135, 456));
    EXPECT_TRUE(sobre(100, 408));
    EXPECT_FALSE(sobre(64, 400));
    EXPECT_FALSE(sobre(136, 400));
    EXPECT_FALSE(sobre(100, 457));

    sf::Mouse::setPosition(sf::Vector2i(100, 408), janela);
    EXPECT_FALSE(carta.pressionado(janela)) << "no button is down";

    // A card hidden by a failed load still answers over its old rectangle.
    carta.carregar("");
    EXPECT_TRUE(carta.mouse_intersects(janela));

    // A card never loaded has an empty rectangle at (0, 0).
    cartas vazia;
    EXPECT_FALSE(vazia.mouse_intersects(janela));
    sf::Mouse::setPosition(sf::Vector2i(0, 0), janela);
    EXPECT_TRUE(vazia.mouse_intersects(janela));
}

TEST(Cartas, OnlyALoadedCardIsDrawn) {
    pasta_temporaria pasta;
    pasta.criar_imagem("vermelha.png", 40, 40, sf::Color::Red);
    sf::RenderWindow janela(face_sfml::modo_video(450, 600), "Trevalia test", sf::Style::Close);
    cartas carta;
    carta.carregar("imagens/vermelha.png");
    carta.set_posicao(10, 10);

    const auto pixel_depois_de_desenhar = [&]() {
        janela.clear(sf::Color::Black);
        carta.desenhar(janela);
        return face_sfml::pixel(face_sfml::captura(janela), 20, 20);
    };
    EXPECT_EQ(pixel_depois_de_desenhar(), sf::Color::Red);
    carta.carregar("");
    EXPECT_EQ(pixel_depois_de_desenhar(), sf::Color::Black);
}
