#include "game/jogo.hpp"
#include "plataforma/bibliotecas_seguras.hpp"
#include "plataforma/pasta_programa.hpp"
#include "plataforma/tela_grafica.hpp"

#include <iostream>
#include <string>

int main() {
    carregar_bibliotecas_so_do_sistema();
    const std::string problema = problema_com_a_tela();
    if (!problema.empty()) {
        std::cerr << problema << '\n';
        return 1;
    }
    escolher_pasta_de_trabalho();
    Jogo::CriandoTudo();
    return 0;
}
