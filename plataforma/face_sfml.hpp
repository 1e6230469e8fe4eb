#pragma once

#include "plataforma/evento_jogo.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/VideoMode.hpp>
#include <SFML/Window/Window.hpp>

#include <optional>
#include <string>

// The one place that knows which SFML the game is built on. SFML 2.5 and 2.6
// (Debian 12 and 13) and SFML 3 (Debian testing, Ubuntu 26.04) name the same
// things differently: events, the rectangle's fields, sprites and texts that
// SFML 3 cannot make without their texture or font, sizes given as two
// numbers or as a vector. Above this unit no file asks which version it is on.
//
// What reads the same on both needs nothing here: positions, origins and
// scales set with a vector (setPosition({x, y})), rectangles made from a
// position and a size (sf::IntRect({x, y}, {w, h})), the scoped enum names
// (sf::Mouse::Button::Left, sf::Keyboard::Key::Escape).
namespace face_sfml {

// A rectangle's corner and size: SFML 3's `position` and `size`, SFML 2's
// left, top, width and height.
template <typename T> sf::Vector2<T> posicao(const sf::Rect<T>& r) {
#if SFML_VERSION_MAJOR >= 3
    return r.position;
#else
    return {r.left, r.top};
#endif
}

template <typename T> sf::Vector2<T> tamanho(const sf::Rect<T>& r) {
#if SFML_VERSION_MAJOR >= 3
    return r.size;
#else
    return {r.width, r.height};
#endif
}

// Where the two rectangles overlap; nothing when they do not.
template <typename T>
std::optional<sf::Rect<T>> intersecao(const sf::Rect<T>& a, const sf::Rect<T>& b) {
#if SFML_VERSION_MAJOR >= 3
    return a.findIntersection(b);
#else
    sf::Rect<T> comum;
    if (a.intersects(b, comum)) {
        return comum;
    }
    return std::nullopt;
#endif
}

// A sprite that shows no picture yet. SFML 3 has no sprite without a texture:
// there it refers to one shared empty texture, which textura_de reports as no
// texture at all.
sf::Sprite sprite_vazio();
// The sprite's texture, null when it has none.
const sf::Texture* textura_de(const sf::Sprite& sprite);
// Binds the texture as SFML 2 does: a sprite given its first texture takes
// the whole of it even when asked to keep its (still empty) rectangle.
void dar_textura(sf::Sprite& sprite, const sf::Texture& textura, bool novo_retangulo);

// A text with no font yet; SFML 3 gives it a shared empty one.
sf::Text texto_vazio();
// SFML 2's loadFromFile, SFML 3's openFromFile.
bool abrir_fonte(sf::Font& fonte, const std::string& caminho);

// A picture of one colour, as the tests paint them.
sf::Image imagem(unsigned largura, unsigned altura, sf::Color cor);
sf::Color pixel(const sf::Image& imagem, unsigned x, unsigned y);
void pintar(sf::Image& imagem, unsigned x, unsigned y, sf::Color cor);
// What the window shows now.
sf::Image captura(const sf::Window& janela);

// A window mode of that many pixels, 32 bits a pixel, and a mode's size.
sf::VideoMode modo_video(unsigned largura, unsigned altura);
sf::Vector2u tamanho(const sf::VideoMode& modo);

void dar_icone(sf::Window& janela, unsigned lado, const unsigned char* pixels);
// The window system's own window (X11's Window, Windows's HWND).
sf::WindowHandle janela_do_sistema(const sf::Window& janela);

// The window's next event already queued, without waiting; false when there
// is none.
bool proximo_evento(sf::Window& janela, evento_jogo& evento);
// Waits for the window's next event (SFML's own wait, which polls every
// 10 ms); false when the window is closed and nothing more will come.
bool esperar_evento(sf::Window& janela, evento_jogo& evento);

} // namespace face_sfml
