#include "plataforma/tela_grafica.hpp"

// Every Windows session that can start a program with a window has a desktop
// to show it on.
std::string problema_com_a_tela() {
    return std::string();
}
