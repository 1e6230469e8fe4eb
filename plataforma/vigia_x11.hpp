#pragma once

#include <SFML/Window/WindowHandle.hpp>

#include <optional>

struct _XDisplay;
union _XEvent;

// The game's own second connection to the X server, on which the wait for the
// player sleeps beside the window's: it hears what SFML's connection is not
// told. Xlib's headers stay out of the files that include this (see
// area_de_trabalho_x11.hpp).
class vigia_x11 {
public:
    vigia_x11() = default;
    vigia_x11(const vigia_x11&) = delete;
    vigia_x11& operator=(const vigia_x11&) = delete;
    ~vigia_x11();

    // Watches that window from now on; false when there is no display to ask.
    bool vigiar(sf::WindowHandle janela);

    struct novidades {
        // A burst of exposures has ended (its last event counts 0 more to come).
        bool repintar = false;
        // The desktop's scale, read anew, when what it is read from changed
        // (and once when the watch begins, for a change made before it).
        std::optional<float> escala;
    };
    // Takes every event that has come.
    novidades ler();

    int descritor() const;

    // The desktop's scale as the server holds it now, from Xft/DPI and
    // Gdk/WindowScalingFactor of the XSETTINGS manager and Xft.dpi of the
    // root's RESOURCE_MANAGER (escala_anunciada::escala says which wins).
    // Read on a connection that has just opened works as well: Xlib's own
    // copy of the resources is read once per connection, and never again.
    static float escala_do_desktop(_XDisplay* conexao);

private:
    // The scale, with the XSETTINGS manager's window (0 without one) watched
    // from then on for its settings and its end.
    float reler();
    // Whether the event tells of a change in what the scale is read from.
    bool muda_a_escala(const _XEvent& evento) const;

    _XDisplay* conexao = nullptr;
    unsigned long vigiada = 0;
    unsigned long dono = 0;
    bool primeira = false;
};
