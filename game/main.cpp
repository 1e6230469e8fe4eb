#include "game/jogo.hpp"
#include "plataforma/bibliotecas_seguras.hpp"
#include "plataforma/pasta_programa.hpp"
#include "plataforma/tela_grafica.hpp"

#include <iostream>

int main() {
    carregar_bibliotecas_so_do_sistema();
    const tela_grafica tela;
    if (!tela.problema().empty()) {
        std::cerr << tela.problema() << '\n';
        return 1;
    }
    escolher_pasta_de_trabalho();
    Jogo::CriandoTudo();
    return 0;
}
