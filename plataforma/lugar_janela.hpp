#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <vector>

// Where the window opens and how many device pixels it gets, worked out from
// what the desktop tells each platform's window opening (abrir_janela). Plain
// arithmetic, the same on every system.
namespace lugar_janela {

// The game's own size, in points.
constexpr int largura_pontos = 450;
constexpr int altura_pontos = 600;

// The desktop's scale from its dots per inch, as text (X11's Xft.dpi) or as a
// number (Windows), 96 being 1. Nothing given, text that is not wholly a
// number, or a value outside 48..960 (no screen has it: a damaged setting)
// gives 1; so does a scale below 1, which would make the cards too small to
// play.
float escala_do_dpi(const char* dpi);
float escala_do_dpi(double dpi);

// The space a window manager's frame adds on each side of the window.
struct moldura {
    int esquerda = 0;
    int direita = 0;
    int topo = 0;
    int base = 0;
};

// The scale lowered as far as needed for the framed window to fit the work
// area, never below 1.
float escala_que_cabe(float escala, sf::Vector2i area, const moldura& m);

// The window's client area at that scale: round(450 s) by round(600 s).
sf::Vector2i tamanho_cliente(float escala);

struct monitor {
    sf::IntRect area;
    bool primario = false;
};

// The monitor to open on: the one holding the pointer, else the primary one,
// else the first; -1 when there are none (the whole screen then).
int monitor_escolhido(const std::vector<monitor>& monitores, sf::Vector2i ponteiro);

// The part of the monitor that windows may take: the work area a window
// manager publishes, where it overlaps the monitor, else the whole monitor.
sf::IntRect area_no_monitor(const sf::IntRect& monitor, const sf::IntRect* area_de_trabalho);

// The client area's top-left corner that centres the framed window in the
// area. A window larger than the area gets its frame's top-left corner at the
// area's, where at least the title bar can be reached.
sf::Vector2i posicao_centrada(const sf::IntRect& area, sf::Vector2i cliente, const moldura& m);

// The client area's top-left corner that keeps the window's centre where it
// was, moved as little as needed for the framed window to lie in the area
// (its frame's top-left corner at the area's when it is larger).
sf::Vector2i posicao_mantida(const sf::IntRect& area, sf::Vector2i centro, sf::Vector2i cliente,
                             const moldura& m);

// Where the table goes in a window of any size, which a window manager may
// force on it (full screen): at the largest scale that fits, centred, its
// proportions kept. The rectangle is in the window's pixels; a window of the
// table's own size at that scale is taken whole, so that a scale such as 1.25
// (563x750) is drawn as it was opened rather than with a stray column.
struct encaixe {
    float escala = 1.0f;
    sf::IntRect quadro;
};
encaixe encaixar(sf::Vector2i janela);

} // namespace lugar_janela
