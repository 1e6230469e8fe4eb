#include "screens/perdeu.hpp"

Perdeu::Perdeu() : tela_resultado("imagens/perdeu2.jpg") {}
