#include "screens/menu.hpp"

#include "screens/tela_comum.hpp"

int Menu::Mostrar(sf::RenderWindow& janela) {
    itens.push_back(tela_comum::item<Item_Menu>(120, 200, 340, 260, 2)); // play
    itens.push_back(tela_comum::item<Item_Menu>(140, 370, 320, 420, 1)); // leave
    itens.push_back(tela_comum::item<Item_Menu>(40, 280, 440, 340, 3));  // instructions

    // Opened from a game, the menu lies over the table. Without the picture the
    // buttons still answer where they would be.
    figura.carregar("imagens/menu.jpg");
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
