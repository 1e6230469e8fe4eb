#include "screens/instrucoes.hpp"

#include "plataforma/escala_arte.hpp"
#include "screens/tela_comum.hpp"

#include <string>

Instrucoes::Instrucoes() : k(1) {}

void Instrucoes::set_k(int v) {
    if (v >= 1 && v <= 8) {
        k = v;
    }
}

void Instrucoes::proximo_k() {
    if (k <= 8) {
        ++k;
    }
}

void Instrucoes::anterior_k() {
    if (k >= 2) {
        --k;
    }
}

int Instrucoes::get_k() const {
    return k;
}

int Instrucoes::Mostrar(sf::RenderWindow& janela) {
    // A failed load leaves the last page's picture in place. The sprite takes
    // its rectangle from the first page it is given and keeps it.
    escala_arte::carregar(textura_pagina, sprite_pagina,
                          "imagens/tutorial" + std::to_string(get_k()) + ".jpg");
    sprite_pagina.setOrigin({0.0f, 0.0f});
    sprite_pagina.setPosition({80.0f, 100.0f});

    // The same buttons on every showing; cleared so a long visit does not
    // pile up copies of them.
    itens.clear();
    itens.push_back(tela_comum::item<Item_Instrucoes>(20, 540, 180, 580, 2));  // play
    itens.push_back(tela_comum::item<Item_Instrucoes>(280, 540, 420, 580, 1)); // menu
    itens.push_back(tela_comum::item<Item_Instrucoes>(280, 440, 384, 500, 4)); // next
    itens.push_back(tela_comum::item<Item_Instrucoes>(50, 440, 170, 500, 5));  // previous

    figura.carregar("imagens/instrucoes.jpg", &sprite_pagina);
    figura.mostrar(janela);
    return obter_resposta_instrucao(janela);
}

int Instrucoes::clique(int x, int y) {
    return tela_comum::clique(itens, x, y);
}

int Instrucoes::obter_resposta_instrucao(sf::RenderWindow& janela) {
    // A close request has no button: it leaves the program.
    return tela_comum::esperar_resposta(janela, figura, itens, 3);
}
