#pragma once

// Every place on the table and every button of the screens, in the game's
// 450x600 points: the one list the cards, the game, the screens and the bare
// loop read. The picture generator reads it too (tools/lugares.py), so that
// what is painted lies where the game answers: keep each value in the form
// `constexpr <type> <name>{numbers};`, which is what it parses (an `int` is
// one number).
namespace lugares {

struct ponto {
    float x;
    float y;
};

struct cor {
    unsigned char r;
    unsigned char g;
    unsigned char b;
};

// A press counts strictly inside: every edge is outside.
struct retangulo {
    int esquerda;
    int topo;
    int direita;
    int base;
};

// The piles' top-left corners (their pictures keep the origin at (0, 0)).
constexpr ponto pilha_c1{304, 64};
constexpr ponto pilha_c2{100, 64};
constexpr ponto pilha_d1{304, 228};
constexpr ponto pilha_d2{100, 228};

// The centres of the hand's eight slots: two rows of four, slot i in column
// i / 2, the even slots in the upper row.
constexpr ponto casas_mao[8]{{100, 408}, {100, 508}, {180, 408}, {180, 508},
                             {260, 408}, {260, 508}, {340, 408}, {340, 508}};

// Around the cards: the count's top-left corner, and where the table's buttons
// start (each as large as its picture).
constexpr ponto contagem{100, 10};
constexpr ponto botao_desfazer{204, 180};
constexpr ponto botao_menu{187, 17};
constexpr ponto botao_jogar_novamente{300, 17};

// The table's own dark colour, which also fills a window larger than the
// table.
constexpr cor mesa{21, 36, 44};

// The cards' rounded corners: this radius for a card this wide, in
// proportion for the larger pile cards.
constexpr int raio_canto_carta{7};
constexpr int largura_carta_mao{70};

// The main menu.
constexpr retangulo menu_jogar{120, 200, 340, 260};
constexpr retangulo menu_instrucoes{40, 280, 440, 340};
constexpr retangulo menu_sair{140, 370, 320, 420};

// The instructions: the page's top-left corner and the pager's buttons.
constexpr ponto pagina{80, 100};
constexpr retangulo instrucoes_anterior{50, 440, 170, 500};
constexpr retangulo instrucoes_proxima{280, 440, 384, 500};
constexpr retangulo instrucoes_jogar{20, 540, 180, 580};
constexpr retangulo instrucoes_menu{280, 540, 420, 580};

// The won and lost screens: the two buttons touch along y = 520, which
// belongs to neither.
constexpr retangulo resultado_jogar_novamente{100, 500, 340, 520};
constexpr retangulo resultado_sair{120, 520, 320, 580};

} // namespace lugares
