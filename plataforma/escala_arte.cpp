#include "plataforma/escala_arte.hpp"

float escala_arte::escala = 1.0f;

void escala_arte::definir(float nova) {
    escala = nova < 1.0f ? 1.0f : nova;
}

float escala_arte::atual() {
    return escala;
}
