#include "plataforma/cantos_carta.hpp"

#include "plataforma/face_sfml.hpp"
#include "plataforma/lugares.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

void cantos_carta::limpar(sf::Image& imagem) {
    const sf::Vector2u lados = imagem.getSize();
    // In the picture's own pixels, at whatever size it was painted.
    const float raio = static_cast<float>(lugares::raio_canto_carta * lados.x) /
                       static_cast<float>(lugares::largura_carta_mao);
    const unsigned alcance =
        std::min({static_cast<unsigned>(std::ceil(raio)), lados.x / 2, lados.y / 2});
    for (unsigned y = 0; y < alcance; ++y) {
        for (unsigned x = 0; x < alcance; ++x) {
            // The pixel's centre, from the centre of the corner's circle;
            // past it (a radius that is not whole), from the straight edge.
            const float dx = std::max(0.0f, raio - (static_cast<float>(x) + 0.5f));
            const float dy = std::max(0.0f, raio - (static_cast<float>(y) + 0.5f));
            const float dentro = std::clamp(raio - std::hypot(dx, dy) + 0.5f, 0.0f, 1.0f);
            if (dentro >= 1.0f) {
                continue;
            }
            // The same pixel in each of the four corners.
            const unsigned xs[2] = {x, lados.x - 1 - x};
            const unsigned ys[2] = {y, lados.y - 1 - y};
            for (unsigned cx : xs) {
                for (unsigned cy : ys) {
                    sf::Color cor = face_sfml::pixel(imagem, cx, cy);
                    cor.a = static_cast<std::uint8_t>(std::lround(cor.a * dentro));
                    face_sfml::pintar(imagem, cx, cy, cor);
                }
            }
        }
    }
}
