#include "game/jogo.hpp"

#include "plataforma/abrir_janela.hpp"
#include "plataforma/escala_arte.hpp"
#include "plataforma/face_sfml.hpp"
#include "plataforma/lugares.hpp"
#include "screens/ganhou.hpp"
#include "screens/instrucoes.hpp"
#include "screens/menu.hpp"
#include "screens/perdeu.hpp"
#include "screens/tela_inicial.hpp"

#include <memory>
#include <string>

gerenciador_cartas Jogo::_gerenciador_cartas;

Jogo::EstadoJogo Jogo::estado_jogo = Jogo::NaoIniciado;
bool Jogo::selecionado = false;
int Jogo::i = 0;
bool Jogo::podeDesfazer = false;
int Jogo::ultimaPilhaAtualizada = 0;

// The window, the panel's pictures and the background are made on first use,
// not with the statics: a window or texture object reaches for the display as
// it is made (so does a sprite on SFML 3, which cannot be without a texture),
// and SFML aborts the program when there is none, before main could tell the
// player why.
sf::RenderWindow& Jogo::janela() {
    static sf::RenderWindow janela;
    return janela;
}

painel_jogo& Jogo::painel() {
    static painel_jogo painel;
    return painel;
}

sf::Sprite& Jogo::background() {
    static sf::Sprite fundo = face_sfml::sprite_vazio();
    return fundo;
}

void Jogo::CriandoTudo() {
    // The window first: its scale decides which pictures the first deal reads.
    abrir_janela(janela());
    // The hand outlives the state loop; its card sprites belong to the
    // registry, which frees them (and the piles) at exit.
    std::unique_ptr<mesa> m(new mesa());
    fila_monte monte;
    pilha_crescente* c1 = new pilha_crescente();
    pilha_crescente* c2 = new pilha_crescente();
    pilha_decrescente* d1 = new pilha_decrescente();
    pilha_decrescente* d2 = new pilha_decrescente();
    bool ok = false;
    Start(m.get(), c1, c2, d1, d2, monte, ok);
}

void Jogo::Start(mesa* m, pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                 pilha_decrescente* d2, fila_monte& monte, bool& ok) {
    monte.InicializaElementos();
    c1->set_topo(-1);
    c2->set_topo(-1);
    d1->set_topo(-1);
    d2->set_topo(-1);
    m->LimpaMesa();
    m->PrimeiraDistribuicao(monte, ok);

    if (estado_jogo != NaoIniciado) {
        return;
    }

    sf::Texture textura_fundo;
    montar_mesa(textura_fundo, m, c1, c2, d1, d2);
    estado_jogo = MostrandoTelaInicial;
    while (!IsExiting()) {
        loop_jogo(m, c1, c2, d1, d2, monte, ok);
    }
    escala_arte::esquecer(textura_fundo);
    fechar_janela(janela());
}

void Jogo::montar_mesa(sf::Texture& textura_fundo, mesa* m, pilha_crescente* c1,
                       pilha_crescente* c2, pilha_decrescente* d1, pilha_decrescente* d2) {
    escala_arte::carregar(textura_fundo, background(), "imagens/fundo2.jpg");

    c1->carregar(fundo_crescente);
    c1->set_posicao(lugares::pilha_c1.x, lugares::pilha_c1.y);
    c2->carregar(fundo_crescente);
    c2->set_posicao(lugares::pilha_c2.x, lugares::pilha_c2.y);
    d1->carregar(fundo_decrescente);
    d1->set_posicao(lugares::pilha_d1.x, lugares::pilha_d1.y);
    d2->carregar(fundo_decrescente);
    d2->set_posicao(lugares::pilha_d2.x, lugares::pilha_d2.y);

    _gerenciador_cartas.adicionar("pilha_c1", c1);
    _gerenciador_cartas.adicionar("pilha_c2", c2);
    _gerenciador_cartas.adicionar("pilha_d1", d1);
    _gerenciador_cartas.adicionar("pilha_d2", d2);
    for (int slot = 0; slot < mesa::slots; ++slot) {
        _gerenciador_cartas.adicionar("teste" + std::to_string(slot), m->cartas_mesa[slot]);
    }
}

bool Jogo::IsExiting() {
    return estado_jogo == Saindo;
}

void Jogo::loop_jogo(mesa* m, pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                     pilha_decrescente* d2, fila_monte& monte, bool& ok) {
    const EstadoJogo antes = estado_jogo;
    switch (estado_jogo) {
    case MostrandoTelaInicial:
        mostrar_tela_inicial();
        break;
    case MostrandoMenu:
        mostrar_menu();
        break;
    case Jogando:
        passo_jogo(m, c1, c2, d1, d2, monte, ok);
        break;
    case MostrandoGanhou:
        mostrar_ganhou(m, c1, c2, d1, d2, monte, ok);
        break;
    case MostrandoPerdeu:
        mostrar_perdeu(m, c1, c2, d1, d2, monte, ok);
        break;
    case MostrandoInstrucoes:
        mostrar_instrucao();
        break;
    default:
        break;
    }
    // A screen that hands over to play leaves its own picture up: show the
    // table now rather than at the player's next move. No card is in the air
    // across a screen.
    if (antes != Jogando && estado_jogo == Jogando) {
        desenhar_quadro(m, monte, nullptr);
    }
}

void Jogo::mostrar_tela_inicial() {
    Tela_Inicial tela;
    tela.Mostrar(janela());
    estado_jogo = MostrandoMenu;
}

void Jogo::mostrar_menu() {
    Menu menu;
    seguir_menu(menu.Mostrar(janela()));
}

void Jogo::seguir_menu(int resposta) {
    switch (resposta) {
    case 1:
        estado_jogo = Saindo;
        break;
    case 2:
        estado_jogo = Jogando;
        break;
    case 3:
        estado_jogo = MostrandoInstrucoes;
        break;
    default:
        break;
    }
}

void Jogo::mostrar_instrucao() {
    // One object per visit, so every visit starts on page 1.
    Instrucoes instrucoes;
    instrucoes.set_k(1);
    while (!seguir_instrucao(instrucoes.Mostrar(janela()), instrucoes)) {
    }
}

bool Jogo::seguir_instrucao(int resposta, Instrucoes& instrucoes) {
    switch (resposta) {
    case 1:
        estado_jogo = MostrandoMenu;
        return true;
    case 2:
        estado_jogo = Jogando;
        return true;
    case 3:
        estado_jogo = Saindo;
        return true;
    case 4:
        instrucoes.proximo_k();
        return false;
    case 5:
        instrucoes.anterior_k();
        return false;
    default:
        return false;
    }
}

void Jogo::mostrar_ganhou(mesa* m, pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                          pilha_decrescente* d2, fila_monte& monte, bool& ok) {
    Ganhou tela;
    seguir_resultado(tela.Mostrar(janela()), m, c1, c2, d1, d2, monte, ok);
}

void Jogo::mostrar_perdeu(mesa* m, pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                          pilha_decrescente* d2, fila_monte& monte, bool& ok) {
    Perdeu tela;
    seguir_resultado(tela.Mostrar(janela()), m, c1, c2, d1, d2, monte, ok);
}

void Jogo::seguir_resultado(int resposta, mesa* m, pilha_crescente* c1, pilha_crescente* c2,
                            pilha_decrescente* d1, pilha_decrescente* d2, fila_monte& monte,
                            bool& ok) {
    // Any other answer keeps the state, and the screen comes back.
    if (resposta == 1) {
        estado_jogo = Saindo;
    } else if (resposta == 2) {
        JogarNovamente(m, c1, c2, d1, d2, monte, ok);
    }
}

void Jogo::JogarNovamente(mesa* m, pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                          pilha_decrescente* d2, fila_monte& monte, bool& ok) {
    // The state is past NaoIniciado, so this only deals.
    Start(m, c1, c2, d1, d2, monte, ok);
    estado_jogo = Jogando;
    // The new deal is drawn before any event could clear the old game's undo
    // record, and its button must not show on a table with nothing to undo.
    podeDesfazer = false;
    c1->carregar(fundo_crescente);
    c2->carregar(fundo_crescente);
    d1->carregar(fundo_decrescente);
    d2->carregar(fundo_decrescente);
}
