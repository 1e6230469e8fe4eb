#include "cards/gerenciador_cartas.hpp"
#include "cards/pilha_crescente.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records its drawing and its destruction instead of touching a window.
class carta_contada : public cartas {
public:
    carta_contada(std::string nome_, std::vector<std::string>& desenhos_, int& destruidas_)
        : nome(std::move(nome_)), desenhos(desenhos_), destruidas(destruidas_) {}
    ~carta_contada() override { ++destruidas; }
    void desenhar(sf::RenderWindow&) override { desenhos.push_back(nome); }

private:
    std::string nome;
    std::vector<std::string>& desenhos;
    int& destruidas;
};

class pilha_contada : public pilha_crescente {
public:
    explicit pilha_contada(int& destruidas_) : destruidas(destruidas_) {}
    ~pilha_contada() override { ++destruidas; }

private:
    int& destruidas;
};

} // namespace

TEST(GerenciadorCartas, DrawsInNameOrderWhateverTheRegistrationOrder) {
    std::vector<std::string> desenhos;
    int destruidas = 0;
    sf::RenderWindow janela;
    {
        gerenciador_cartas registro;
        EXPECT_EQ(registro.get_contador_cartas(), 0);
        registro.desenhar_todos(janela);
        EXPECT_TRUE(desenhos.empty());

        for (const char* nome :
             {"teste1", "teste0", "pilha_d2", "pilha_c1", "teste7", "pilha_c2"}) {
            registro.adicionar(nome, new carta_contada(nome, desenhos, destruidas));
        }
        registro.desenhar_todos(janela);
        const std::vector<std::string> esperado = {"pilha_c1", "pilha_c2", "pilha_d2",
                                                   "teste0",   "teste1",   "teste7"};
        EXPECT_EQ(desenhos, esperado);
        EXPECT_EQ(registro.get_contador_cartas(), 6);
    }
    EXPECT_EQ(destruidas, 6) << "the registry owns every card registered in it";
}

TEST(GerenciadorCartas, ADuplicateNameKeepsTheFirstCard) {
    std::vector<std::string> desenhos;
    int destruidas = 0;
    sf::RenderWindow janela;
    carta_contada* segunda = new carta_contada("segunda", desenhos, destruidas);
    {
        gerenciador_cartas registro;
        carta_contada* primeira = new carta_contada("primeira", desenhos, destruidas);
        registro.adicionar("teste0", primeira);
        registro.adicionar("teste0", segunda);
        EXPECT_EQ(registro.get_contador_cartas(), 1);
        EXPECT_EQ(registro.get(std::string("teste0")), primeira);
        registro.desenhar_todos(janela);
        EXPECT_EQ(desenhos, std::vector<std::string>{"primeira"});
    }
    EXPECT_EQ(destruidas, 1) << "the refused card stays its caller's";
    delete segunda;
}

TEST(GerenciadorCartas, RemoveDeletesOnceAndLookupsOfAbsentNamesAreNull) {
    int destruidas = 0;
    gerenciador_cartas registro;
    registro.adicionar("pilha_c1", new pilha_contada(destruidas));
    registro.adicionar("pilha_c2", new pilha_contada(destruidas));
    EXPECT_EQ(registro.get("nada"), nullptr);

    registro.remover("pilha_c1");
    EXPECT_EQ(destruidas, 1) << "a pile is destroyed as a pile";
    EXPECT_EQ(registro.get_contador_cartas(), 1);
    EXPECT_EQ(registro.get("pilha_c1"), nullptr);
    registro.remover("pilha_c1");
    registro.remover("nada");
    EXPECT_EQ(destruidas, 1);
    EXPECT_EQ(registro.get_contador_cartas(), 1);
}

TEST(GerenciadorCartas, NullCardsAreRefusedAndSkipped) {
    gerenciador_cartas registro;
    registro.adicionar("teste0", nullptr);
    EXPECT_EQ(registro.get_contador_cartas(), 0);
}
