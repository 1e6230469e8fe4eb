#pragma once

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <string>

// How many device pixels of the window stand for one of the game's points:
// 1 until the window is opened on a desktop scaled otherwise, and whatever the
// window's size makes it later (tamanho_janela). The game speaks in 450x600
// points everywhere; only what is painted (the pictures and the count's text)
// is drawn for the window's real pixels.
class escala_arte {
public:
    escala_arte() = delete;

    // Every picture loaded and not forgotten follows at once: read again from
    // its twin or from itself where the scale crosses 1, filtered or not
    // anew otherwise. A scale of 0 or less is taken as 1.
    static void definir(float escala);
    static float atual();

    // Every picture the game shows is read here. Above scale 1 it reads the
    // picture's twin painted at twice the size (`name@2x.ext`) when that one
    // loads, else the picture itself; at scale 1 the twin is never looked at.
    // Only a picture that loaded is given to the sprite, scaled so that it
    // covers the same points either way; `novo_retangulo` as in
    // sf::Sprite::setTexture. A card's picture (`cantos`) has its rounded
    // corners made clear. Nothing loaded: false, and both are left as they
    // were.
    //
    // A picture loaded is kept live: texture and sprite must stay where they
    // are until `esquecer` is called with the texture, which every holder
    // does before it goes.
    static bool carregar(sf::Texture& textura, sf::Sprite& sprite, const std::string& caminho,
                         bool novo_retangulo = false, bool cantos = false);
    static void esquecer(const sf::Texture& textura);

private:
    static bool ler(sf::Texture& textura, sf::Sprite& sprite, const std::string& caminho,
                    bool novo_retangulo, bool cantos);
    static void filtrar(sf::Texture& textura, const sf::Sprite& sprite);

    static float escala;
};
