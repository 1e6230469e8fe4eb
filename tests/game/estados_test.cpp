#include "tests/game/mesa_de_teste.hpp"

#include "screens/instrucoes.hpp"

namespace {

// With the window gone, every screen's wait ends as a close request at once,
// so the state loop runs here without a player.
class EstadosTeste : public MesaDeTeste {
protected:
    void SetUp() override {
        MesaDeTeste::SetUp();
        Jogo::janela().close();
    }

    int depois_de(int estado) {
        Jogo::estado_jogo = static_cast<Jogo::EstadoJogo>(estado);
        Jogo::loop_jogo(m, c1, c2, d1, d2, monte, ok);
        return Jogo::estado_jogo;
    }
};

TEST_F(EstadosTeste, EachStateShowsItsScreenAndTakesItsCloseAnswer) {
    EXPECT_EQ(depois_de(Jogo::MostrandoTelaInicial), Jogo::MostrandoMenu);
    for (int estado : {Jogo::MostrandoMenu, Jogo::MostrandoInstrucoes, Jogo::MostrandoGanhou,
                       Jogo::MostrandoPerdeu, Jogo::Jogando}) {
        EXPECT_EQ(depois_de(estado), Jogo::Saindo) << estado;
    }
    EXPECT_TRUE(Jogo::IsExiting());
    for (int outro : {0, 2, 5, 9}) {
        EXPECT_EQ(depois_de(outro), outro);
    }
}

TEST_F(EstadosTeste, OpeningTheMenuFromPlayPutsACardInTheAirBackHome) {
    pasta.criar_imagem("botao_menu.png", 40, 30);
    Jogo::painel().carregar();
    dar_mao({30, 40, 90, 60, 70, 80, 50, 20});
    const evento_jogo aberturas[] = {
        tecla(sf::Keyboard::Key::Escape),
        botao(evento_jogo::BotaoPressionado, sf::Mouse::Button::Left, 190, 20)}; // the menu button
    for (const evento_jogo& abertura : aberturas) {
        Jogo::estado_jogo = Jogo::Jogando;
        tratar(tecla(sf::Keyboard::Key::Enter));
        EXPECT_EQ(Jogo::estado_jogo, Jogo::Jogando);
        Jogo::selecionado = true;
        Jogo::i = 2;
        tratar(movimento(340, 280)); // over d1

        tratar(abertura);
        EXPECT_EQ(Jogo::estado_jogo, Jogo::Saindo); // the menu's close answer
        EXPECT_FALSE(Jogo::selecionado);
        EXPECT_EQ(m->cartas_mesa[2]->sprite.getPosition(), mesa::posicao_casa(2));
        // The release of the click that answered the menu plays nothing.
        tratar(botao(evento_jogo::BotaoSolto, sf::Mouse::Button::Left, 340, 280));
        EXPECT_TRUE(d1->Vazia());
        EXPECT_EQ(na_mao(2), 90);
    }
}

TEST_F(EstadosTeste, AnswersLeadToTheirStates) {
    const std::pair<int, int> menu[] = {{1, Jogo::Saindo},
                                        {2, Jogo::Jogando},
                                        {3, Jogo::MostrandoInstrucoes},
                                        {0, Jogo::MostrandoMenu},
                                        {4, Jogo::MostrandoMenu}};
    for (const auto& [resposta, estado] : menu) {
        Jogo::estado_jogo = Jogo::MostrandoMenu;
        Jogo::seguir_menu(resposta);
        EXPECT_EQ(Jogo::estado_jogo, estado) << resposta;
    }

    Instrucoes pagina;
    pagina.set_k(1);
    const std::pair<int, int> paginas[] = {{5, 1}, {4, 2}, {4, 3}, {5, 2}, {0, 2}, {6, 2}};
    for (const auto& [resposta, k] : paginas) {
        EXPECT_FALSE(Jogo::seguir_instrucao(resposta, pagina));
        EXPECT_EQ(pagina.get_k(), k) << resposta;
    }
    const std::pair<int, int> fins[] = {
        {1, Jogo::MostrandoMenu}, {2, Jogo::Jogando}, {3, Jogo::Saindo}};
    for (const auto& [resposta, estado] : fins) {
        EXPECT_TRUE(Jogo::seguir_instrucao(resposta, pagina));
        EXPECT_EQ(Jogo::estado_jogo, estado) << resposta;
    }

    Jogo::estado_jogo = Jogo::MostrandoPerdeu;
    Jogo::seguir_resultado(0, m, c1, c2, d1, d2, monte, ok);
    EXPECT_EQ(Jogo::estado_jogo, Jogo::MostrandoPerdeu);
    Jogo::seguir_resultado(1, m, c1, c2, d1, d2, monte, ok);
    EXPECT_EQ(Jogo::estado_jogo, Jogo::Saindo);
    deixar_no_monte(0);
    Jogo::seguir_resultado(2, m, c1, c2, d1, d2, monte, ok);
    EXPECT_EQ(Jogo::estado_jogo, Jogo::Jogando);
    EXPECT_EQ(monte.get_NroElementos() + m->get_NroElementos(), 99);
}

} // namespace
