#include "cards/mesa.hpp"

#include "plataforma/arquivos.hpp"
#include "plataforma/lugares.hpp"

#include <iterator>

// The hand's homes and the pictures of its cards are listed apart from it.
static_assert(std::size(lugares::casas_mao) == mesa::slots, "a home for every slot");
static_assert(arquivos::cartas == fila_monte::capacidade, "a picture for every card");

mesa::mesa() : cartas_mesa{}, elementos{}, NroElementos(0), carregada(false) {
    LimpaMesa();
    for (cartas*& carta : cartas_mesa) {
        carta = new cartas();
    }
}

// Every member is copied; the slot sprites are shared, not duplicated. The own
// sprite is pointed at the copy's own texture so that it never refers to the
// hand it was copied from.
mesa::mesa(const mesa& outra)
    : elementos{}, NroElementos(outra.NroElementos), mapa_cartas(outra.mapa_cartas),
      sprite(outra.sprite), textura(outra.textura), carregada(outra.carregada) {
    for (int slot = 0; slot < slots; ++slot) {
        cartas_mesa[slot] = outra.cartas_mesa[slot];
        elementos[slot] = outra.elementos[slot];
    }
    if (face_sfml::textura_de(sprite) != nullptr) {
        sprite.setTexture(textura, false);
    }
}

// The slot sprites belong to the card registry.
mesa::~mesa() = default;

void mesa::LimpaMesa() {
    NroElementos = 0;
    bool ok = false;
    for (int slot = 0; slot < slots; ++slot) {
        set_elemento_i(slot, 0, ok);
    }
    NroElementos = 0;
}

bool mesa::Vazia() const {
    return NroElementos == 0;
}

bool mesa::Cheia() const {
    return NroElementos == slots;
}

int mesa::get_NroElementos() const {
    return NroElementos;
}

void mesa::set_NroElementos(int n) {
    NroElementos = n;
}

void mesa::aumenta_NroElementos() {
    ++NroElementos;
}

void mesa::diminui_NroElementos() {
    --NroElementos;
}

int mesa::get_elemento_i(int slot, bool& ok) const {
    if (!slot_valido(slot)) {
        ok = false;
        return 0;
    }
    ok = true;
    return elementos[slot];
}

void mesa::set_elemento_i(int slot, int valor, bool& ok) {
    if (!slot_valido(slot)) {
        ok = false;
        return;
    }
    ok = true;
    elementos[slot] = valor;
    // Emptying a slot leaves its picture alone: only removeMesa hides it.
    if (valor == 0) {
        return;
    }
    cartas* carta = cartas_mesa[slot];
    carta->carregar(arquivos::caminho(arquivos::carta_mao, valor));
    // Straight on the sprite, so that even a card whose picture failed to load
    // is centred on its position.
    carta->sprite.setOrigin(face_sfml::tamanho(carta->sprite.getLocalBounds()) / 2.0f);
    const sf::Vector2f casa = posicao_casa(slot);
    carta->set_posicao(casa.x, casa.y);
}

bool mesa::insereMesa(int valor, bool& ok) {
    // Only a card fits: a 0 would count as a card while reading as empty.
    const int slot = primeiro_slot_livre();
    if (Cheia() || slot < 0 || valor < 1 || valor > fila_monte::capacidade) {
        ok = false;
        return false;
    }
    aumenta_NroElementos();
    set_elemento_i(slot, valor, ok);
    return true;
}

void mesa::removeMesa(sf::RenderWindow& /*janela*/, int slot) {
    bool ok = false;
    if (get_elemento_i(slot, ok) == 0) {
        return;
    }
    set_elemento_i(slot, 0, ok);
    diminui_NroElementos();
    cartas_mesa[slot]->carregar("");
}

void mesa::distribuicao(fila_monte& monte, int n) {
    for (int rodada = 0; rodada < n && !Cheia() && primeiro_slot_livre() >= 0; ++rodada) {
        int valor = 0;
        bool ok = false;
        monte.Retira(valor, ok);
        if (ok) {
            insereMesa(valor, ok);
        }
    }
}

void mesa::NovaDistribuicao(fila_monte& monte, bool& ok) {
    if (NroElementos > para_repor) {
        ok = false;
        return;
    }
    distribuicao(monte, por_reposicao);
    ok = true;
}

void mesa::PrimeiraDistribuicao(fila_monte& monte, bool& ok) {
    if (NroElementos != 0) {
        ok = false;
        return;
    }
    distribuicao(monte, slots);
    ok = true;
}

void mesa::adicionar_mesa(std::string nome, cartas* carta) {
    mapa_cartas.emplace(nome, carta);
}

void mesa::set_posicao(float x, float y) {
    if (carregada) {
        sprite.setPosition({x, y});
    }
}

float mesa::get_altura() const {
    return face_sfml::tamanho(sprite.getLocalBounds()).y;
}

float mesa::get_largura() const {
    return face_sfml::tamanho(sprite.getLocalBounds()).x;
}

sf::FloatRect mesa::get_bounding_rect() const {
    return sprite.getGlobalBounds();
}

sf::Vector2f mesa::posicao_casa(int slot) {
    const lugares::ponto casa = lugares::casas_mao[slot];
    return {casa.x, casa.y};
}

bool mesa::slot_valido(int slot) {
    return slot >= 0 && slot < slots;
}

int mesa::primeiro_slot_livre() const {
    for (int slot = 0; slot < slots; ++slot) {
        if (elementos[slot] == 0) {
            return slot;
        }
    }
    return -1;
}
