#include "screens/instrucoes.hpp"

#include "plataforma/escala_arte.hpp"
#include "plataforma/lugares.hpp"
#include "screens/tela_comum.hpp"

#include <string>

Instrucoes::Instrucoes() : k(1) {}

Instrucoes::~Instrucoes() {
    escala_arte::esquecer(textura_pagina);
}

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
    sprite_pagina.setPosition({lugares::pagina.x, lugares::pagina.y});

    // The same buttons on every showing, not more copies of them each time.
    itens = {{lugares::instrucoes_jogar, 2},
             {lugares::instrucoes_menu, 1},
             {lugares::instrucoes_proxima, 4},
             {lugares::instrucoes_anterior, 5}};

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
