#include "screens/menu.hpp"

#include "plataforma/arquivos.hpp"
#include "plataforma/lugares.hpp"
#include "screens/tela_comum.hpp"

int Menu::Mostrar(sf::RenderWindow& janela) {
    itens = {{lugares::menu_jogar, 2}, {lugares::menu_sair, 1}, {lugares::menu_instrucoes, 3}};

    // Opened from a game, the menu lies over the table. Without the picture the
    // buttons still answer where they would be.
    figura.carregar(arquivos::caminho(arquivos::tela_menu));
    figura.mostrar(janela);
    return obter_resposta_menu(janela);
}

int Menu::clique(int x, int y) {
    return tela_comum::clique(itens, x, y);
}

int Menu::obter_resposta_menu(sf::RenderWindow& janela) {
    // A close request leaves, like the leave button.
    return tela_comum::esperar_resposta(janela, figura, itens, 1);
}
