#pragma once

#include "plataforma/face_sfml.hpp"
#include "screens/figura_tela.hpp"

#include <SFML/Graphics.hpp>

// What every full-window screen does alike: wait for the press or close request
// that ends it, and find the button a press fell in. The screens keep their own
// item records, so the hit test takes any list of records that have a
// `retangulo` and a `resposta`.
class tela_comum {
public:
    tela_comum() = delete;

    // How a screen's wait ended.
    struct fim_espera {
        bool fechou;
        int x;
        int y;
    };

    // Sleeps until a press of any mouse button (its window point is returned)
    // or a close request; every other event is dropped, and the screen's
    // picture is shown again whenever the window asks for it. A window that is
    // no longer open can never send a press, so its wait ends as a close
    // request instead of blocking for ever.
    static fim_espera esperar_clique(sf::RenderWindow& janela, const figura_tela& figura);

    // The wait of a screen with buttons: a press gives the answer of the button
    // it fell in (0 for none), a close request gives `ao_fechar`.
    template <typename Lista>
    static int esperar_resposta(sf::RenderWindow& janela, const figura_tela& figura,
                                const Lista& itens, int ao_fechar) {
        const fim_espera fim = esperar_clique(janela, figura);
        return fim.fechou ? ao_fechar : clique(itens, fim.x, fim.y);
    }

    // The rectangles hold their right and bottom edges in their size's two
    // fields. Every edge is outside, and the first item in the list wins.
    template <typename Lista> static int clique(const Lista& itens, int x, int y) {
        for (const auto& item : itens) {
            const sf::Vector2i canto = face_sfml::posicao(item.retangulo);
            const sf::Vector2i fim = face_sfml::tamanho(item.retangulo);
            if (canto.y < y && y < fim.y && canto.x < x && x < fim.x) {
                return item.resposta;
            }
        }
        return 0;
    }

    // A button of left, top, right and bottom edges giving `resposta`.
    template <typename Item>
    static Item item(int esquerda, int topo, int direita, int base, int resposta) {
        Item novo;
        novo.retangulo = sf::Rect<int>({esquerda, topo}, {direita, base});
        novo.resposta = resposta;
        return novo;
    }
};
