#include "game/pilhas_jogo.hpp"

#include "plataforma/arquivos.hpp"

// A pile may have to hold the whole deck.
static_assert(pilha_burra::capacidade >= fila_monte::capacidade, "room for every card");

namespace {

template <typename Pilha> void com_regra(pilha_burra* cartas, int valor, bool& ok) {
    static_cast<Pilha*>(cartas)->Empilha(valor, ok);
}

} // namespace

pilhas_jogo::tabela pilhas_jogo::de(pilha_crescente* c1, pilha_crescente* c2, pilha_decrescente* d1,
                                    pilha_decrescente* d2) {
    const char* sobe = arquivos::pilha_crescente_vazia;
    const char* desce = arquivos::pilha_decrescente_vazia;
    return {{{c1, 1, "pilha_c1", lugares::pilha_c1, sobe, com_regra<pilha_crescente>},
             {c2, 2, "pilha_c2", lugares::pilha_c2, sobe, com_regra<pilha_crescente>},
             {d1, 3, "pilha_d1", lugares::pilha_d1, desce, com_regra<pilha_decrescente>},
             {d2, 4, "pilha_d2", lugares::pilha_d2, desce, com_regra<pilha_decrescente>}}};
}

bool pilhas_jogo::jogar(const pilha& destino, mesa& m, int slot, sf::RenderWindow& janela,
                        const registro& r) {
    bool ok = false;
    const int valor = m.get_elemento_i(slot, ok);
    destino.empilhar(destino.cartas, valor, ok);
    if (!ok) {
        return false;
    }
    r.podeDesfazer = true;
    r.ultimaPilhaAtualizada = destino.codigo;
    destino.cartas->carregar(figura(valor));
    m.removeMesa(janela, slot);
    return true;
}

void pilhas_jogo::desfazer(const tabela& pilhas, mesa& m, const registro& r, bool& ok) {
    if (!r.podeDesfazer) {
        return;
    }
    r.podeDesfazer = false;
    const pilha* origem = nullptr;
    for (const pilha& p : pilhas) {
        if (p.codigo == r.ultimaPilhaAtualizada) {
            origem = &p;
        }
    }
    if (origem == nullptr || m.Cheia()) {
        ok = false;
        return;
    }
    int valor = 0;
    origem->cartas->Desempilha(valor, ok);
    if (!ok) {
        return;
    }
    mostrar(*origem);
    m.insereMesa(valor, ok);
}

void pilhas_jogo::mostrar(const pilha& p) {
    p.cartas->carregar(p.cartas->Vazia() ? arquivos::caminho(p.vazia)
                                         : figura(p.cartas->get_elemento_topo()));
}

std::string pilhas_jogo::figura(int valor) {
    return arquivos::caminho(arquivos::carta_pilha, valor);
}
