#pragma once

#include "plataforma/lugar_janela.hpp"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Window/WindowHandle.hpp>

#include <optional>

// What the X desktop says about where the game's window goes. Each call asks
// on a connection of its own, closed before it returns, so that no event is
// taken from SFML's connection; and Xlib's headers, whose macros (None, Bool,
// Status) clash with other code, stay out of the files that include this.
namespace area_de_trabalho_x11 {

struct leitura {
    // Xft.dpi / 96 (lugar_janela::escala_do_dpi), before any fitting.
    float escala = 1.0f;
    // The work area of the monitor that holds the pointer (RandR 1.5), or
    // the point given, else of the primary one, else of the whole screen.
    sf::IntRect area;
};

leitura ler(const sf::Vector2i* perto = nullptr);

// The frame the window manager will put around the window, asked before the
// window is shown (_NET_REQUEST_FRAME_EXTENTS): none without a manager, or
// from one that does not answer within a second; nothing when the manager
// does not list the request as one it answers (KWin 5.27 neither lists nor
// answers it), and the frame is then read once the window is framed
// (moldura_posta). The window must already be known to the X server.
std::optional<lugar_janela::moldura> moldura_prevista(sf::WindowHandle janela);

// The frame the window manager has put around the mapped window
// (_NET_FRAME_EXTENTS), waited for within a second from a manager that lists
// it as one it sets; none otherwise.
lugar_janela::moldura moldura_posta(sf::WindowHandle janela);

} // namespace area_de_trabalho_x11
