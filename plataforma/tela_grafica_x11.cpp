#include "plataforma/tela_grafica.hpp"

#include <X11/Xlib.h>

std::string problema_com_a_tela() {
    Display* tela = XOpenDisplay(nullptr);
    if (tela != nullptr) {
        XCloseDisplay(tela);
        return std::string();
    }
    // The name Xlib tried: DISPLAY's value, empty when it is not set.
    const std::string nome = XDisplayName(nullptr);
    const std::string tentada = nome.empty() ? "no display (DISPLAY is not set)"
                                             : "cannot open the display \"" + nome + "\"";
    return "trevalia: " + tentada + "; the game needs a graphical desktop to show its window.";
}
