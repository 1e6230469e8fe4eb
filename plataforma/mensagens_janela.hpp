#pragma once

#include "plataforma/lugar_janela.hpp"

#include <SFML/Window/WindowHandle.hpp>

// What Windows tells the game's window and SFML does not pass on: a request
// to paint it again, and a change of scale as the window moves to a monitor
// of another DPI, or that monitor's scale is changed (WM_DPICHANGED). SFML
// hands out only its own events, and wraps the procedure only of a window it
// did not make: the game wraps the procedure of SFML's window here, and the
// rest of the game never sees a message.
namespace mensagens_janela {

// From now until largar, the window's messages pass through here first.
void vigiar(sf::WindowHandle janela);
void largar(sf::WindowHandle janela);

// Whether the window was asked to paint itself since the last ask: Windows
// composites every window since Windows 8 and repaints an uncovered one on
// its own, but Windows 7 with its basic theme and Wine without a compositor
// leave what covered it until the game draws again.
bool pintura_pedida();

// The frame Windows puts around the game's window at that DPI (0: the
// system's), which per-monitor awareness v2 scales with it; a null window
// stands for the one SFML is about to make.
lugar_janela::moldura moldura(sf::WindowHandle janela, unsigned dpi);

// The window's frame put with its top-left corner there, around a client
// area of that size. The frame is counted again once the window is there:
// Windows scales it with the monitor's DPI under per-monitor awareness v2
// alone (Wine never does), and SFML counts it at the system's.
void colocar(sf::WindowHandle janela, sf::Vector2i canto, sf::Vector2i cliente,
             lugar_janela::moldura m);

} // namespace mensagens_janela
