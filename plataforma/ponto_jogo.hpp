#pragma once

#include "plataforma/evento_jogo.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

// The one place where the window's device pixels become the game's points: on
// a desktop scaled to 200% the window has 900x1200 pixels and the game still
// speaks in 450x600 points. At a scale of 1 every point is its pixel.
sf::Vector2i ponto_do_jogo(const sf::RenderWindow& janela, sf::Vector2i pixel);

// The same for the pointer's place in a mouse event; other events are left as
// they are.
void evento_em_pontos(const sf::RenderWindow& janela, evento_jogo& evento);
