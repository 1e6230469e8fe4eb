// The yardstick for the game's input lag: the plainest SFML loop that draws the
// same table (background, count, buttons, four piles, eight hand cards) and lets
// a hand card be dragged. It waits for an event, handles every event already
// queued, then draws one frame. Run from a folder holding imagens/, like the
// game; its window bears the game's title and size so the same driver finds it.
// Given a scale (`bench_laco_simples 2`), its window has that many pixels a
// point, with SFML's own view and mapping, as a scaled desktop gives the game;
// and like the game there, it draws the pictures' twins painted at twice the
// size (`name@2x.jpg`) at half scale, read by the game's own escala_arte, and
// its count at the scaled size. Its SFML calls go through plataforma/face_sfml
// only where the library's versions differ.

#include "plataforma/arquivos.hpp"
#include "plataforma/escala_arte.hpp"
#include "plataforma/face_sfml.hpp"
#include "plataforma/lugares.hpp"

#include <SFML/Graphics.hpp>

#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

struct Figura {
    sf::Texture textura;
    sf::Sprite sprite = face_sfml::sprite_vazio();

    Figura(const std::string& caminho, float x, float y, bool centrada) {
        // A picture that does not load is not drawn; SFML has said why.
        if (!escala_arte::carregar(textura, sprite, caminho, true)) {
            return;
        }
        if (centrada) {
            sprite.setOrigin(face_sfml::tamanho(sprite.getLocalBounds()) / 2.0f);
        }
        sprite.setPosition({x, y});
    }
};

sf::Vector2f casa(int slot) {
    return {lugares::casas_mao[slot].x, lugares::casas_mao[slot].y};
}

} // namespace

int main(int argc, char** argv) {
    const float escala = argc > 1 ? std::strtof(argv[1], nullptr) : 1.0f;
    escala_arte::definir(escala);
    sf::RenderWindow janela(face_sfml::modo_video(static_cast<unsigned>(std::lround(450 * escala)),
                                                  static_cast<unsigned>(std::lround(600 * escala))),
                            "Trevalia", sf::Style::Close);
    janela.setView(sf::View(sf::FloatRect({0.0f, 0.0f}, {450.0f, 600.0f})));
    if (escala != 1.0f) {
        // SFML's own place for a tall window can lie partly below the screen.
        janela.setPosition(sf::Vector2i(0, 0));
    }

    using arquivos::caminho;
    Figura fundo(caminho(arquivos::mesa), 0.0f, 0.0f, false);
    Figura menu(caminho(arquivos::botao_menu), lugares::botao_menu.x, lugares::botao_menu.y, false);
    Figura dnv(caminho(arquivos::botao_jogar_novamente), lugares::botao_jogar_novamente.x,
               lugares::botao_jogar_novamente.y, false);
    sf::Font fonte;
    face_sfml::abrir_fonte(fonte, caminho(arquivos::fonte));
    sf::Text contagem = face_sfml::texto_vazio();
    contagem.setFont(fonte);
    contagem.setString("99");
    contagem.setCharacterSize(static_cast<unsigned>(std::lround(20 * escala)));
    contagem.setScale({1.0f / escala, 1.0f / escala});
    contagem.setPosition({lugares::contagem.x, lugares::contagem.y});
    contagem.setOutlineColor(sf::Color::Blue);
    contagem.setOutlineThickness(0.5f * escala);
    contagem.setFillColor(sf::Color::Transparent);

    const std::string sobe = caminho(arquivos::pilha_crescente_vazia);
    const std::string desce = caminho(arquivos::pilha_decrescente_vazia);
    std::array<std::unique_ptr<Figura>, 4> pilhas = {
        std::make_unique<Figura>(sobe, lugares::pilha_c1.x, lugares::pilha_c1.y, false),
        std::make_unique<Figura>(sobe, lugares::pilha_c2.x, lugares::pilha_c2.y, false),
        std::make_unique<Figura>(desce, lugares::pilha_d1.x, lugares::pilha_d1.y, false),
        std::make_unique<Figura>(desce, lugares::pilha_d2.x, lugares::pilha_d2.y, false)};
    std::array<std::unique_ptr<Figura>, 8> mao;
    for (int slot = 0; slot < 8; ++slot) {
        const sf::Vector2f p = casa(slot);
        mao[slot] =
            std::make_unique<Figura>(caminho(arquivos::carta_mao, 11 * slot + 5), p.x, p.y, true);
    }

    int arrastada = -1;
    evento_jogo evento;
    while (face_sfml::esperar_evento(janela, evento)) {
        do {
            if (evento.tipo == evento_jogo::Fechada) {
                return 0;
            }
            if (evento.tipo == evento_jogo::BotaoPressionado &&
                evento.botao == sf::Mouse::Button::Left) {
                const sf::Vector2f ponto = janela.mapPixelToCoords(evento.ponto);
                for (int slot = 0; slot < 8 && arrastada < 0; ++slot) {
                    if (mao[slot]->sprite.getGlobalBounds().contains(ponto)) {
                        arrastada = slot;
                    }
                }
            } else if (evento.tipo == evento_jogo::BotaoSolto &&
                       evento.botao == sf::Mouse::Button::Left && arrastada >= 0) {
                mao[arrastada]->sprite.setPosition(casa(arrastada));
                arrastada = -1;
            } else if (evento.tipo == evento_jogo::MouseMovido && arrastada >= 0) {
                const sf::Vector2f ponto = janela.mapPixelToCoords(evento.ponto);
                mao[arrastada]->sprite.setPosition({std::floor(ponto.x), std::floor(ponto.y)});
            }
        } while (face_sfml::proximo_evento(janela, evento));

        janela.clear(sf::Color::Black);
        janela.draw(fundo.sprite);
        janela.draw(contagem);
        janela.draw(menu.sprite);
        janela.draw(dnv.sprite);
        for (const auto& pilha : pilhas) {
            janela.draw(pilha->sprite);
        }
        for (const auto& carta : mao) {
            janela.draw(carta->sprite);
        }
        janela.display();
    }
    return 0;
}
