#include "plataforma/icone_janela.hpp"

namespace {

// lado_icone and pixels_icone, painted by tools/icone.py at build time.
#include "icone_janela.inc"

static_assert(sizeof(pixels_icone) == lado_icone * lado_icone * 4,
              "the window's icon is square, four bytes a pixel");

} // namespace

void aplicar_icone(sf::Window& janela) {
    janela.setIcon(lado_icone, lado_icone, pixels_icone);
}
