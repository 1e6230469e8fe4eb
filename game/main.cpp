#include "game/jogo.hpp"

#ifdef _WIN32
#include <windows.h>
#endif

int main() {
#ifdef _WIN32
    // The game lives in its window; the console only gets in the way.
    ShowWindow(GetConsoleWindow(), SW_HIDE);
#endif
    Jogo::CriandoTudo();
    return 0;
}
