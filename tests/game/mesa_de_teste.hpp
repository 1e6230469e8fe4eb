#pragma once

#include "game/jogo.hpp"
#include "tests/support/pasta_temporaria.hpp"

#include <SFML/Graphics.hpp>
#include <gtest/gtest.h>
#include <initializer_list>
#include <iostream>
#include <string>

// A table of the test's own (not registered, so the test frees it) with the
// piles at their places, in a folder whose pictures differ in width only, so a
// pile's texture tells which picture it shows: fundo0 80, fundo100 81,
// cartaroxa N 100 + N.
class MesaDeTeste : public ::testing::Test {
protected:
    void SetUp() override {
        erros = sf::err().rdbuf(nullptr);
        Jogo::estado_jogo = Jogo::Jogando;
        Jogo::selecionado = false;
        Jogo::i = 8;
        Jogo::podeDesfazer = false;
        Jogo::ultimaPilhaAtualizada = 0;
        pasta.criar_imagem("fundo0.jpg", 80, 100);
        pasta.criar_imagem("fundo100.jpg", 81, 100);
        const std::pair<cartas*, sf::Vector2f> lugares[] = {
            {c1, {304, 64}}, {c2, {100, 64}}, {d1, {304, 228}}, {d2, {100, 228}}};
        for (const auto& [pilha, lugar] : lugares) {
            pilha->carregar(pilha == c1 || pilha == c2 ? "imagens/fundo0.jpg"
                                                       : "imagens/fundo100.jpg");
            pilha->set_posicao(lugar.x, lugar.y);
        }
    }

    void TearDown() override {
        for (cartas* carta : m->cartas_mesa) {
            delete carta;
        }
        for (cartas* objeto : {static_cast<cartas*>(c1), static_cast<cartas*>(c2),
                               static_cast<cartas*>(d1), static_cast<cartas*>(d2)}) {
            delete objeto;
        }
        delete m;
        sf::err().rdbuf(erros);
    }

    // Slot by slot, 0 for an empty slot; every card gets a picture so that it
    // can be placed.
    void dar_mao(std::initializer_list<int> valores) {
        m->LimpaMesa();
        int slot = 0;
        for (int valor : valores) {
            if (valor != 0) {
                pasta.criar_imagem("cartaazul" + std::to_string(valor) + ".jpg", 60, 90);
                m->aumenta_NroElementos();
            }
            m->set_elemento_i(slot++, valor, ok);
        }
    }

    // Stacks values as they are, without the pile's rule, showing the last;
    // each card gets its hand picture too, for when it comes back.
    void empilhar(pilha_burra* pilha, std::initializer_list<int> valores) {
        for (int valor : valores) {
            pilha->Empilha(valor, ok);
            pasta.criar_imagem("cartaazul" + std::to_string(valor) + ".jpg", 60, 90);
            pasta.criar_imagem("cartaroxa" + std::to_string(valor) + ".jpg",
                               static_cast<unsigned>(100 + valor), 100);
            pilha->carregar("imagens/cartaroxa" + std::to_string(valor) + ".jpg");
        }
    }

    void deixar_no_monte(int restantes) {
        int valor = 0;
        while (monte.get_NroElementos() > restantes) {
            monte.Retira(valor, ok);
        }
    }

    int na_mao(int slot) const {
        bool lido = false;
        return m->get_elemento_i(slot, lido);
    }

    static std::string figura(const cartas* pilha) {
        const int largura = static_cast<int>(face_sfml::textura_de(pilha->sprite)->getSize().x);
        return largura == 80    ? "fundo0"
               : largura == 81  ? "fundo100"
               : largura >= 100 ? "cartaroxa" + std::to_string(largura - 100)
                                : "?";
    }

    // A press or release at a window point of its own.
    static evento_jogo botao(evento_jogo::Tipo tipo, sf::Mouse::Button qual, int x = 0, int y = 0) {
        return {tipo, qual, sf::Keyboard::Key::Unknown, {x, y}, {}};
    }

    static evento_jogo movimento(int x, int y) {
        return botao(evento_jogo::MouseMovido, sf::Mouse::Button::Left, x, y);
    }

    static evento_jogo tecla(sf::Keyboard::Key qual) {
        return {evento_jogo::TeclaPressionada, sf::Mouse::Button::Left, qual, {}, {}};
    }

    void tratar(const evento_jogo& evento) {
        Jogo::tratar_evento(evento, m, c1, c2, d1, d2, monte, ok);
    }

    pasta_temporaria pasta;
    mesa* m = new mesa();
    pilha_crescente* c1 = new pilha_crescente();
    pilha_crescente* c2 = new pilha_crescente();
    pilha_decrescente* d1 = new pilha_decrescente();
    pilha_decrescente* d2 = new pilha_decrescente();
    fila_monte monte;
    bool ok = false;

private:
    std::streambuf* erros = nullptr;
};
