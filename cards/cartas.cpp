#include "cards/cartas.hpp"

#include "plataforma/escala_arte.hpp"
#include "plataforma/ponto_jogo.hpp"

cartas::cartas() : carregada(false) {}

cartas::~cartas() {
    escala_arte::esquecer(textura);
}

void cartas::carregar(std::string caminho) {
    // The empty path means "hide this card"; asking the library would only
    // print a load error for a load that is meant to fail.
    // Without a reset the sprite keeps the rectangle of its first picture.
    carregada = !caminho.empty() && escala_arte::carregar(textura, sprite, caminho, false, true);
}

void cartas::desenhar(sf::RenderWindow& janela) {
    if (carregada) {
        janela.draw(sprite);
    }
}

void cartas::set_posicao(float x, float y) {
    if (carregada) {
        sprite.setPosition({x, y});
    }
}

float cartas::get_x() const {
    return sprite.getPosition().x;
}

float cartas::get_y() const {
    return sprite.getPosition().y;
}

void cartas::set_origem(float x, float y) {
    if (carregada) {
        sprite.setOrigin({x / sprite.getScale().x, y / sprite.getScale().y});
    }
}

// The origin and the size in points, as the game places cards, whatever the
// scale of the picture drawn.
float cartas::get_origem_x() const {
    return sprite.getOrigin().x * sprite.getScale().x;
}

float cartas::get_origem_y() const {
    return sprite.getOrigin().y * sprite.getScale().y;
}

float cartas::get_altura() const {
    return face_sfml::tamanho(sprite.getLocalBounds()).y * sprite.getScale().y;
}

float cartas::get_largura() const {
    return face_sfml::tamanho(sprite.getLocalBounds()).x * sprite.getScale().x;
}

sf::FloatRect cartas::get_bounding_rect() const {
    const sf::Vector2f posicao = sprite.getPosition();
    const sf::Vector2f tamanho = face_sfml::tamanho(sprite.getGlobalBounds());
    return sf::FloatRect({posicao.x - tamanho.x / 2.0f, posicao.y - tamanho.y / 2.0f}, tamanho);
}

bool cartas::contem(sf::Vector2f ponto) const {
    const sf::FloatRect r = get_bounding_rect();
    const sf::Vector2f canto = face_sfml::posicao(r);
    const sf::Vector2f fim = canto + face_sfml::tamanho(r);
    return canto.x <= ponto.x && ponto.x <= fim.x && canto.y <= ponto.y && ponto.y <= fim.y;
}

bool cartas::mouse_intersects(sf::RenderWindow& janela) {
    const sf::Vector2i ponto = ponto_do_jogo(janela, sf::Mouse::getPosition(janela));
    return contem(sf::Vector2f(static_cast<float>(ponto.x), static_cast<float>(ponto.y)));
}

bool cartas::selecionado(sf::RenderWindow& janela) {
    return mouse_intersects(janela);
}

bool cartas::pressionado(sf::RenderWindow& janela) {
    if (!selecionado(janela)) {
        return false;
    }
    return sf::Mouse::isButtonPressed(sf::Mouse::Button::Left);
}
