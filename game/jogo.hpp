#pragma once

#include "cards/fila_monte.hpp"
#include "cards/gerenciador_cartas.hpp"
#include "cards/mesa.hpp"
#include "cards/pilha_crescente.hpp"
#include "cards/pilha_decrescente.hpp"
#include "game/entrada_jogo.hpp"
#include "game/fim_de_jogo.hpp"
#include "game/painel_jogo.hpp"

#include <SFML/Graphics.hpp>
#include <functional>
#include <string>

class Instrucoes;

// The game itself: the window, the state machine over the screens and play,
// the deal, the play pass with its drag and drop, and undo. Never instantiated.
// Its play pass and undo are written in jogada.cpp, the rest in jogo.cpp.
//
// The game objects are passed everywhere in one order: the hand, the ascending
// piles c1 and c2, the descending piles d1 and d2, the deck, and the deal's
// success flag.
class Jogo {
public:
    Jogo() = delete;

    enum EstadoJogo : int {
        NaoIniciado = 0,
        MostrandoTelaInicial = 1,
        MostrandoMenu = 3,
        Jogando = 4,
        Saindo = 5,
        MostrandoGanhou = 6,
        MostrandoPerdeu = 7,
        MostrandoInstrucoes = 8,
    };

    static void CriandoTudo();
    // Deals a game. The first call also opens the window and runs the state
    // loop until the program is to end; later calls (play again) only deal.
    static void Start(mesa* m, pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                      pilha_decrescente* d2, fila_monte& monte, bool& ok);
    static bool IsExiting();
    // One pass of the state loop: one screen, or one play pass.
    static void loop_jogo(mesa* m, pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                          pilha_decrescente* d2, fila_monte& monte, bool& ok);

    static void mostrar_tela_inicial();
    static void mostrar_menu();
    static void mostrar_instrucao();
    static void mostrar_ganhou(mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                               pilha_decrescente* d1, pilha_decrescente* d2, fila_monte& monte,
                               bool& ok);
    static void mostrar_perdeu(mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                               pilha_decrescente* d1, pilha_decrescente* d2, fila_monte& monte,
                               bool& ok);
    static void JogarNovamente(mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                               pilha_decrescente* d1, pilha_decrescente* d2, fila_monte& monte,
                               bool& ok);
    // Takes the last card played back into the hand, once.
    static void Desfazer(mesa* m, pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                         pilha_decrescente* d2, bool& ok);

    // What the screens' answers lead to, apart from the waits that get them.
    static void seguir_menu(int resposta);
    static void seguir_resultado(int resposta, mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                                 pilha_decrescente* d1, pilha_decrescente* d2, fila_monte& monte,
                                 bool& ok);
    // True when the answer ends the visit to the instructions.
    static bool seguir_instrucao(int resposta, Instrucoes& instrucoes);

    // The first start's set-up after the deal, in the open window: the
    // background (whose texture the caller keeps alive), the piles and the
    // registry.
    static void montar_mesa(sf::Texture& textura_fundo, mesa* m, pilha_crescente* c1,
                            pilha_crescente* c2, pilha_decrescente* d1, pilha_decrescente* d2);

    // One play pass: sleeps until an event arrives, handles it and every event
    // already queued (one batch), then draws the table as they left it if that
    // changed what it shows. A window that must be painted again gets the
    // table too.
    static void passo_jogo(mesa* m, pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                           pilha_decrescente* d2, fila_monte& monte, bool& ok);

    // The next event of a batch, already queued; false when there is none.
    using fonte_eventos = std::function<bool(evento_jogo&)>;
    struct lote {
        // What the table shows changed.
        bool mudou = false;
        // The request of the event that ended play (Nenhum when play goes on).
        entrada_jogo::Pedido pedido = entrada_jogo::Pedido::Nenhum;
        // Play ended inside the batch: a close, the menu, a new deal, or the
        // end of the game.
        bool saiu = false;
    };
    // Plays a batch: the first event, then those `proximo` hands out, up to
    // the one that ends play. Nothing after that one is asked for.
    static lote jogar_lote(const evento_jogo& primeiro, const fonte_eventos& proximo, mesa* m,
                           pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                           pilha_decrescente* d2, fila_monte& monte, bool& ok);
    // What follows a batch that ended play (nothing, if it did not): the rest of it was aimed at
    // the table, so none of it is played or handed to the next screen, but a close request among it
    // still ends the game; no card stays in the air; then the request is acted on. True when the
    // table's picture changed.
    static bool seguir_lote(const lote& fim, const fonte_eventos& proximo, mesa* m,
                            pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                            pilha_decrescente* d2, fila_monte& monte, bool& ok);
    // The handling of one play event (see entrada_jogo), after the refill it
    // may find due. Undo is done here; the requests that end play are left to
    // seguir_lote.
    static entrada_jogo::resposta tratar_evento(const evento_jogo& evento, mesa* m,
                                                pilha_crescente* c1, pilha_crescente* c2,
                                                pilha_decrescente* d1, pilha_decrescente* d2,
                                                fila_monte& monte, bool& ok);
    // The table in play, as the play handler sees it.
    static entrada_jogo::partida em_jogo(mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                                         pilha_decrescente* d1, pilha_decrescente* d2);
    // Refills a hand of six while the deck lasts, and ends the chance to undo
    // on a full or refilled hand. True when the table's picture changed.
    static bool repor_e_encerrar_desfazer(mesa* m, fila_monte& monte);
    // Switches to the won or the lost screen when the game is over.
    static void verificar_fim(mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                              pilha_decrescente* d1, pilha_decrescente* d2, fila_monte& monte);
    // A drag whose release never reached the window (espera_janela) ends as a
    // release outside every pile: the card goes home and nothing is played.
    // True when the table's picture changed.
    static bool terminar_soltura_perdida(mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                                         pilha_decrescente* d1, pilha_decrescente* d2);
    // Ends a drag in progress with its card at home, and lets the pointer go.
    // True when a card was in the air.
    static bool largar_carta_no_ar(mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                                   pilha_decrescente* d1, pilha_decrescente* d2);
    // The pointer is the window's while a card is in the air (captura_ponteiro):
    // taken when a drag begins, let go when it ends, given whether a card was
    // held before the event. A drag ends with its left release (the card is
    // played or goes home), and in five ways without one, each sending the
    // card home with nothing played:
    // - the focus goes to another window, which may get the release
    //   (entrada_jogo, FocoPerdido);
    // - the left button goes down again: its release went elsewhere
    //   (entrada_jogo, a press);
    // - Escape asks for the menu (entrada_jogo);
    // - the window system says the button is up with no release on its way,
    //   asked after each batch (terminar_soltura_perdida, and
    //   espera_janela::soltura_perdida underneath);
    // - a request ends play inside the batch: the menu, play again, a close,
    //   the end of the game (seguir_lote, through largar_carta_no_ar).
    static void prender_ou_soltar_ponteiro(bool segurava);
    // The whole table, with the count of the cards still to play, and the card
    // in the air (if any) above everything else.
    static void desenhar_quadro(mesa* m, fila_monte& monte, const cartas* no_ar);

    // The one window, the count and buttons drawn around the cards, and the
    // table's background.
    static sf::RenderWindow& janela();
    static painel_jogo& painel();
    static sf::Sprite& background();
    static gerenciador_cartas _gerenciador_cartas;

    static EstadoJogo estado_jogo;
    // A hand card is being dragged, from slot i. After a press that picked up
    // nothing i is left at 8.
    static bool selecionado;
    static int i;
    // The undo record (pilhas_jogo): the last card played may be taken back,
    // and from which pile (1 c1, 2 c2, 3 d1, 4 d2).
    static bool podeDesfazer;
    static int ultimaPilhaAtualizada;
};
