#include "screens/perdeu.hpp"

#include "screens/tela_comum.hpp"

int Perdeu::Mostrar(sf::RenderWindow& janela) {
    // The two buttons touch along y = 520, which belongs to neither.
    itens.push_back(tela_comum::item<item_perdeu>(100, 500, 340, 520, 2)); // play again
    itens.push_back(tela_comum::item<item_perdeu>(120, 520, 320, 580, 1)); // leave

    // Without the picture the buttons still answer where they would be.
    figura.carregar("imagens/perdeu2.jpg");
    figura.mostrar(janela);
    return obter_resposta_perdeu(janela);
}

int Perdeu::clique(int x, int y) {
    return tela_comum::clique(itens, x, y);
}

int Perdeu::obter_resposta_perdeu(sf::RenderWindow& janela) {
    return tela_comum::esperar_resposta(janela, figura, itens, 1);
}
