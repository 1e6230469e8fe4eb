#pragma once

#include "plataforma/face_sfml.hpp"

#include <SFML/Graphics.hpp>
#include <string>

// One picture on the table: a card of the hand or the face of a pile.
// The sprite refers to the card's own texture, so a card is never copied or
// moved: cards live on the heap and are handled by pointer.
class cartas {
public:
    cartas();
    virtual ~cartas();

    cartas(const cartas&) = delete;
    cartas& operator=(const cartas&) = delete;

    // Loads the whole picture at the path, its rounded corners clear so that
    // a card dragged over another shows it there. A failed load (or the empty path,
    // which the hand uses to hide an emptied slot) hides the card but keeps its
    // sprite as it was.
    virtual void carregar(std::string caminho);
    virtual void desenhar(sf::RenderWindow& janela);
    virtual void set_posicao(float x, float y);
    virtual float get_x() const;
    virtual float get_y() const;
    virtual void set_origem(float x, float y);
    virtual float get_origem_x() const;
    virtual float get_origem_y() const;
    virtual float get_altura() const;
    virtual float get_largura() const;
    // The sprite's global size, centred on its position.
    virtual sf::FloatRect get_bounding_rect() const;

    // A window point inside the bounding rectangle, all four edges included.
    bool contem(sf::Vector2f ponto) const;
    // The live pointer inside the bounding rectangle, as `contem` judges it.
    bool mouse_intersects(sf::RenderWindow& janela);
    bool selecionado(sf::RenderWindow& janela);
    // Over the card with the left button held down right now.
    bool pressionado(sf::RenderWindow& janela);

    bool get_carregada() const { return carregada; }

    // Public: the play loop drops onto a pile's global bounds and drags a hand
    // card by moving its sprite directly.
    sf::Sprite sprite = face_sfml::sprite_vazio();

private:
    sf::Texture textura;
    bool carregada;
};
