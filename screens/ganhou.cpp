#include "screens/ganhou.hpp"

Ganhou::Ganhou() : tela_resultado("imagens/ganhou2.jpg") {}
