#include "game/jogo.hpp"
#include "plataforma/bibliotecas_seguras.hpp"
#include "plataforma/pasta_programa.hpp"
#include "plataforma/tela_grafica.hpp"

#include <iostream>
#include <string>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

// The game lives in its window, and a console window of its own only gets in
// the way. A console shared with other processes is the command prompt the
// player started the game from: hiding it would take the player's prompt away.
void esconder_console_proprio() {
    HWND console = GetConsoleWindow();
    DWORD processos[2];
    if (console != nullptr && GetConsoleProcessList(processos, 2) == 1) {
        ShowWindow(console, SW_HIDE);
    }
}

} // namespace
#endif

int main() {
    carregar_bibliotecas_so_do_sistema();
#ifdef _WIN32
    esconder_console_proprio();
#endif
    const std::string problema = problema_com_a_tela();
    if (!problema.empty()) {
        std::cerr << problema << '\n';
        return 1;
    }
    escolher_pasta_de_trabalho();
    Jogo::CriandoTudo();
    return 0;
}
