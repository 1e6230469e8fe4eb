#include "screens/menu.hpp"

#include "screens/tela_comum.hpp"

int Menu::Mostrar(sf::RenderWindow& janela) {
    sf::Texture textura;
    // Without the picture the buttons still answer where they would be.
    textura.loadFromFile("imagens/menu.jpg", sf::IntRect());
    sf::Sprite sprite;
    sprite.setTexture(textura, false);

    itens.push_back(tela_comum::item<Item_Menu>(120, 200, 340, 260, 2)); // play
    itens.push_back(tela_comum::item<Item_Menu>(140, 370, 320, 420, 1)); // leave
    itens.push_back(tela_comum::item<Item_Menu>(40, 280, 440, 340, 3));  // instructions

    // Not cleared: opened from a game, the menu lies over the table.
    janela.draw(sprite);
    janela.display();
    return obter_resposta_menu(janela);
}

int Menu::clique(int x, int y) {
    return tela_comum::clique(itens, x, y);
}

int Menu::obter_resposta_menu(sf::RenderWindow& janela) {
    const tela_comum::fim_espera fim = tela_comum::esperar_clique(janela);
    if (fim.fechou) {
        return 1;
    }
    return clique(fim.x, fim.y);
}
