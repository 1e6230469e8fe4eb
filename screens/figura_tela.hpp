#pragma once

#include "plataforma/face_sfml.hpp"

#include <SFML/Graphics.hpp>
#include <string>

// The picture a full-window screen shows, read when the screen is shown and
// kept while it waits, so that the window can be painted again (uncovered by
// another window, say) without reading the file a second time.
class figura_tela {
public:
    figura_tela() = default;
    ~figura_tela();
    // The picture is kept live at this address (escala_arte).
    figura_tela(const figura_tela&) = delete;
    figura_tela& operator=(const figura_tela&) = delete;

    // Reads the picture afresh, to be drawn at the window's top-left corner
    // with `por_cima` (if any) over it. Without the picture the result is false
    // and nothing is drawn beneath.
    bool carregar(const std::string& caminho, const sf::Drawable* por_cima = nullptr);

    // Draws it on the table's colour and shows the frame.
    void mostrar(sf::RenderWindow& janela) const;

private:
    sf::Texture textura;
    sf::Sprite sprite = face_sfml::sprite_vazio();
    const sf::Drawable* por_cima = nullptr;
};
