#include "screens/ganhou.hpp"

#include "plataforma/arquivos.hpp"

Ganhou::Ganhou() : tela_resultado(arquivos::tela_ganhou) {}
