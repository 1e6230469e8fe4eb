#include "plataforma/face_sfml.hpp"

#include <SFML/Window/Event.hpp>

namespace face_sfml {

#if SFML_VERSION_MAJOR >= 3

namespace {

const sf::Texture& textura_vazia() {
    static const sf::Texture vazia;
    return vazia;
}

const sf::Font& fonte_vazia() {
    static const sf::Font vazia;
    return vazia;
}

evento_jogo traduzir(const sf::Event& evento) {
    evento_jogo lido;
    if (evento.is<sf::Event::Closed>()) {
        lido.tipo = evento_jogo::Fechada;
    } else if (const auto* tecla = evento.getIf<sf::Event::KeyPressed>()) {
        lido.tipo = evento_jogo::TeclaPressionada;
        lido.tecla = tecla->code;
    } else if (const auto* botao = evento.getIf<sf::Event::MouseButtonPressed>()) {
        lido.tipo = evento_jogo::BotaoPressionado;
        lido.botao = botao->button;
        lido.ponto = botao->position;
    } else if (const auto* solto = evento.getIf<sf::Event::MouseButtonReleased>()) {
        lido.tipo = evento_jogo::BotaoSolto;
        lido.botao = solto->button;
        lido.ponto = solto->position;
    } else if (const auto* movido = evento.getIf<sf::Event::MouseMoved>()) {
        lido.tipo = evento_jogo::MouseMovido;
        lido.ponto = movido->position;
    } else if (evento.is<sf::Event::FocusLost>()) {
        lido.tipo = evento_jogo::FocoPerdido;
    } else if (evento.is<sf::Event::MouseLeft>()) {
        lido.tipo = evento_jogo::MouseSaiu;
    } else if (const auto* medida = evento.getIf<sf::Event::Resized>()) {
        lido.tipo = evento_jogo::Redimensionada;
        lido.tamanho = medida->size;
    }
    return lido;
}

} // namespace

sf::Sprite sprite_vazio() {
    return sf::Sprite(textura_vazia());
}

const sf::Texture* textura_de(const sf::Sprite& sprite) {
    const sf::Texture& textura = sprite.getTexture();
    return &textura == &textura_vazia() ? nullptr : &textura;
}

void dar_textura(sf::Sprite& sprite, const sf::Texture& textura, bool novo_retangulo) {
    const bool primeira = textura_de(sprite) == nullptr && sprite.getTextureRect() == sf::IntRect();
    sprite.setTexture(textura, novo_retangulo || primeira);
}

sf::Text texto_vazio() {
    return sf::Text(fonte_vazia());
}

bool abrir_fonte(sf::Font& fonte, const std::string& caminho) {
    return fonte.openFromFile(caminho);
}

sf::Image imagem(unsigned largura, unsigned altura, sf::Color cor) {
    return sf::Image({largura, altura}, cor);
}

sf::Color pixel(const sf::Image& imagem, unsigned x, unsigned y) {
    return imagem.getPixel({x, y});
}

void pintar(sf::Image& imagem, unsigned x, unsigned y, sf::Color cor) {
    imagem.setPixel({x, y}, cor);
}

sf::Image captura(const sf::Window& janela) {
    sf::Texture textura;
    if (!textura.resize(janela.getSize())) {
        return sf::Image();
    }
    textura.update(janela);
    return textura.copyToImage();
}

sf::VideoMode modo_video(unsigned largura, unsigned altura) {
    return sf::VideoMode({largura, altura}, 32);
}

sf::Vector2u tamanho(const sf::VideoMode& modo) {
    return modo.size;
}

void dar_icone(sf::Window& janela, unsigned lado, const unsigned char* pixels) {
    janela.setIcon({lado, lado}, pixels);
}

sf::WindowHandle janela_do_sistema(const sf::Window& janela) {
    return janela.getNativeHandle();
}

bool proximo_evento(sf::Window& janela, evento_jogo& evento) {
    const std::optional<sf::Event> lido = janela.pollEvent();
    if (lido) {
        evento = traduzir(*lido);
    }
    return lido.has_value();
}

bool esperar_evento(sf::Window& janela, evento_jogo& evento) {
    const std::optional<sf::Event> lido = janela.waitEvent();
    if (lido) {
        evento = traduzir(*lido);
    }
    return lido.has_value();
}

#else

namespace {

evento_jogo traduzir(const sf::Event& evento) {
    evento_jogo lido;
    switch (evento.type) {
    case sf::Event::Closed:
        lido.tipo = evento_jogo::Fechada;
        break;
    case sf::Event::KeyPressed:
        lido.tipo = evento_jogo::TeclaPressionada;
        lido.tecla = evento.key.code;
        break;
    case sf::Event::MouseButtonPressed:
    case sf::Event::MouseButtonReleased:
        lido.tipo = evento.type == sf::Event::MouseButtonPressed ? evento_jogo::BotaoPressionado
                                                                 : evento_jogo::BotaoSolto;
        lido.botao = evento.mouseButton.button;
        lido.ponto = {evento.mouseButton.x, evento.mouseButton.y};
        break;
    case sf::Event::MouseMoved:
        lido.tipo = evento_jogo::MouseMovido;
        lido.ponto = {evento.mouseMove.x, evento.mouseMove.y};
        break;
    case sf::Event::LostFocus:
        lido.tipo = evento_jogo::FocoPerdido;
        break;
    case sf::Event::MouseLeft:
        lido.tipo = evento_jogo::MouseSaiu;
        break;
    case sf::Event::Resized:
        lido.tipo = evento_jogo::Redimensionada;
        lido.tamanho = {evento.size.width, evento.size.height};
        break;
    default:
        break;
    }
    return lido;
}

} // namespace

sf::Sprite sprite_vazio() {
    return sf::Sprite();
}

const sf::Texture* textura_de(const sf::Sprite& sprite) {
    return sprite.getTexture();
}

void dar_textura(sf::Sprite& sprite, const sf::Texture& textura, bool novo_retangulo) {
    sprite.setTexture(textura, novo_retangulo);
}

sf::Text texto_vazio() {
    return sf::Text();
}

bool abrir_fonte(sf::Font& fonte, const std::string& caminho) {
    return fonte.loadFromFile(caminho);
}

sf::Image imagem(unsigned largura, unsigned altura, sf::Color cor) {
    sf::Image feita;
    feita.create(largura, altura, cor);
    return feita;
}

sf::Color pixel(const sf::Image& imagem, unsigned x, unsigned y) {
    return imagem.getPixel(x, y);
}

void pintar(sf::Image& imagem, unsigned x, unsigned y, sf::Color cor) {
    imagem.setPixel(x, y, cor);
}

sf::Image captura(const sf::Window& janela) {
    sf::Texture textura;
    if (!textura.create(janela.getSize().x, janela.getSize().y)) {
        return sf::Image();
    }
    textura.update(janela);
    return textura.copyToImage();
}

sf::VideoMode modo_video(unsigned largura, unsigned altura) {
    return sf::VideoMode(largura, altura, 32);
}

sf::Vector2u tamanho(const sf::VideoMode& modo) {
    return {modo.width, modo.height};
}

void dar_icone(sf::Window& janela, unsigned lado, const unsigned char* pixels) {
    janela.setIcon(lado, lado, pixels);
}

sf::WindowHandle janela_do_sistema(const sf::Window& janela) {
    return janela.getSystemHandle();
}

bool proximo_evento(sf::Window& janela, evento_jogo& evento) {
    sf::Event lido;
    if (!janela.pollEvent(lido)) {
        return false;
    }
    evento = traduzir(lido);
    return true;
}

bool esperar_evento(sf::Window& janela, evento_jogo& evento) {
    sf::Event lido;
    if (!janela.waitEvent(lido)) {
        return false;
    }
    evento = traduzir(lido);
    return true;
}

#endif

} // namespace face_sfml
