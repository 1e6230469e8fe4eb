#include "cards/gerenciador_cartas.hpp"

#include <algorithm>

void gerenciador_cartas::carta_jogo_alocador::operator()(
    const std::pair<const std::string, cartas*>& entrada) const {
    delete entrada.second;
}

gerenciador_cartas::gerenciador_cartas() = default;

gerenciador_cartas::~gerenciador_cartas() {
    std::for_each(cartas_jogo.begin(), cartas_jogo.end(), carta_jogo_alocador());
}

void gerenciador_cartas::adicionar(std::string nome, cartas* carta) {
    if (carta == nullptr) {
        return;
    }
    cartas_jogo.emplace(std::move(nome), carta);
}

void gerenciador_cartas::remover(const std::string& nome) {
    const auto entrada = cartas_jogo.find(nome);
    if (entrada == cartas_jogo.end()) {
        return;
    }
    carta_jogo_alocador()(*entrada);
    cartas_jogo.erase(entrada);
}

cartas* gerenciador_cartas::get(const std::string& nome) const {
    const auto entrada = cartas_jogo.find(nome);
    return entrada == cartas_jogo.end() ? nullptr : entrada->second;
}

int gerenciador_cartas::get_contador_cartas() const {
    return static_cast<int>(cartas_jogo.size());
}

void gerenciador_cartas::desenhar_todos(sf::RenderWindow& janela, const cartas* por_cima) {
    cartas* ultima = nullptr;
    for (const auto& entrada : cartas_jogo) {
        if (entrada.second == por_cima) {
            ultima = entrada.second;
        } else if (entrada.second != nullptr) {
            entrada.second->desenhar(janela);
        }
    }
    if (ultima != nullptr) {
        ultima->desenhar(janela);
    }
}
