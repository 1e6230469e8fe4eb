#include "screens/tela_comum.hpp"

#include "plataforma/espera_janela.hpp"

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
