#pragma once

#include <SFML/Graphics/Image.hpp>

// A card's picture is a JPEG, which holds no transparency: its rounded
// corners are painted in the table's colour, and a card dragged over a pile
// or another card would show four dark squares. The corners are made clear
// once, as the picture is read.
namespace cantos_carta {

// Clears what lies outside the card's rounded corners (lugares'
// raio_canto_carta, in proportion to the card's width), edges blended over
// a pixel, at any size the picture was painted.
void limpar(sf::Image& imagem);

} // namespace cantos_carta
