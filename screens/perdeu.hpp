#pragma once

#include "screens/tela_resultado.hpp"

// The screen of a lost game.
class Perdeu : public tela_resultado {
public:
    Perdeu();
};
