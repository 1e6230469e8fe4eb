#include "screens/tela_inicial.hpp"

#include "plataforma/arquivos.hpp"
#include "screens/tela_comum.hpp"

void Tela_Inicial::Mostrar(sf::RenderWindow& janela) {
    // Without its picture the start screen would be a blank wait, so it is
    // skipped and the menu comes at once.
    if (!figura.carregar(arquivos::caminho(arquivos::tela_inicial))) {
        return;
    }
    figura.mostrar(janela);
    // A close request ends it like a press and goes no further: the menu
    // comes next, and only a close request there ends the game.
    tela_comum::esperar_clique(janela, figura);
}
