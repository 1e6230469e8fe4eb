#include "plataforma/captura_ponteiro.hpp"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

void capturar_ponteiro(sf::Window& janela) {
    SetCapture(janela.getSystemHandle());
}

void liberar_ponteiro(sf::Window& janela) {
    // Never another window's hold.
    if (GetCapture() == janela.getSystemHandle()) {
        ReleaseCapture();
    }
}
