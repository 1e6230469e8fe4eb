#include "tests/game/fiscal_da_mesa.hpp"

#include <algorithm>
#include <sstream>

using namespace regras_de_referencia;

namespace {

std::string pilha_em_texto(int k) {
    const char* nomes[] = {"c1", "c2", "d1", "d2"};
    return std::string("pile ") + nomes[k];
}

} // namespace

fiscal_da_mesa::fiscal_da_mesa(mesa* m, pilha_burra* c1, pilha_burra* c2, pilha_burra* d1,
                               pilha_burra* d2, const fila_monte& monte)
    : m(m), todas{c1, c2, d1, d2}, monte(monte) {}

// Within ten pixels of the real pictures' sizes, so the table's geometry stays.
sf::Vector2u fiscal_da_mesa::tamanho_mao(int valor) {
    return {static_cast<unsigned>(66 + valor % 10), static_cast<unsigned>(92 + valor / 10)};
}

sf::Vector2u fiscal_da_mesa::tamanho_pilha(int valor) {
    return {static_cast<unsigned>(92 + valor % 10), static_cast<unsigned>(127 + valor / 10)};
}

sf::Vector2u fiscal_da_mesa::tamanho_base(int pilha) {
    return {crescente(pilha) ? 92u : 93u, 126u};
}

Mao fiscal_da_mesa::mao() const {
    Mao valores{};
    for (int slot = 0; slot < mesa::slots; ++slot) {
        bool ok = false;
        valores[static_cast<std::size_t>(slot)] = m->get_elemento_i(slot, ok);
    }
    return valores;
}

std::string fiscal_da_mesa::conferir(const evento_jogo& evento, Jogo::EstadoJogo estado_antes,
                                     bool deu) {
    const int no_monte = monte.get_NroElementos();
    if (deu && (no_monte != 91 || m->get_NroElementos() != 8)) {
        return "a new deal left " + std::to_string(no_monte) + " cards in the deck";
    }
    const bool repos = !deu && no_monte < no_monte_antes;
    no_monte_antes = no_monte;
    bool jogou = false, devolveu = false;
    std::string queixa = conferir_pilhas(deu, jogou, devolveu);
    if (queixa.empty()) {
        queixa = conferir_cartas();
    }
    if (queixa.empty()) {
        queixa = conferir_arrasto(evento, deu);
    }
    if (queixa.empty()) {
        queixa = conferir_desfazer(deu || repos || devolveu, jogou);
    }
    if (queixa.empty()) {
        queixa = conferir_fim(evento, deu ? Jogo::Jogando : estado_antes);
    }
    return queixa;
}

// Each pile grew by a card the hand held and its rule takes, shrank by its top
// (an undo), was emptied by a deal, or kept its cards; and shows its top.
std::string fiscal_da_mesa::conferir_pilhas(bool deu, bool& jogou, bool& devolveu) {
    for (int k = 0; k < numero_de_pilhas; ++k) {
        std::vector<int>& cartas_k = empilhadas[static_cast<std::size_t>(k)];
        const int antes = static_cast<int>(cartas_k.size());
        const int agora = pilha(k)->get_topo() + 1;
        const int topo = pilha(k)->get_elemento_topo();
        if (deu) {
            cartas_k.clear();
            if (agora != 0) {
                return pilha_em_texto(k) + " is not empty after a new deal";
            }
        } else if (agora == antes + 1 && aceita(k, cartas_k, topo) &&
                   na_mao_antes.at(static_cast<std::size_t>(topo))) {
            cartas_k.push_back(topo);
            jogou = true;
            pilha_desfeita = k + 1;
        } else if (agora == antes - 1 && antes > 0) {
            cartas_k.pop_back();
            devolveu = true;
        } else if (agora != antes) {
            return pilha_em_texto(k) + " went from " + std::to_string(antes) + " to " +
                   std::to_string(agora) + " cards (top " + std::to_string(topo) + ")";
        }
        if (!cartas_k.empty() && topo != cartas_k.back()) {
            return pilha_em_texto(k) + " has " + std::to_string(topo) + " on top, not " +
                   std::to_string(cartas_k.back());
        }
        const sf::Vector2u esperada =
            cartas_k.empty() ? tamanho_base(k) : tamanho_pilha(cartas_k.back());
        if (face_sfml::textura_de(pilha(k)->sprite)->getSize() != esperada) {
            return pilha_em_texto(k) + " shows the wrong picture";
        }
    }
    return "";
}

// Every card exactly once among the deck, the hand and the piles; the hand's
// count, and its cards shown, at home unless dragged.
std::string fiscal_da_mesa::conferir_cartas() {
    std::array<int, 100> vezes{};
    for (int n = 0; n < monte.get_NroElementos(); ++n) {
        ++vezes.at(static_cast<std::size_t>(monte.get_elemento_X(monte.get_primeiro() + n)));
    }
    for (const std::vector<int>& cartas_k : empilhadas) {
        for (int valor : cartas_k) {
            ++vezes.at(static_cast<std::size_t>(valor));
        }
    }
    const Mao valores = mao();
    int na_mao = 0;
    na_mao_antes.fill(false);
    for (int slot = 0; slot < mesa::slots; ++slot) {
        const int valor = valores[static_cast<std::size_t>(slot)];
        const cartas* carta = m->cartas_mesa[slot];
        if (valor == 0) {
            if (carta->get_carregada()) {
                return "empty slot " + std::to_string(slot) + " shows a card";
            }
            continue;
        }
        ++na_mao;
        ++vezes.at(static_cast<std::size_t>(valor));
        na_mao_antes.at(static_cast<std::size_t>(valor)) = true;
        if (!carta->get_carregada() ||
            face_sfml::textura_de(carta->sprite)->getSize() != tamanho_mao(valor)) {
            return "slot " + std::to_string(slot) + " does not show " + std::to_string(valor);
        }
        const bool arrastada = Jogo::selecionado && Jogo::i == slot;
        if (!arrastada && carta->sprite.getPosition() != mesa::posicao_casa(slot)) {
            return "slot " + std::to_string(slot) + "'s card is away from home";
        }
    }
    for (int valor = 1; valor <= 99; ++valor) {
        if (vezes[static_cast<std::size_t>(valor)] != 1) {
            return "card " + std::to_string(valor) + " is in " +
                   std::to_string(vezes[static_cast<std::size_t>(valor)]) + " places";
        }
    }
    if (m->get_NroElementos() != na_mao) {
        return "the hand counts " + std::to_string(m->get_NroElementos()) + " cards but holds " +
               std::to_string(na_mao);
    }
    return "";
}

// Only a card is ever in the air, and a left press on a card the player sees
// picks up that very card.
std::string fiscal_da_mesa::conferir_arrasto(const evento_jogo& evento, bool deu) {
    const Mao valores = mao();
    const bool slot_valido = Jogo::i >= 0 && Jogo::i < mesa::slots;
    if (Jogo::selecionado && (!slot_valido || valores[static_cast<std::size_t>(Jogo::i)] == 0)) {
        return "slot " + std::to_string(Jogo::i) + " is dragged but holds no card";
    }
    if (deu && Jogo::selecionado) {
        return "a new deal began with slot " + std::to_string(Jogo::i) + " in the air";
    }
    if (deu || evento.tipo != evento_jogo::BotaoPressionado ||
        evento.botao != sf::Mouse::Button::Left) {
        return "";
    }
    const sf::Vector2f ponto(static_cast<float>(evento.ponto.x),
                             static_cast<float>(evento.ponto.y));
    bool sob_carta = false, pegou = false;
    for (int slot = 0; slot < mesa::slots; ++slot) {
        const cartas* carta = m->cartas_mesa[slot];
        if (valores[static_cast<std::size_t>(slot)] != 0 && carta->get_carregada() &&
            carta->contem(ponto)) {
            sob_carta = true;
            pegou = pegou || (Jogo::selecionado && Jogo::i == slot);
        }
    }
    if (sob_carta && !pegou) {
        return "a press on a card picked up " +
               (Jogo::selecionado ? "slot " + std::to_string(Jogo::i) : std::string("nothing"));
    }
    return "";
}

// The last change to the table decides: a play allows an undo, anything else
// (a deal, a refill, an undo) takes it away.
std::string fiscal_da_mesa::conferir_desfazer(bool mudou, bool jogou) {
    if (mudou) {
        podia_desfazer = false;
    } else if (jogou) {
        podia_desfazer = true;
    }
    if (Jogo::podeDesfazer != podia_desfazer ||
        (podia_desfazer && Jogo::ultimaPilhaAtualizada != pilha_desfeita)) {
        return std::string("the undo button is ") + (Jogo::podeDesfazer ? "shown" : "hidden") +
               " but an undo is " + (podia_desfazer ? "allowed" : "not allowed");
    }
    return "";
}

// Judged at each release; events still queued behind the end of a game are
// played but change no verdict.
std::string fiscal_da_mesa::conferir_fim(const evento_jogo& evento, Jogo::EstadoJogo esperado) {
    if (evento.tipo == evento_jogo::BotaoSolto) {
        const Mao valores = mao();
        const bool vazia =
            std::all_of(valores.begin(), valores.end(), [](int v) { return v == 0; });
        esperado = vazia && monte.get_NroElementos() == 0 ? Jogo::MostrandoGanhou
                   : jogadas(valores, empilhadas).empty() ? Jogo::MostrandoPerdeu
                                                          : esperado;
    }
    if (Jogo::estado_jogo != esperado) {
        return "the game state is " + std::to_string(Jogo::estado_jogo) + ", not " +
               std::to_string(esperado);
    }
    return "";
}

std::string fiscal_da_mesa::em_texto() const {
    std::ostringstream texto;
    texto << "deck " << monte.get_NroElementos() << ", hand";
    for (int valor : mao()) {
        texto << " " << valor;
    }
    for (int k = 0; k < numero_de_pilhas; ++k) {
        texto << ", " << pilha_em_texto(k) << " " << pilha(k)->get_topo() + 1 << " cards, top "
              << pilha(k)->get_elemento_topo();
    }
    texto << ", undo record " << Jogo::podeDesfazer << "/" << Jogo::ultimaPilhaAtualizada
          << ", dragging " << Jogo::selecionado << "/" << Jogo::i;
    return texto.str();
}

std::string fiscal_da_mesa::evento_em_texto(const evento_jogo& e) {
    const char* botoes[] = {"left", "right", "middle", "x1", "x2"};
    const std::string ponto =
        "(" + std::to_string(e.ponto.x) + "," + std::to_string(e.ponto.y) + ")";
    switch (e.tipo) {
    case evento_jogo::BotaoPressionado:
        return std::string("press ") + botoes[static_cast<int>(e.botao)] + " at " + ponto;
    case evento_jogo::BotaoSolto:
        return std::string("release ") + botoes[static_cast<int>(e.botao)] + " at " + ponto;
    case evento_jogo::MouseMovido:
        return "move to " + ponto;
    default:
        return "key " + std::to_string(static_cast<int>(e.tecla));
    }
}
