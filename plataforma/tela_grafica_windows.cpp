#include "plataforma/tela_grafica.hpp"

// Every Windows session that can start a program with a window has a desktop
// to show it on, and nothing to hold on to.
tela_grafica::tela_grafica() = default;

tela_grafica::~tela_grafica() = default;
