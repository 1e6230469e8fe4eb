#include "tests/game/mesa_de_teste.hpp"

#include "screens/instrucoes.hpp"

#include <memory>

namespace {

// With the window gone every screen's wait ends as a close request at once,
// which lets the state loop run here without a player.
class EstadosTeste : public MesaDeTeste {
protected:
    void SetUp() override {
        MesaDeTeste::SetUp();
        Jogo::janela.close();
    }

    Jogo::EstadoJogo depois_de_um_passo(int estado) {
        Jogo::estado_jogo = static_cast<Jogo::EstadoJogo>(estado);
        Jogo::loop_jogo(m, c1, c2, d1, d2, monte, ok);
        return Jogo::estado_jogo;
    }
};

TEST_F(EstadosTeste, EachStateShowsItsScreenAndTakesItsCloseAnswer) {
    EXPECT_EQ(depois_de_um_passo(Jogo::MostrandoTelaInicial), Jogo::MostrandoMenu);
    EXPECT_EQ(depois_de_um_passo(Jogo::MostrandoMenu), Jogo::Saindo);
    EXPECT_EQ(depois_de_um_passo(Jogo::MostrandoInstrucoes), Jogo::Saindo);
    EXPECT_EQ(depois_de_um_passo(Jogo::MostrandoGanhou), Jogo::Saindo);
    EXPECT_EQ(depois_de_um_passo(Jogo::MostrandoPerdeu), Jogo::Saindo);
    EXPECT_EQ(depois_de_um_passo(Jogo::Jogando), Jogo::Saindo);
    EXPECT_TRUE(Jogo::IsExiting());
    for (int outro : {0, 2, 5, 9, -1}) {
        EXPECT_EQ(depois_de_um_passo(outro), outro);
    }
}

TEST_F(EstadosTeste, PlayEventsForClosingAndEscape) {
    tratar(evento_de(sf::Event::Closed));
    EXPECT_EQ(Jogo::estado_jogo, Jogo::Saindo);

    Jogo::estado_jogo = Jogo::Jogando;
    sf::Event tecla = evento_de(sf::Event::KeyPressed);
    tecla.key.code = sf::Keyboard::Return;
    tratar(tecla);
    EXPECT_EQ(Jogo::estado_jogo, Jogo::Jogando);

    // Escape shows the menu, whose close answer is to leave.
    tecla.key.code = sf::Keyboard::Escape;
    tratar(tecla);
    EXPECT_EQ(Jogo::estado_jogo, Jogo::Saindo);
}

TEST_F(EstadosTeste, MenuAnswersLeadToTheirStates) {
    const std::pair<int, Jogo::EstadoJogo> respostas[] = {
        {1, Jogo::Saindo}, {2, Jogo::Jogando}, {3, Jogo::MostrandoInstrucoes}};
    for (const auto& [resposta, estado] : respostas) {
        Jogo::estado_jogo = Jogo::MostrandoMenu;
        Jogo::seguir_menu(resposta);
        EXPECT_EQ(Jogo::estado_jogo, estado) << resposta;
    }
    // From a running game, a press beside the buttons goes back to it.
    for (int outra : {0, 4, 5, -1}) {
        Jogo::estado_jogo = Jogo::Jogando;
        Jogo::seguir_menu(outra);
        EXPECT_EQ(Jogo::estado_jogo, Jogo::Jogando) << outra;
    }
}

TEST_F(EstadosTeste, InstructionAnswersTurnPagesOrEndTheVisit) {
    Instrucoes instrucoes;
    instrucoes.set_k(1);
    Jogo::estado_jogo = Jogo::MostrandoInstrucoes;

    EXPECT_FALSE(Jogo::seguir_instrucao(5, instrucoes));
    EXPECT_EQ(instrucoes.get_k(), 1);
    for (int pagina = 2; pagina <= 9; ++pagina) {
        EXPECT_FALSE(Jogo::seguir_instrucao(4, instrucoes));
        EXPECT_EQ(instrucoes.get_k(), pagina);
    }
    EXPECT_FALSE(Jogo::seguir_instrucao(4, instrucoes));
    EXPECT_EQ(instrucoes.get_k(), 9);
    EXPECT_FALSE(Jogo::seguir_instrucao(5, instrucoes));
    EXPECT_EQ(instrucoes.get_k(), 8);
    EXPECT_FALSE(Jogo::seguir_instrucao(0, instrucoes));
    EXPECT_FALSE(Jogo::seguir_instrucao(6, instrucoes));
    EXPECT_EQ(instrucoes.get_k(), 8);
    EXPECT_EQ(Jogo::estado_jogo, Jogo::MostrandoInstrucoes);

    const std::pair<int, Jogo::EstadoJogo> fins[] = {
        {1, Jogo::MostrandoMenu}, {2, Jogo::Jogando}, {3, Jogo::Saindo}};
    for (const auto& [resposta, estado] : fins) {
        Jogo::estado_jogo = Jogo::MostrandoInstrucoes;
        EXPECT_TRUE(Jogo::seguir_instrucao(resposta, instrucoes));
        EXPECT_EQ(Jogo::estado_jogo, estado) << resposta;
    }
}

TEST_F(EstadosTeste, ResultAnswersLeaveOrDealAgain) {
    for (int outra : {0, 3, 4}) {
        Jogo::estado_jogo = Jogo::MostrandoPerdeu;
        Jogo::seguir_resultado(outra, m, c1, c2, d1, d2, monte, ok);
        EXPECT_EQ(Jogo::estado_jogo, Jogo::MostrandoPerdeu) << outra;
    }
    EXPECT_EQ(m->get_NroElementos(), 0);

    Jogo::seguir_resultado(1, m, c1, c2, d1, d2, monte, ok);
    EXPECT_EQ(Jogo::estado_jogo, Jogo::Saindo);

    empilhar(c1, {40});
    Jogo::estado_jogo = Jogo::MostrandoGanhou;
    deixar_no_monte(0);
    Jogo::seguir_resultado(2, m, c1, c2, d1, d2, monte, ok);
    EXPECT_EQ(Jogo::estado_jogo, Jogo::Jogando);
    EXPECT_TRUE(c1->Vazia());
    EXPECT_EQ(monte.get_NroElementos(), 91);
    EXPECT_EQ(m->get_NroElementos(), 8);
}

// The first start's set-up hands the piles and the hand's sprites to the
// registry, which keeps them to the end of the program.
TEST(PrimeiroStart, OpensTheWindowAndPlacesAndRegistersThePiles) {
    pasta_temporaria pasta;
    pasta.criar_imagem("fundo0.jpg", 80, 100);
    pasta.criar_imagem("fundo100.jpg", 81, 100);
    pasta.criar_imagem("fundo2.jpg", 45, 60);
    std::unique_ptr<mesa> m(new mesa());
    pilha_crescente* c1 = new pilha_crescente();
    pilha_crescente* c2 = new pilha_crescente();
    pilha_decrescente* d1 = new pilha_decrescente();
    pilha_decrescente* d2 = new pilha_decrescente();
    sf::Texture fundo;

    Jogo::montar_mesa(fundo, m.get(), c1, c2, d1, d2);

    EXPECT_TRUE(Jogo::janela.isOpen());
    EXPECT_EQ(Jogo::janela.getSize(), sf::Vector2u(450, 600));
    EXPECT_EQ(Jogo::background.getTexture(), &fundo);
    EXPECT_EQ(Jogo::background.getTextureRect(), sf::IntRect(0, 0, 45, 60));

    const struct {
        const char* nome;
        cartas* pilha;
        float x, y;
        unsigned largura;
    } pilhas[] = {{"pilha_c1", c1, 304, 64, 80},
                  {"pilha_c2", c2, 100, 64, 80},
                  {"pilha_d1", d1, 304, 228, 81},
                  {"pilha_d2", d2, 100, 228, 81}};
    for (const auto& esperada : pilhas) {
        EXPECT_EQ(Jogo::_gerenciador_cartas.get(esperada.nome), esperada.pilha);
        EXPECT_EQ(esperada.pilha->sprite.getPosition(), sf::Vector2f(esperada.x, esperada.y));
        EXPECT_EQ(esperada.pilha->sprite.getTexture()->getSize().x, esperada.largura);
    }
    for (int slot = 0; slot < mesa::slots; ++slot) {
        EXPECT_EQ(Jogo::_gerenciador_cartas.get("teste" + std::to_string(slot)),
                  m->cartas_mesa[slot]);
    }
    EXPECT_EQ(Jogo::_gerenciador_cartas.get_contador_cartas(), 12);
}

} // namespace
