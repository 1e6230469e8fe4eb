#include "plataforma/captura_ponteiro.hpp"

// The server's own grab holds the pointer from the press to the release.
void capturar_ponteiro(sf::Window&) {}

void liberar_ponteiro(sf::Window&) {}
