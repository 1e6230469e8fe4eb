#include "plataforma/tela_grafica.hpp"

#include <X11/Xlib.h>

tela_grafica::tela_grafica() {
    Display* tela = XOpenDisplay(nullptr);
    if (tela != nullptr) {
        conexao_ = tela;
        return;
    }
    // The name Xlib tried: DISPLAY's value, empty when it is not set.
    const std::string nome = XDisplayName(nullptr);
    const std::string tentada = nome.empty() ? "no display (DISPLAY is not set)"
                                             : "cannot open the display \"" + nome + "\"";
    problema_ = "trevalia: " + tentada + "; the game needs a graphical desktop to show its window.";
}

tela_grafica::~tela_grafica() {
    if (conexao_ != nullptr) {
        XCloseDisplay(static_cast<Display*>(conexao_));
    }
}
