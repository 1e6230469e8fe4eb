#pragma once

#include "cards/cartas.hpp"

#include <SFML/Graphics.hpp>
#include <map>
#include <string>
#include <utility>

// Every card on the table under a name. Draws them all in name order and owns
// them: destroying the registry deletes every card registered in it.
class gerenciador_cartas {
public:
    // Deletes the card of one entry (through the virtual destructor).
    struct carta_jogo_alocador {
        void operator()(const std::pair<const std::string, cartas*>& entrada) const;
    };

    gerenciador_cartas();
    ~gerenciador_cartas();

    gerenciador_cartas(const gerenciador_cartas&) = delete;
    gerenciador_cartas& operator=(const gerenciador_cartas&) = delete;

    // A name already taken, or a null card, is refused: the card then stays
    // its caller's.
    void adicionar(std::string nome, cartas* carta);
    void remover(const std::string& nome);
    cartas* get(const std::string& nome) const;
    int get_contador_cartas() const;
    // In ascending name order: "pilha_..." under "teste0".."teste7"; a card
    // given as `por_cima` (one being dragged) last, above all the others.
    void desenhar_todos(sf::RenderWindow& janela, const cartas* por_cima = nullptr);

private:
    std::map<std::string, cartas*> cartas_jogo;
};
