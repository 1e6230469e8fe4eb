#include "plataforma/escala_arte.hpp"
#include "tests/game/jogada_teste.hpp"

// Which card a press picks up, and what each event asks of the game.
namespace {

TEST_F(JogadaTeste, AnEmptiedSlotIsNeverPickedUpWhereverItsHiddenSpriteLies) {
    pasta.criar_imagem("desfazer.png", 88, 32);
    Jogo::painel().carregar();
    struct Caso {
        const char* nome;
        // Slot 0's card played there, its hidden sprite left centred on it;
        // then a drag from `de` to `para`.
        sf::Vector2i jogada, de, para;
        int d1_depois;
    };
    const Caso casos[] = {
        {"from d1 onto slot 1's card", {344, 278}, {344, 278}, {100, 508}, 0},
        // The undo brings the card home, and its release plays nothing.
        {"from undo onto d1", {178, 162}, {206, 190}, {344, 278}, -1},
    };
    for (const Caso& caso : casos) {
        for (pilha_burra* pilha : {static_cast<pilha_burra*>(c1), static_cast<pilha_burra*>(c2),
                                   static_cast<pilha_burra*>(d1), static_cast<pilha_burra*>(d2)}) {
            pilha->set_topo(-1);
        }
        dar_mao({30, 40, 50, 60, 70, 80, 90, 20});
        arrastar(sf::Vector2i(mesa::posicao_casa(0)), caso.jogada);
        arrastar(caso.de, caso.para);
        EXPECT_FALSE(Jogo::selecionado) << caso.nome;
        EXPECT_EQ(d1->get_topo(), caso.d1_depois) << caso.nome;
        EXPECT_EQ(na_mao(0), caso.d1_depois == 0 ? 0 : 30) << caso.nome;
        EXPECT_EQ(posicao(1), mesa::posicao_casa(1)) << caso.nome;
        // Slot 1's card, still in its place, is the one a press there takes.
        arrastar(sf::Vector2i(mesa::posicao_casa(1)), {344, 114});
        EXPECT_EQ(c1->get_elemento_topo(), 40) << caso.nome;
    }
}

// A card whose picture failed to load stays where its slot's last card was
// played, here under the undo button: the press there undoes, and the card
// must not also be picked up for the release to play it.
TEST_F(JogadaTeste, APressOnUndoPicksUpNoCardLyingHiddenUnderIt) {
    pasta.criar_imagem("desfazer.png", 88, 32);
    Jogo::painel().carregar();
    dar_mao({30, 40, 50, 60, 70, 80, 90, 0});
    deixar_no_monte(0);
    arrastar(sf::Vector2i(mesa::posicao_casa(0)), {178, 162});
    m->aumenta_NroElementos();
    m->set_elemento_i(0, 77, ok); // no picture for 77
    arrastar({206, 190}, {344, 278});
    EXPECT_TRUE(c2->Vazia()) << "not undone";
    EXPECT_TRUE(d1->Vazia()) << "the hidden card was played";
}

TEST_F(JogadaTeste, APressPicksTheCardAtItsOwnPointAndOnlyTheLeftReleaseDrops) {
    dar_mao({30, 40, 50, 60, 70, 80, 90, 20});
    mover_mouse(180, 408); // the real pointer over slot 2's card
    const sf::Vector2f casa5 = mesa::posicao_casa(5);
    // On the card's edge, which belongs to the card.
    tratar(botao(evento_jogo::BotaoPressionado, sf::Mouse::Button::Left,
                 static_cast<int>(casa5.x) - 30, static_cast<int>(casa5.y) + 45));
    ASSERT_TRUE(Jogo::selecionado);
    EXPECT_EQ(Jogo::i, 5);

    // Over c2 with the left button still down: other buttons come and go.
    tratar(movimento(140, 114));
    tratar(botao(evento_jogo::BotaoPressionado, sf::Mouse::Button::Right, 140, 114));
    tratar(botao(evento_jogo::BotaoSolto, sf::Mouse::Button::Right, 140, 114));
    EXPECT_TRUE(Jogo::selecionado);
    EXPECT_TRUE(c2->Vazia());
    EXPECT_EQ(posicao(5), sf::Vector2f(140, 114));
    tratar(botao(evento_jogo::BotaoSolto, sf::Mouse::Button::Left, 140, 114));
    EXPECT_FALSE(Jogo::selecionado);
    EXPECT_EQ(c2->get_elemento_topo(), 80);
    EXPECT_EQ(na_mao(5), 0);

    // A press on the bare table picks nothing, whatever lies under the pointer.
    tratar(botao(evento_jogo::BotaoPressionado, sf::Mouse::Button::Left, 20, 300));
    EXPECT_FALSE(Jogo::selecionado);
    EXPECT_EQ(Jogo::i, 8);
}

TEST_F(JogadaTeste, TheAnswerSaysWhatEachEventDidAndAskedFor) {
    using P = entrada_jogo::Pedido;
    const auto press = evento_jogo::BotaoPressionado;
    const auto release = evento_jogo::BotaoSolto;
    for (const char* botao_painel : {"desfazer.png", "botao_menu.png", "botao_dnv.png"}) {
        pasta.criar_imagem(botao_painel, 40, 30);
    }
    Jogo::painel().carregar();
    dar_mao({30, 40, 50, 60, 70, 80, 90, 20});
    const sf::Vector2i carta(mesa::posicao_casa(2));
    evento_jogo outro{};
    struct Caso {
        const char* nome;
        bool arrastando;
        evento_jogo evento;
        bool mudou;
        P pedido;
    };
    const auto sem = [&outro](evento_jogo::Tipo tipo) {
        outro.tipo = tipo;
        return outro;
    };
    const Caso casos[] = {
        {"move, nothing held", false, movimento(100, 100), false, P::Nenhum},
        {"move, a card held", true, movimento(100, 100), true, P::Nenhum},
        {"left press on a card", false, botao(press, sf::Mouse::Button::Left, carta.x, carta.y),
         false, P::Nenhum},
        // Its release went elsewhere: the card goes home.
        {"left press, a card held", true, botao(press, sf::Mouse::Button::Left, 20, 300), true,
         P::Nenhum},
        {"left release, a card held", true, botao(release, sf::Mouse::Button::Left, 20, 300), true,
         P::Nenhum},
        {"left release, nothing held", false, botao(release, sf::Mouse::Button::Left, 20, 300),
         false, P::Nenhum},
        {"right release, a card held", true, botao(release, sf::Mouse::Button::Right, 20, 300),
         false, P::Nenhum},
        {"press on undo", false, botao(press, sf::Mouse::Button::Left, 210, 190), false,
         P::Desfazer},
        {"press on menu", false, botao(press, sf::Mouse::Button::Left, 195, 25), false, P::Menu},
        {"press on play again", false, botao(press, sf::Mouse::Button::Left, 310, 25), false,
         P::JogarNovamente},
        {"Escape, nothing held", false, tecla(sf::Keyboard::Key::Escape), false, P::Menu},
        {"Escape, a card held", true, tecla(sf::Keyboard::Key::Escape), true, P::Menu},
        {"another key", true, tecla(sf::Keyboard::Key::Enter), false, P::Nenhum},
        {"close", false, sem(evento_jogo::Fechada), false, P::Fechar},
        {"focus lost, a card held", true, sem(evento_jogo::FocoPerdido), true, P::Nenhum},
        {"pointer leaves", true, sem(evento_jogo::MouseSaiu), false, P::Nenhum},
    };
    for (const Caso& caso : casos) {
        Jogo::selecionado = caso.arrastando;
        Jogo::i = 2;
        Jogo::podeDesfazer = true;
        entrada_jogo::partida partida = Jogo::em_jogo(m, c1, c2, d1, d2);
        const entrada_jogo::resposta resposta = entrada_jogo::tratar(caso.evento, partida);
        EXPECT_EQ(resposta.mudou, caso.mudou) << caso.nome;
        EXPECT_EQ(resposta.pedido, caso.pedido) << caso.nome;
    }

    // Scaled, a button shows its twin over the same points, and the count,
    // drawn from glyphs twice the size, keeps its size.
    pasta.criar_imagem("botao_menu@2x.png", 80, 60);
    pasta.copiar_da_build("star.ttf");
    Jogo::painel().carregar();
    Jogo::painel().set_contagem(99);
    const float largura = face_sfml::tamanho(Jogo::painel().contagem.getGlobalBounds()).x;
    escala_arte::definir(2);
    Jogo::painel().carregar();
    // Each size advances its glyphs by whole pixels: up to three quarters of a
    // point a digit apart (SFML 2.6: 26.5 against 28 points).
    EXPECT_NEAR(face_sfml::tamanho(Jogo::painel().contagem.getGlobalBounds()).x, largura, 2.0f);
    EXPECT_EQ(face_sfml::textura_de(Jogo::painel().botao_menu)->getSize().x, 80u);
    EXPECT_EQ(Jogo::painel().botao_menu.getGlobalBounds(), sf::FloatRect({187, 17}, {40, 30}));
    escala_arte::definir(1);
    Jogo::painel().carregar();
    // Read again where there is no font, the panel lets go of the font's file:
    // Windows removes no folder that holds an open file.
    pasta_temporaria sem_fonte;
    Jogo::painel().carregar();
}

} // namespace
