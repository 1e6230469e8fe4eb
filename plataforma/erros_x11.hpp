#pragma once

#include <SFML/Window/WindowHandle.hpp>

// X's errors that say only that the game's window is gone: another program
// destroyed it (a `windowclose` of a desktop tool, a session taking its
// windows down). SFML goes on asking the server about its window, and Xlib's
// default handler prints each error and ends the process with status 1,
// before the game could leave as it does when its window is closed.
//
// The handler is Xlib's, for the whole process; every error it is not sure of
// goes on to the handler that was there before, as a fault of the game.
namespace erros_x11 {

// From now on, an error naming this window because it no longer exists is
// noted rather than fatal. The display is the window's own connection.
void vigiar_janela(void* conexao, sf::WindowHandle janela);

// The game has let go of its window: any error about it is a fault again.
void esquecer_janela();

// Another program destroyed the window (seen in an error, or told by
// espera_janela's own watch on it).
bool janela_sumiu();
void marcar_sumida();

} // namespace erros_x11
