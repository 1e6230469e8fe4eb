#include "plataforma/captura_ponteiro.hpp"

#include "plataforma/face_sfml.hpp"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

void capturar_ponteiro(sf::Window& janela) {
    SetCapture(face_sfml::janela_do_sistema(janela));
}

void liberar_ponteiro(sf::Window& janela) {
    // Never another window's hold.
    if (GetCapture() == face_sfml::janela_do_sistema(janela)) {
        ReleaseCapture();
    }
}
