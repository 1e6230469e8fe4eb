// The built imagens/ folder as the game loads it: every picture through
// sf::Texture, the font through sf::Font, at the sizes the table layout needs.

#include "plataforma/arquivos.hpp"
#include "plataforma/face_sfml.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Glyph.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Context.hpp>
#include <gtest/gtest.h>
#include <string>

namespace {

const std::string pasta = TREVALIA_IMAGENS_DIR;

// The size of a picture. Its twin for scaled desktops, drawn at half scale in
// the same place, must load at exactly twice that size.
sf::Vector2u tamanho(const std::string& nome, bool com_gemea = true) {
    sf::Texture textura;
    if (!textura.loadFromFile(pasta + "/" + nome)) {
        ADD_FAILURE() << nome << " does not load as a texture";
        return {0, 0};
    }
    if (com_gemea) {
        const std::size_t ponto = nome.rfind('.');
        const std::string gemea = nome.substr(0, ponto) + "@2x" + nome.substr(ponto);
        EXPECT_EQ(tamanho(gemea, false), textura.getSize() * 2u) << gemea;
    }
    return textura.getSize();
}

void todas_com_tamanho(const char* prefixo, int ultima, unsigned largura, unsigned altura) {
    for (int n = 1; n <= ultima; ++n) {
        const std::string nome = prefixo + std::to_string(n) + arquivos::numerados;
        EXPECT_EQ(tamanho(nome), sf::Vector2u(largura, altura)) << nome;
    }
}

// A GL context held through each whole test. Without it every texture opens and closes
// its own display connection, and a virtual X server resets whenever its last
// client leaves, refusing whoever connects during the reset.
class Imagens : public ::testing::Test {
    sf::Context contexto;
};

// A table button is drawn at a fixed place and must end before its neighbour.
void botao_cabe(const std::string& nome, unsigned largura_max, unsigned altura_max) {
    const sf::Vector2u t = tamanho(nome);
    EXPECT_LE(t.x, largura_max) << nome;
    EXPECT_LE(t.y, altura_max) << nome;
    // Big enough to hit comfortably and to hold a label.
    EXPECT_GE(t.x, 60u) << nome;
    EXPECT_GE(t.y, 24u) << nome;
}

TEST_F(Imagens, HandCardsAre70x96) {
    todas_com_tamanho(arquivos::carta_mao, arquivos::cartas, 70, 96);
}

TEST_F(Imagens, PileCardsAre92x126) {
    todas_com_tamanho(arquivos::carta_pilha, arquivos::cartas, 92, 126);
}

TEST_F(Imagens, EmptyPilesHaveThePileSize) {
    EXPECT_EQ(tamanho("fundo0.jpg"), sf::Vector2u(92, 126));
    EXPECT_EQ(tamanho("fundo100.jpg"), sf::Vector2u(92, 126));
}

TEST_F(Imagens, FullWindowPicturesAre450x600) {
    for (const char* nome : {"fundo2.jpg", "inicial.jpg", "menu.jpg", "instrucoes.jpg",
                             "ganhou2.jpg", "perdeu2.jpg"}) {
        EXPECT_EQ(tamanho(nome), sf::Vector2u(450, 600)) << nome;
    }
}

TEST_F(Imagens, TutorialPagesAre290x330) {
    todas_com_tamanho(arquivos::pagina, arquivos::paginas, 290, 330);
}

TEST_F(Imagens, TableButtonsFitTheirPlaces) {
    botao_cabe("desfazer.png", 96, 44);
    botao_cabe("botao_menu.png", 105, 40);
    botao_cabe("botao_dnv.png", 140, 40);
}

TEST_F(Imagens, FontLoadsAndDrawsTheCount) {
    sf::Font fonte;
    ASSERT_TRUE(face_sfml::abrir_fonte(fonte, pasta + "/star.ttf"));
    EXPECT_EQ(fonte.getInfo().family, "DejaVu Sans");
    // The count is drawn at 20 px with a 0.5 px outline: every digit must
    // have an outline glyph of its own.
    for (char d = '0'; d <= '9'; ++d) {
        const sf::Glyph& g = fonte.getGlyph(static_cast<char32_t>(d), 20, false, 0.5f);
        EXPECT_GT(face_sfml::tamanho(g.bounds).x, 5.f) << d;
        EXPECT_GT(face_sfml::tamanho(g.bounds).y, 10.f) << d;
    }
}

} // namespace
