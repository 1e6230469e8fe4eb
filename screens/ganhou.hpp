#pragma once

#include "screens/tela_resultado.hpp"

// The screen of a won game.
class Ganhou : public tela_resultado {
public:
    Ganhou();
};
