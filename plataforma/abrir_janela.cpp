#include "plataforma/abrir_janela.hpp"

#include "plataforma/icone_janela.hpp"
#include "plataforma/tamanho_janela.hpp"

void preparar_janela(sf::RenderWindow& janela) {
    // The game draws and reads its points; the window's pixels are ours, and
    // the scale follows from how many it has.
    tamanho_janela::aplicar(janela, janela.getSize());
    aplicar_icone(janela);
}
