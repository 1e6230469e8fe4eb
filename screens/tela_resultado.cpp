#include "screens/tela_resultado.hpp"

#include "plataforma/arquivos.hpp"

tela_resultado::tela_resultado(const char* nome) : nome_figura(nome) {}

int tela_resultado::Mostrar(sf::RenderWindow& janela) {
    itens = {{lugares::resultado_jogar_novamente, 2}, {lugares::resultado_sair, 1}};

    // Without the picture the buttons still answer where they would be.
    figura.carregar(arquivos::caminho(nome_figura));
    figura.mostrar(janela);
    return obter_resposta_resultado(janela);
}

int tela_resultado::clique(int x, int y) {
    return tela_comum::clique(itens, x, y);
}

int tela_resultado::obter_resposta_resultado(sf::RenderWindow& janela) {
    return tela_comum::esperar_resposta(janela, figura, itens, 1);
}
