#include "plataforma/escala_arte.hpp"

#include "plataforma/cantos_carta.hpp"
#include "plataforma/face_sfml.hpp"

#include <cmath>
#include <fstream>
#include <map>

float escala_arte::escala = 1.0f;

namespace {

struct figura_viva {
    sf::Texture* textura;
    sf::Sprite* sprite;
    std::string caminho;
    bool novo_retangulo;
    bool cantos;
};

// Made once and never destroyed: the holders that forget their pictures are
// statics too (the game's panel and cards), and may be destroyed after any
// static of this file.
std::map<const sf::Texture*, figura_viva>& vivas() {
    static auto* lista = new std::map<const sf::Texture*, figura_viva>();
    return *lista;
}

// imagens/menu.jpg -> imagens/menu@2x.jpg
std::string gemea(const std::string& caminho) {
    const std::size_t barra = caminho.find_last_of("/\\");
    const std::size_t ponto = caminho.rfind('.');
    if (ponto == std::string::npos || (barra != std::string::npos && ponto < barra)) {
        return caminho + "@2x";
    }
    return caminho.substr(0, ponto) + "@2x" + caminho.substr(ponto);
}

// A twin that is simply not there (an older install, a hand-made folder) is
// no fault, and SFML would report it as one for every picture read.
bool existe(const std::string& caminho) {
    return std::ifstream(caminho, std::ios::binary).is_open();
}

bool abrir(sf::Texture& textura, const std::string& caminho, bool cantos) {
    if (!cantos) {
        return textura.loadFromFile(caminho);
    }
    sf::Image imagem;
    if (!imagem.loadFromFile(caminho)) {
        return false;
    }
    cantos_carta::limpar(imagem);
    return textura.loadFromImage(imagem);
}

} // namespace

void escala_arte::definir(float nova) {
    const bool gemeas_antes = escala > 1.0f;
    escala = nova > 0.0f ? nova : 1.0f;
    for (auto& entrada : vivas()) {
        const figura_viva& viva = entrada.second;
        if (gemeas_antes != (escala > 1.0f)) {
            ler(*viva.textura, *viva.sprite, viva.caminho, viva.novo_retangulo, viva.cantos);
        } else {
            filtrar(*viva.textura, *viva.sprite);
        }
    }
}

float escala_arte::atual() {
    return escala;
}

bool escala_arte::carregar(sf::Texture& textura, sf::Sprite& sprite, const std::string& caminho,
                           bool novo_retangulo, bool cantos) {
    if (!ler(textura, sprite, caminho, novo_retangulo, cantos)) {
        return false;
    }
    vivas()[&textura] = figura_viva{&textura, &sprite, caminho, novo_retangulo, cantos};
    return true;
}

void escala_arte::esquecer(const sf::Texture& textura) {
    vivas().erase(&textura);
}

bool escala_arte::ler(sf::Texture& textura, sf::Sprite& sprite, const std::string& caminho,
                      bool novo_retangulo, bool cantos) {
    float pixels = 1.0f; // of the texture, per point
    if (escala > 1.0f) {
        const std::string dobro = gemea(caminho);
        if (existe(dobro) && abrir(textura, dobro, cantos)) {
            pixels = 2.0f;
        }
    }
    if (pixels == 1.0f && !abrir(textura, caminho, cantos)) {
        return false;
    }
    // A sprite that keeps its rectangle keeps it, and its origin, in the
    // pixels of the picture before: where one picture had a twin and the next
    // has none, both are carried over, or the sprite would cover a quarter or
    // four times its place.
    const float antes = 1.0f / sprite.getScale().x;
    if (face_sfml::textura_de(sprite) != nullptr && !novo_retangulo && antes != pixels) {
        const float f = pixels / antes;
        const sf::IntRect r = sprite.getTextureRect();
        const auto em = [f](sf::Vector2i v) {
            return sf::Vector2i(static_cast<int>(std::lround(static_cast<float>(v.x) * f)),
                                static_cast<int>(std::lround(static_cast<float>(v.y) * f)));
        };
        sprite.setTextureRect(sf::IntRect(em(face_sfml::posicao(r)), em(face_sfml::tamanho(r))));
        sprite.setOrigin(sprite.getOrigin() * f);
    }
    face_sfml::dar_textura(sprite, textura, novo_retangulo);
    sprite.setScale({1.0f / pixels, 1.0f / pixels});
    filtrar(textura, sprite);
    return true;
}

void escala_arte::filtrar(sf::Texture& textura, const sf::Sprite& sprite) {
    // Drawn at a whole number of window pixels per texture pixel (scale 1 or
    // 2 for a twin), the picture is sharpest unfiltered; at 1.5 it would
    // drop and double rows and columns unevenly.
    const float passo = escala * sprite.getScale().x;
    textura.setSmooth(std::fabs(passo - std::round(passo)) > 0.001f);
}
