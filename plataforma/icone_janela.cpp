#include "plataforma/icone_janela.hpp"

#include "plataforma/face_sfml.hpp"

namespace {

// lado_icone and pixels_icone, painted by tools/icone.py at build time.
#include "icone_janela.inc"

static_assert(sizeof(pixels_icone) == lado_icone * lado_icone * 4,
              "the window's icon is square, four bytes a pixel");

} // namespace

icone_rgba icone_do_jogo() {
    return {lado_icone, pixels_icone};
}

void aplicar_icone(sf::Window& janela) {
    face_sfml::dar_icone(janela, lado_icone, pixels_icone);
}
