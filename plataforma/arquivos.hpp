#pragma once

#include <string>

// Every file the game reads, and how many pages the instructions have: the one
// list the cards, the game, the screens and the bare loop read. The picture
// generator paints exactly these files (tools/arquivos.py parses this one),
// so a name changed here changes what is painted, not only what is looked
// for: keep each value in the form `constexpr <type> <name>{value};`.
namespace arquivos {

// The folder, relative to the working folder (plataforma/pasta_programa).
constexpr const char* pasta{"imagens/"};

constexpr const char* fonte{"star.ttf"};
constexpr const char* mesa{"fundo2.jpg"};
constexpr const char* pilha_crescente_vazia{"fundo0.jpg"};
constexpr const char* pilha_decrescente_vazia{"fundo100.jpg"};
constexpr const char* botao_desfazer{"desfazer.png"};
constexpr const char* botao_menu{"botao_menu.png"};
constexpr const char* botao_jogar_novamente{"botao_dnv.png"};
constexpr const char* tela_inicial{"inicial.jpg"};
constexpr const char* tela_menu{"menu.jpg"};
constexpr const char* tela_instrucoes{"instrucoes.jpg"};
constexpr const char* tela_ganhou{"ganhou2.jpg"};
constexpr const char* tela_perdeu{"perdeu2.jpg"};

// Numbered files, <prefix><n><numerados>: the faces of the cards 1 to
// `cartas`, in the hand and on a pile, and the pages 1 to `paginas`.
constexpr const char* carta_mao{"cartaazul"};
constexpr const char* carta_pilha{"cartaroxa"};
constexpr const char* pagina{"tutorial"};
constexpr const char* numerados{".jpg"};
constexpr int cartas{99};
constexpr int paginas{9};

// The path the game opens, relative to the working folder.
inline std::string caminho(const char* nome) {
    return std::string(pasta) + nome;
}

inline std::string caminho(const char* prefixo, int n) {
    return std::string(pasta) + prefixo + std::to_string(n) + numerados;
}

} // namespace arquivos
