#pragma once

#include "game/jogo.hpp"
#include "tests/support/pasta_temporaria.hpp"

#include <SFML/Graphics.hpp>
#include <gtest/gtest.h>
#include <initializer_list>
#include <iostream>
#include <string>
#include <unistd.h>

// A table for one test: a hand, a deck and four piles of the test's own (not
// registered, so the test frees them), in a working folder holding the pile
// pictures. The pictures differ in width only, so a pile's texture tells which
// picture it shows: fundo0 80, fundo100 81, cartaroxa N 100 + N.
class MesaDeTeste : public ::testing::Test {
protected:
    void SetUp() override {
        // Anything that waits on the window would wait for ever here: a test
        // that does is killed instead.
        alarm(60);
        erros_anteriores = sf::err().rdbuf(nullptr);
        Jogo::estado_jogo = Jogo::Jogando;
        Jogo::selecionado = false;
        Jogo::i = 8;
        Jogo::podeDesfazer = false;
        Jogo::ultimaPilhaAtualizada = 0;

        pasta.criar_imagem("fundo0.jpg", 80, 100);
        pasta.criar_imagem("fundo100.jpg", 81, 100);
        m = new mesa();
        c1 = new pilha_crescente();
        c2 = new pilha_crescente();
        d1 = new pilha_decrescente();
        d2 = new pilha_decrescente();
        colocar_pilhas();
    }

    void TearDown() override {
        for (cartas* carta : m->cartas_mesa) {
            delete carta;
        }
        delete m;
        delete c1;
        delete c2;
        delete d1;
        delete d2;
        sf::err().rdbuf(erros_anteriores);
        alarm(0);
    }

    // The piles at their places on the table, showing their base pictures.
    void colocar_pilhas() {
        c1->carregar("imagens/fundo0.jpg");
        c1->set_posicao(304.0f, 64.0f);
        c2->carregar("imagens/fundo0.jpg");
        c2->set_posicao(100.0f, 64.0f);
        d1->carregar("imagens/fundo100.jpg");
        d1->set_posicao(304.0f, 228.0f);
        d2->carregar("imagens/fundo100.jpg");
        d2->set_posicao(100.0f, 228.0f);
    }

    static void abrir_janela() {
        if (!Jogo::janela.isOpen()) {
            Jogo::janela.create(sf::VideoMode(450, 600, 32), "Trevalia", sf::Style::Close);
        }
    }

    // Slot by slot, 0 for an empty slot; each card gets a picture so that it
    // can be placed.
    void dar_mao(std::initializer_list<int> valores) {
        m->LimpaMesa();
        int slot = 0;
        int cartas_na_mao = 0;
        for (int valor : valores) {
            if (valor != 0) {
                criar_carta_azul(valor);
                ++cartas_na_mao;
            }
            bool ok = false;
            m->set_elemento_i(slot++, valor, ok);
        }
        m->set_NroElementos(cartas_na_mao);
    }

    void criar_carta_azul(int valor) {
        pasta.criar_imagem("cartaazul" + std::to_string(valor) + ".jpg", 60, 90);
    }

    void criar_carta_roxa(int valor) {
        pasta.criar_imagem("cartaroxa" + std::to_string(valor) + ".jpg",
                           static_cast<unsigned>(100 + valor), 100);
    }

    // Stacks values as they are, without the pile's rule.
    static void empilhar(pilha_burra* pilha, std::initializer_list<int> valores) {
        for (int valor : valores) {
            bool ok = false;
            pilha->Empilha(valor, ok);
            ASSERT_TRUE(ok);
        }
    }

    void deixar_no_monte(int restantes) {
        while (monte.get_NroElementos() > restantes) {
            int valor = 0;
            bool ok = false;
            monte.Retira(valor, ok);
        }
    }

    int valor_na_mao(int slot) const {
        bool ok = false;
        return m->get_elemento_i(slot, ok);
    }

    // Which picture the card shows, by the widths above; "" when hidden.
    static std::string figura(const cartas* carta) {
        if (!carta->get_carregada() || carta->sprite.getTexture() == nullptr) {
            return "";
        }
        const int largura = static_cast<int>(carta->sprite.getTexture()->getSize().x);
        if (largura == 80) {
            return "fundo0";
        }
        if (largura == 81) {
            return "fundo100";
        }
        if (largura >= 100) {
            return "cartaroxa" + std::to_string(largura - 100);
        }
        return "?";
    }

    static sf::Event evento_de(sf::Event::EventType tipo) {
        sf::Event evento{};
        evento.type = tipo;
        return evento;
    }

    static sf::Event clique(sf::Event::EventType tipo, sf::Mouse::Button botao, int x, int y) {
        sf::Event evento = evento_de(tipo);
        evento.mouseButton.button = botao;
        evento.mouseButton.x = x;
        evento.mouseButton.y = y;
        return evento;
    }

    void tratar(const sf::Event& evento) {
        Jogo::tratar_evento(evento, m, c1, c2, d1, d2, monte, ok);
    }

    pasta_temporaria pasta;
    mesa* m = nullptr;
    pilha_crescente* c1 = nullptr;
    pilha_crescente* c2 = nullptr;
    pilha_decrescente* d1 = nullptr;
    pilha_decrescente* d2 = nullptr;
    fila_monte monte;
    bool ok = false;

private:
    std::streambuf* erros_anteriores = nullptr;
};
