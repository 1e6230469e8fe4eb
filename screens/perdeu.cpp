#include "screens/perdeu.hpp"

#include "plataforma/arquivos.hpp"

Perdeu::Perdeu() : tela_resultado(arquivos::tela_perdeu) {}
