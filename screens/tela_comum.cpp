#include "screens/tela_comum.hpp"

#include "plataforma/espera_janela.hpp"

int tela_comum::esperar_resposta(sf::RenderWindow& janela, const figura_tela& figura,
                                 const std::list<item_tela>& itens, int ao_fechar) {
    const fim_espera fim = esperar_clique(janela, figura);
    return fim.fechou ? ao_fechar : clique(itens, fim.x, fim.y);
}

int tela_comum::clique(const std::list<item_tela>& itens, int x, int y) {
    for (const item_tela& item : itens) {
        const lugares::retangulo& r = item.retangulo;
        if (r.esquerda < x && x < r.direita && r.topo < y && y < r.base) {
            return item.resposta;
        }
    }
    return 0;
}

tela_comum::fim_espera tela_comum::esperar_clique(sf::RenderWindow& janela,
                                                  const figura_tela& figura) {
    evento_jogo evento;
    for (;;) {
        switch (espera_janela::esperar(janela, evento)) {
        case espera_janela::Sinal::Fechada:
            return fim_espera{true, 0, 0};
        case espera_janela::Sinal::Repintar:
            figura.mostrar(janela);
            break;
        case espera_janela::Sinal::Evento:
            if (evento.tipo == evento_jogo::BotaoPressionado) {
                return fim_espera{false, evento.ponto.x, evento.ponto.y};
            }
            if (evento.tipo == evento_jogo::Fechada) {
                return fim_espera{true, 0, 0};
            }
            break;
        }
    }
}
