#include "tests/game/jogada_teste.hpp"

namespace {

TEST_F(JogadaTeste, ALegalDropLaysTheCardOnThePileAndEmptiesItsSlot) {
    dar_mao({30, 40, 50, 60, 70, 80, 90, 20});
    pasta.criar_imagem("cartaroxa50.jpg", 150, 100);
    soltar(2, 140, 114); // inside c2
    EXPECT_EQ(c2->get_elemento_topo(), 50);
    EXPECT_EQ(figura(c2), "cartaroxa50");
    EXPECT_TRUE(c1->Vazia());
    EXPECT_EQ(na_mao(2), 0);
    EXPECT_EQ(m->get_NroElementos(), 7);
    EXPECT_FALSE(m->cartas_mesa[2]->get_carregada());
    EXPECT_TRUE(Jogo::podeDesfazer);
    EXPECT_EQ(Jogo::ultimaPilhaAtualizada, 2);
    EXPECT_EQ(Jogo::estado_jogo, Jogo::Jogando);
}

TEST_F(JogadaTeste, ARefusedOrMissedDropSendsTheCardHome) {
    dar_mao({30, 40, 50, 60, 70, 80, 90, 20});
    empilhar(c1, {65});
    Jogo::selecionado = true;
    Jogo::i = 2;
    tratar(movimento(344, 110));
    EXPECT_EQ(posicao(2), sf::Vector2f(344, 110)); // the card follows the mouse

    soltar(2, 344, 110); // 50 on the ascending 65
    EXPECT_EQ(posicao(2), mesa::posicao_casa(2));
    // Outside every pile, and on c2's right edge, which is outside it.
    for (const sf::Vector2i& fora : {sf::Vector2i(220, 150), sf::Vector2i(180, 114)}) {
        m->cartas_mesa[3]->set_posicao(1, 1);
        soltar(3, fora.x, fora.y);
        EXPECT_EQ(posicao(3), mesa::posicao_casa(3));
    }
    // Its picture failed to load, which set_posicao would not move.
    m->cartas_mesa[3]->carregar("");
    m->cartas_mesa[3]->sprite.setPosition({1, 1});
    soltar(3, 220, 150);
    EXPECT_EQ(posicao(3), mesa::posicao_casa(3));
    EXPECT_EQ(c1->get_topo(), 0);
    EXPECT_TRUE(c2->Vazia());
    EXPECT_EQ(m->get_NroElementos(), 8);
    EXPECT_FALSE(Jogo::podeDesfazer);
}

TEST_F(JogadaTeste, TheRefillComesBeforeTheEndOfGameTest) {
    // The deck's last two cards come next, and c1 takes the first of them.
    deixar_no_monte(2);
    const int proxima = monte.get_elemento_primeiro();
    empilhar(c1, {proxima + 10});
    empilhar(d1, {1});
    empilhar(d2, {1});
    // Once the 99 is on the empty c2, nothing left in the hand fits.
    const int presa = proxima == 1 ? 2 : 1;
    dar_mao({presa, presa, 0, presa, presa, presa, presa, 99});

    soltar(7, 140, 114);

    EXPECT_EQ(c2->get_elemento_topo(), 99);
    EXPECT_EQ(m->get_NroElementos(), 8);
    EXPECT_EQ(monte.get_NroElementos(), 0);
    EXPECT_FALSE(Jogo::podeDesfazer);
    EXPECT_EQ(Jogo::estado_jogo, Jogo::Jogando);
}

TEST_F(JogadaTeste, EveryReleaseTestsTheEndOfTheGame) {
    empilhar(c1, {99});
    empilhar(c2, {99});
    empilhar(d1, {1});
    empilhar(d2, {1});
    dar_mao({50, 51, 52, 53, 0, 55, 56, 57}); // seven that fit nowhere
    tratar(botao(evento_jogo::BotaoSolto, sf::Mouse::Button::Right));
    EXPECT_EQ(Jogo::estado_jogo, Jogo::MostrandoPerdeu);

    Jogo::estado_jogo = Jogo::Jogando;
    deixar_no_monte(0);
    dar_mao({0, 0, 0, 0, 0, 0, 0, 89});
    soltar(7, 344, 114); // ten back onto c1's 99: the last card
    EXPECT_EQ(Jogo::estado_jogo, Jogo::MostrandoGanhou);
}

TEST_F(JogadaTeste, TheUndoButtonAnswersALeftPressOnlyWhileShown) {
    pasta.criar_imagem("desfazer.png", 40, 30);
    Jogo::painel().carregar();
    dar_mao({30, 40, 0, 60, 70, 80, 90, 20});
    empilhar(d2, {45, 50});
    Jogo::podeDesfazer = true;
    Jogo::ultimaPilhaAtualizada = 4;

    tratar(botao(evento_jogo::BotaoPressionado, sf::Mouse::Button::Left, 250, 200)); // beside it
    tratar(botao(evento_jogo::BotaoPressionado, sf::Mouse::Button::Right, 210, 190));
    EXPECT_EQ(na_mao(2), 0);
    tratar(botao(evento_jogo::BotaoPressionado, sf::Mouse::Button::Left, 210, 190));
    EXPECT_EQ(na_mao(2), 50);
    EXPECT_EQ(Jogo::i, 8); // no hand card under the press
    EXPECT_FALSE(Jogo::selecionado);
    m->removeMesa(Jogo::janela(), 2);
    tratar(botao(evento_jogo::BotaoPressionado, sf::Mouse::Button::Left, 210, 190));
    EXPECT_EQ(d2->get_elemento_topo(), 45);
    EXPECT_EQ(na_mao(2), 0);
}

TEST_F(JogadaTeste, ThePlayAgainButtonDealsANewGameOnTheSameObjects) {
    pasta.criar_imagem("botao_dnv.png", 40, 30);
    Jogo::painel().carregar();
    empilhar(c1, {10, 20});
    empilhar(d2, {80});
    dar_mao({30, 0, 0, 0, 0, 0, 0, 20});
    deixar_no_monte(3);
    // A card in the air must not be carried into the new deal.
    Jogo::selecionado = true;
    Jogo::i = 7;

    tratar(botao(evento_jogo::BotaoPressionado, sf::Mouse::Button::Left, 310, 25));

    EXPECT_EQ(Jogo::estado_jogo, Jogo::Jogando);
    EXPECT_TRUE(c1->Vazia());
    EXPECT_TRUE(d2->Vazia());
    EXPECT_EQ(figura(c1), "fundo0");
    EXPECT_EQ(figura(d2), "fundo100");
    EXPECT_EQ(m->get_NroElementos(), 8);
    EXPECT_EQ(monte.get_NroElementos(), 91);
    EXPECT_FALSE(Jogo::selecionado);
}

TEST_F(JogadaTeste, APassHandlesTheWholeQueueThenShowsWhereItLeftTheTable) {
    // Moving the real pointer in the window queues events for the pass.
    dar_mao({30, 0, 50, 60, 0, 80, 90, 20});
    Jogo::podeDesfazer = true;
    Jogo::selecionado = true;
    Jogo::i = 0;
    mover_mouse(20, 20);
    mover_mouse(25, 30);

    Jogo::passo_jogo(m, c1, c2, d1, d2, monte, ok);

    // No button held the card through those moves: its release is taken as
    // lost, and the card is back home.
    EXPECT_EQ(posicao(0), mesa::posicao_casa(0));
    EXPECT_FALSE(Jogo::selecionado);
    EXPECT_EQ(m->get_NroElementos(), 8); // refilled before the first event
    EXPECT_FALSE(Jogo::podeDesfazer);
    EXPECT_EQ(Jogo::painel().contagem.getString().toAnsiString(), "105");
    evento_jogo resto;
    EXPECT_FALSE(face_sfml::proximo_evento(Jogo::janela(), resto));
}

TEST_F(JogadaTeste, ABatchStopsWherePlayStops) {
    // 89 onto c1's 99 loses: nothing left in the hand fits any pile after it.
    const evento_jogo perde = botao(evento_jogo::BotaoSolto, sf::Mouse::Button::Left, 344, 114);
    const evento_jogo pega =
        botao(evento_jogo::BotaoPressionado, sf::Mouse::Button::Left, 105, 413);
    const evento_jogo fecha = botao(evento_jogo::Fechada, sf::Mouse::Button::Left);
    const std::tuple<const char*, std::deque<evento_jogo>, Jogo::EstadoJogo, int> casos[] = {
        // The press would carry slot 0's card into the next deal.
        {"the losing release, then a press on a card", {perde, pega}, Jogo::MostrandoPerdeu, 89},
        {"a close, then the losing release", {fecha, perde}, Jogo::Saindo, 99},
        {"the losing release, then a close", {perde, fecha}, Jogo::Saindo, 89},
    };
    empilhar(c2, {99});
    empilhar(d1, {1});
    empilhar(d2, {1});
    for (const auto& [nome, lote, estado, topo_c1] : casos) {
        empilhar(c1, {99});
        dar_mao({50, 51, 52, 53, 89, 55, 56, 57});
        Jogo::estado_jogo = Jogo::Jogando;
        Jogo::selecionado = true;
        Jogo::i = 4;
        tratar_lote(lote);
        EXPECT_EQ(Jogo::estado_jogo, estado) << nome;
        EXPECT_EQ(c1->get_elemento_topo(), topo_c1) << nome;
        EXPECT_FALSE(Jogo::selecionado) << nome;
        EXPECT_EQ(posicao(0), mesa::posicao_casa(0)) << nome;
    }
}

} // namespace
